#include "platform/RealPlatform.h"
#include "platform/WindowFont.h"
#include "toolkit/Form.h"

#include <QApplication>
#include <QDir>
#include <QFontMetrics>
#include <QTime>

#include <gtest/gtest.h>

#include <cmath>

using namespace orebell;

namespace {

TEST(RealPlatform, AnEndAskedForBeforeTheEventLoopRunsIsNotLost)
{
    RealPlatform platform;
    EXPECT_FALSE(platform.endRequested());
    platform.endProgram(); // a failed load asks before exec()
    EXPECT_TRUE(platform.endRequested());
    EXPECT_EQ(QApplication::exec(), 0); // the queued quit ends the loop it finds
}

TEST(RealPlatform, WithoutAnXDisplayGlobalKeysSayWhyAndGrabNothing)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "Windows registers its keys with the system, display or not (tests/windows)";
#endif
    RealPlatform platform; // the tests run on the offscreen platform
    GlobalKeys& keys = platform.globalKeys();
    EXPECT_TRUE(keys.unavailable().contains(QStringLiteral("offscreen"))) << keys.unavailable().toStdString();
    bool pressed = false;
    const QList<GlobalKeys::Failure> failures =
        keys.grab({QStringLiteral("Ctrl+Alt+1"), QStringLiteral("Ctrl+Alt+8")},
                  [&](const QString&) { pressed = true; });
    ASSERT_EQ(failures.size(), 2);
    EXPECT_EQ(failures[1].sequence, QStringLiteral("Ctrl+Alt+8"));
    EXPECT_EQ(failures[1].why, keys.unavailable());
    EXPECT_FALSE(pressed);
}

TEST(RealPlatform, TextWidthsAreTheWindowFontsInTwips)
{
    RealPlatform platform;
    Desktop& desktop = platform.desktop();
    const QString ore = QStringLiteral("Concentrated Veldspar  ");
    const int width = desktop.textWidth(ore);
    EXPECT_EQ(width, QFontMetrics(windowFont()).horizontalAdvance(ore) * 15);
    EXPECT_EQ(width % 15, 0);
    EXPECT_GT(width, desktop.textWidth(QStringLiteral("R/Units  ")));
    EXPECT_EQ(desktop.textWidth(QString()), 0);
}

TEST(RealPlatform, AlwaysOnTopIsTheFormsToShow)
{
    RealPlatform platform;
    Form form(QStringLiteral("frmOrebell"));
    EXPECT_NE(platform.desktop().setAlwaysOnTop(form, true), 0);
    EXPECT_TRUE(form.onTop());
    EXPECT_EQ(platform.desktop().setAlwaysOnTop(form, false), 0);
    EXPECT_FALSE(form.onTop());
}

TEST(RealPlatform, ClockFolderNameAndVersion)
{
    RealPlatform platform;
    const double now = QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
    const double seen = platform.clock().timeOfDay();
    EXPECT_GE(seen, 0.0);
    EXPECT_LT(seen, 86400.0);
    EXPECT_LT(std::fabs(seen - now), 5.0); // single precision: within a few seconds near midnight too
    EXPECT_EQ(platform.programFolder(), QDir::toNativeSeparators(QApplication::applicationDirPath()));
    EXPECT_FALSE(platform.programFolder().endsWith(QDir::separator()));
    EXPECT_EQ(platform.programFileName(), QStringLiteral("test_platform"));
    const ProgramVersion v = platform.version();
    EXPECT_EQ(v.major, 1);
    EXPECT_EQ(v.minor, 2);
    EXPECT_EQ(v.revision, 8);
}

} // namespace
