#include "platform/FontConfiguration.h"
#include "platform/WindowFont.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QStringList>

#include <gtest/gtest.h>

using namespace orebell;

// The loader may run while Qt already uses fontconfig (here the test's application measured text
// first): reading the configuration again must leave the fonts Qt resolves as they were.
TEST(FontConfigurationLoader, LeavesTheFontsQtResolvesAsTheyWere)
{
    const QFont font = windowFont(8.25, true);
    const QString family = QFontInfo(font).family();
    const int width = QFontMetrics(font).horizontalAdvance(QStringLiteral("Concentrated Veldspar"));
    const QStringList families = QFontDatabase::families();
    ASSERT_FALSE(family.isEmpty());

    FontConfigurationLoader loader;
    loader.wait();

    EXPECT_EQ(QFontInfo(windowFont(8.25, true)).family(), family);
    EXPECT_EQ(QFontMetrics(windowFont(8.25, true)).horizontalAdvance(QStringLiteral("Concentrated Veldspar")),
              width);
    EXPECT_EQ(QFontDatabase::families(), families);
}

// main() waits before the load sequence, and the loader is destroyed on every way out of main,
// some of which never waited (a failed load returns early): neither may throw or hang.
TEST(FontConfigurationLoader, WaitsOnceAndEndsWhetherOrNotItWasWaitedFor)
{
    {
        FontConfigurationLoader loader;
        loader.wait();
        loader.wait();
    }
    {
        FontConfigurationLoader unwaited;
    }
}
