#include "platform/FontConfiguration.h"
#include "platform/WindowFont.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QStringList>

#include <gtest/gtest.h>

using namespace orebell;

// The loader may run while Qt already uses fontconfig and its font database (here the test's
// application measured text first): reading both again must leave the fonts Qt resolves as they were.
TEST(FontConfigurationLoader, LeavesTheFontsQtResolvesAsTheyWere)
{
    const QFont font = windowFont(8.25, true);
    const QString family = QFontInfo(font).family();
    const int width = QFontMetrics(font).horizontalAdvance(QStringLiteral("Concentrated Veldspar"));
    const QStringList families = QFontDatabase::families();
    ASSERT_FALSE(family.isEmpty());

    FontConfigurationLoader loader;
    loader.applicationReady();
    loader.wait();

    EXPECT_EQ(QFontInfo(windowFont(8.25, true)).family(), family);
    EXPECT_EQ(QFontMetrics(windowFont(8.25, true)).horizontalAdvance(QStringLiteral("Concentrated Veldspar")),
              width);
    EXPECT_EQ(QFontDatabase::families(), families);
}

// main() waits before the load sequence; a loader never told of an application (QApplication
// failed) or never waited for ends all the same: none of these may throw or hang.
TEST(FontConfigurationLoader, EndsWhetherOrNotItWasToldOrWaitedFor)
{
    {
        FontConfigurationLoader loader;
        loader.applicationReady();
        loader.wait();
        loader.wait();
        loader.applicationReady();
    }
    {
        FontConfigurationLoader noApplication;
        noApplication.wait();
    }
    {
        FontConfigurationLoader unwaited;
        unwaited.applicationReady();
    }
    {
        FontConfigurationLoader untold;
    }
}
