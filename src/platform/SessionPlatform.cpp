#include "platform/SessionPlatform.h"

#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>

#include <cstdio>

namespace orebell {

PlatformChoice choosePlatform(const SessionFacts& facts)
{
    if (facts.platformChosen || !facts.waylandSession)
        return {};
    if (facts.xcbPlugin && facts.x11Display) {
        return {QStringLiteral("xcb"),
                QStringLiteral("Orebell: Wayland session, running through XWayland (QT_QPA_PLATFORM=xcb) "
                               "so that the window stays on top and keeps its place. "
                               "QT_QPA_PLATFORM=wayland runs it natively.")};
    }
    // Without an X server to reach, Qt's built-in default (xcb) would only fail.
    if (facts.waylandPlugin)
        return {QStringLiteral("wayland"), QString()};
    return {};
}

namespace {

bool pluginInstalled(const QString& stem)
{
    QStringList folders;
    for (const QString& path :
         qEnvironmentVariable("QT_PLUGIN_PATH").split(QLatin1Char(':'), Qt::SkipEmptyParts))
        folders << path;
    folders << QLibraryInfo::path(QLibraryInfo::PluginsPath);
    for (const QString& folder : folders) {
        const QDir platforms(folder + QStringLiteral("/platforms"));
        if (!platforms.entryList({QStringLiteral("libq%1*.so").arg(stem)}, QDir::Files).isEmpty())
            return true;
    }
    return false;
}

} // namespace

SessionFacts readSessionFacts(bool platformOption)
{
    SessionFacts facts;
    facts.platformChosen = platformOption || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
    facts.waylandSession = qEnvironmentVariable("XDG_SESSION_TYPE") == QStringLiteral("wayland") ||
                           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    facts.x11Display = !qEnvironmentVariableIsEmpty("DISPLAY");
    if (!facts.platformChosen && facts.waylandSession) {
        facts.xcbPlugin = pluginInstalled(QStringLiteral("xcb"));
        facts.waylandPlugin = pluginInstalled(QStringLiteral("wayland"));
    }
    return facts;
}

void applySessionPlatform(bool platformOption)
{
    const PlatformChoice choice = choosePlatform(readSessionFacts(platformOption));
    if (choice.plugin.isEmpty())
        return;
    qputenv("QT_QPA_PLATFORM", choice.plugin.toLocal8Bit());
    if (!choice.notice.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(choice.notice));
}

void sendFramesOverSocket()
{
    // A frame here is a few changed numbers. Through shared memory each one costs a completion
    // event from the X server, which wakes Qt's xcb thread, then the GUI thread, and the next
    // paint waits for it: a third of the wake-ups at 1/16 s. A small image written to the socket
    // costs one write and no answer. Qt only asks whether the variable is set.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
}

} // namespace orebell
