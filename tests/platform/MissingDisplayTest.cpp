#include "platform/MissingDisplay.h"

#include <gtest/gtest.h>

using namespace orebell;

// Each message names what is missing and advises only what can work on that session.
TEST(MissingDisplay, SaysWhatIsMissingAndWhatWorks)
{
    const QString none = missingDisplayMessage({});
    EXPECT_TRUE(none.contains(QStringLiteral("neither DISPLAY nor WAYLAND_DISPLAY")));
    EXPECT_FALSE(none.contains(QStringLiteral("QT_QPA_PLATFORM=xcb")));

    // The advice that used to lead here: xcb on a Wayland session without XWayland.
    const QString xcbOnWayland = missingDisplayMessage({QStringLiteral("xcb"), false, true});
    EXPECT_TRUE(xcbOnWayland.contains(QStringLiteral("DISPLAY is not set")));
    EXPECT_TRUE(xcbOnWayland.contains(QStringLiteral("without QT_QPA_PLATFORM")));

    const QString waylandOnX = missingDisplayMessage({QStringLiteral("wayland"), true, false});
    EXPECT_TRUE(waylandOnX.contains(QStringLiteral("WAYLAND_DISPLAY is not set")));

    const QString unreachable = missingDisplayMessage({QString(), true, false});
    EXPECT_TRUE(unreachable.contains(QStringLiteral("could not reach the display")));
    for (const QString& m : {none, xcbOnWayland, waylandOnX, unreachable})
        EXPECT_TRUE(m.startsWith(QStringLiteral("Orebell: cannot open its window: "))) << qPrintable(m);
}

TEST(MissingDisplay, NativeWaylandAdvisesXcbOnlyWhereThereIsAnXDisplay)
{
    EXPECT_TRUE(nativeWaylandAdvice(true).contains(QStringLiteral("through XWayland")));
    const QString noX = nativeWaylandAdvice(false);
    EXPECT_TRUE(noX.contains(QStringLiteral("does not offer")));
    EXPECT_FALSE(noX.contains(QStringLiteral("QT_QPA_PLATFORM=xcb")));
    EXPECT_TRUE(noX.startsWith(QStringLiteral("global keys cannot be grabbed on a native Wayland session")));
}
