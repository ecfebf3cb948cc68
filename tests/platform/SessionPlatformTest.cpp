#include "platform/SessionPlatform.h"

#include <gtest/gtest.h>

using namespace orebell;

namespace {

SessionFacts waylandSession()
{
    SessionFacts facts;
    facts.waylandSession = true;
    facts.x11Display = true;
    facts.xcbPlugin = true;
    facts.waylandPlugin = true;
    return facts;
}

} // namespace

TEST(SessionPlatform, WaylandSessionGoesThroughXWaylandAndSaysSo)
{
    const PlatformChoice choice = choosePlatform(waylandSession());
    EXPECT_EQ(choice.plugin, QStringLiteral("xcb"));
    EXPECT_TRUE(choice.notice.contains(QStringLiteral("XWayland")));
    EXPECT_TRUE(choice.notice.contains(QStringLiteral("QT_QPA_PLATFORM=wayland")));
}

TEST(SessionPlatform, TheUsersChoiceAndX11SessionsAreLeftAlone)
{
    SessionFacts chosen = waylandSession();
    chosen.platformChosen = true;
    EXPECT_TRUE(choosePlatform(chosen).plugin.isEmpty());
    EXPECT_TRUE(choosePlatform(chosen).notice.isEmpty());

    SessionFacts x11 = waylandSession();
    x11.waylandSession = false;
    EXPECT_TRUE(choosePlatform(x11).plugin.isEmpty());
}

TEST(SessionPlatform, WithoutAnXServerOrTheXcbPluginWaylandRunsNatively)
{
    SessionFacts noDisplay = waylandSession();
    noDisplay.x11Display = false;
    EXPECT_EQ(choosePlatform(noDisplay).plugin, QStringLiteral("wayland"));
    EXPECT_TRUE(choosePlatform(noDisplay).notice.isEmpty());

    SessionFacts noXcb = waylandSession();
    noXcb.xcbPlugin = false;
    EXPECT_EQ(choosePlatform(noXcb).plugin, QStringLiteral("wayland"));

    SessionFacts neither = noXcb;
    neither.waylandPlugin = false;
    EXPECT_TRUE(choosePlatform(neither).plugin.isEmpty());
}

TEST(SessionPlatform, ReadsTheSessionFromTheEnvironment)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "a Linux desktop's session and X11 plugin; Windows has one platform";
#endif
    const QByteArray saved[] = {qgetenv("QT_QPA_PLATFORM"), qgetenv("XDG_SESSION_TYPE"),
                                qgetenv("WAYLAND_DISPLAY")};
    qunsetenv("QT_QPA_PLATFORM");
    qunsetenv("XDG_SESSION_TYPE");
    qputenv("WAYLAND_DISPLAY", "wayland-7");
    const SessionFacts byDisplay = readSessionFacts(false);
    EXPECT_TRUE(byDisplay.waylandSession);
    EXPECT_FALSE(byDisplay.platformChosen);
    // Debian's Qt installs the xcb plugin with the base packages.
    EXPECT_TRUE(byDisplay.xcbPlugin);
    EXPECT_TRUE(readSessionFacts(true).platformChosen);

    qunsetenv("WAYLAND_DISPLAY");
    qputenv("XDG_SESSION_TYPE", "wayland");
    EXPECT_TRUE(readSessionFacts(false).waylandSession);
    qputenv("XDG_SESSION_TYPE", "x11");
    EXPECT_FALSE(readSessionFacts(false).waylandSession);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    EXPECT_TRUE(readSessionFacts(false).platformChosen);

    const char* names[] = {"QT_QPA_PLATFORM", "XDG_SESSION_TYPE", "WAYLAND_DISPLAY"};
    for (int i = 0; i < 3; ++i) {
        if (saved[i].isNull())
            qunsetenv(names[i]);
        else
            qputenv(names[i], saved[i]);
    }
}

TEST(SessionPlatform, FramesGoOverTheSocketUnlessTheUserSaidOtherwise)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "a Linux desktop's session and X11 plugin; Windows has one platform";
#endif
    const QByteArray saved = qgetenv("QT_XCB_NO_MITSHM");
    qunsetenv("QT_XCB_NO_MITSHM");
    sendFramesOverSocket();
    EXPECT_EQ(qgetenv("QT_XCB_NO_MITSHM"), QByteArray("1"));

    // Whatever the user set stays, even empty.
    for (const QByteArray& own : {QByteArray("0"), QByteArray("")}) {
        qputenv("QT_XCB_NO_MITSHM", own);
        sendFramesOverSocket();
        EXPECT_TRUE(qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"));
        EXPECT_EQ(qgetenv("QT_XCB_NO_MITSHM"), own);
    }

    if (saved.isNull())
        qunsetenv("QT_XCB_NO_MITSHM");
    else
        qputenv("QT_XCB_NO_MITSHM", saved);
}
