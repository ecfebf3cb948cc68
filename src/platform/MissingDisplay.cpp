#include "platform/MissingDisplay.h"

#include <cstdio>
#include <cstdlib>

namespace orebell {

DisplayFacts readDisplayFacts()
{
    DisplayFacts facts;
    facts.plugin = qEnvironmentVariable("QT_QPA_PLATFORM").section(QLatin1Char(':'), 0, 0);
    facts.x11Display = !qEnvironmentVariableIsEmpty("DISPLAY");
    facts.waylandDisplay = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    return facts;
}

QString missingDisplayMessage(const DisplayFacts& facts)
{
    const QString head = QStringLiteral("Orebell: cannot open its window: ");
    const bool xcb = facts.plugin == QLatin1String("xcb");
    const bool wayland = facts.plugin == QLatin1String("wayland");
    if (!facts.x11Display && !facts.waylandDisplay)
        return head + QStringLiteral("there is no display (neither DISPLAY nor WAYLAND_DISPLAY is set). "
                                     "Start it from a desktop session, or under xvfb-run for a window "
                                     "nobody sees.");
    if (xcb && !facts.x11Display)
        return head + QStringLiteral("QT_QPA_PLATFORM=xcb needs an X display (XWayland on a Wayland "
                                     "session) and DISPLAY is not set. Start it without QT_QPA_PLATFORM "
                                     "to run it natively on this Wayland session, or turn XWayland on "
                                     "in the desktop and start it from there.");
    if (wayland && !facts.waylandDisplay)
        return head + QStringLiteral("QT_QPA_PLATFORM=wayland needs a Wayland session and "
                                     "WAYLAND_DISPLAY is not set. Start it without QT_QPA_PLATFORM.");
    const QString plugin = facts.plugin.isEmpty() ? QStringLiteral("the default") : facts.plugin;
    return head + QStringLiteral("Qt's %1 platform could not reach the display (DISPLAY=\"%2\", "
                                 "WAYLAND_DISPLAY=\"%3\"). Check that the display is running and "
                                 "that this user may use it, or start it without QT_QPA_PLATFORM.")
                      .arg(plugin, qEnvironmentVariable("DISPLAY"), qEnvironmentVariable("WAYLAND_DISPLAY"));
}

QString nativeWaylandAdvice(bool xDisplay)
{
    const QString head = QStringLiteral("global keys cannot be grabbed on a native Wayland session; ");
    if (xDisplay)
        return head + QStringLiteral("start Orebell without QT_QPA_PLATFORM (it then runs through "
                                     "XWayland, DISPLAY=\"%1\") to use them")
                          .arg(qEnvironmentVariable("DISPLAY"));
    return head + QStringLiteral("they need XWayland, which this session does not offer (DISPLAY is not "
                                 "set): turn XWayland on in the desktop's settings, then start Orebell "
                                 "without QT_QPA_PLATFORM");
}

namespace {

QtMessageHandler previousHandler = nullptr;
std::function<void()> cleanUp;

void exitOnFatal(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type != QtFatalMsg) {
        if (previousHandler)
            previousHandler(type, context, text);
        return;
    }
    // Qt's own text blames the installation; the display is what failed.
    std::fprintf(stderr, "%s\n", qPrintable(missingDisplayMessage(readDisplayFacts())));
    std::fflush(stderr);
    if (cleanUp)
        cleanUp();
    std::_Exit(1);
}

} // namespace

MissingDisplayExit::MissingDisplayExit(std::function<void()> beforeExit)
{
    cleanUp = std::move(beforeExit);
    previousHandler = qInstallMessageHandler(exitOnFatal);
}

MissingDisplayExit::~MissingDisplayExit()
{
    qInstallMessageHandler(previousHandler);
    previousHandler = nullptr;
    cleanUp = nullptr;
}

} // namespace orebell
