#pragma once

#include <QString>

#include <functional>

namespace orebell {

// What the environment says about the displays, read just before QApplication starts.
struct DisplayFacts {
    QString plugin;              // QT_QPA_PLATFORM, empty when Qt chooses
    bool x11Display = false;     // DISPLAY set
    bool waylandDisplay = false; // WAYLAND_DISPLAY set
};

DisplayFacts readDisplayFacts();

// The message when Qt's platform plugin cannot open a display: what went wrong and what to do
// that works on this session.
QString missingDisplayMessage(const DisplayFacts& facts);

// Why a native Wayland window has no global keys, and what gives them: XWayland when the
// session offers it (xDisplay), else turning it on in the desktop.
QString nativeWaylandAdvice(bool xDisplay);

// For as long as it lives, a failure of QApplication to open its display prints
// missingDisplayMessage() on stderr and ends the process with status 1, instead of Qt's abort.
class MissingDisplayExit {
public:
    // `beforeExit` undoes what the program did before QApplication (its single-copy lock).
    explicit MissingDisplayExit(std::function<void()> beforeExit = {});
    ~MissingDisplayExit();
    MissingDisplayExit(const MissingDisplayExit&) = delete;
    MissingDisplayExit& operator=(const MissingDisplayExit&) = delete;
};

} // namespace orebell
