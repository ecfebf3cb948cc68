#pragma once

#include <QString>

namespace orebell {

// What decides the Qt platform plugin, read from the environment before QApplication exists.
struct SessionFacts {
    bool platformChosen = false; // QT_QPA_PLATFORM set, or -platform given
    bool waylandSession = false; // XDG_SESSION_TYPE=wayland or WAYLAND_DISPLAY set
    bool x11Display = false;     // DISPLAY set: XWayland (or X11) is there to connect to
    bool xcbPlugin = false;      // Qt's xcb plugin is installed
    bool waylandPlugin = false;  // Qt's wayland plugin is installed
};

struct PlatformChoice {
    QString plugin; // empty: leave the choice to Qt
    QString notice; // said once on stderr when not empty
};

// On a Wayland session the window goes through XWayland when the user has not chosen: only
// there can it stay above a full-screen game and come back where it was left.
PlatformChoice choosePlatform(const SessionFacts& facts);

SessionFacts readSessionFacts(bool platformOption);

// Reads the session, sets QT_QPA_PLATFORM when a choice is made and prints its notice.
void applySessionPlatform(bool platformOption);

// Has Qt's xcb plugin send the window's frames over the X socket instead of through shared memory
// (QT_XCB_NO_MITSHM), unless the user has set that variable: call before QApplication.
void sendFramesOverSocket();

} // namespace orebell
