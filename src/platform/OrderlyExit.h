#pragma once

#include "toolkit/Form.h"

#include <QObject>

#include <memory>

class QSocketNotifier;

namespace orebell {

struct Routines;

// Saves the session on every orderly way out, not only the close button: the application
// quitting, the desktop session ending, and SIGTERM, SIGINT or SIGHUP (a signal is turned into an
// event through a socket pair, then the session is saved, the window unloaded and the event loop
// ended). The save is the store's exit save, which writes once per exit however many of these
// announce it. A second signal before the first was handled ends the process at once.
//
// Install one, after the Program and before its event loop runs, for as long as the loop runs.
class OrderlyExit {
public:
    OrderlyExit(Form& main, Routines& routines);
    ~OrderlyExit();
    OrderlyExit(const OrderlyExit&) = delete;
    OrderlyExit& operator=(const OrderlyExit&) = delete;

    // True when this instance owns the signal handlers (only one instance can).
    bool handlesSignals() const { return notifier_ != nullptr; }

    // What each way out does; public so that the ways Qt announces can be driven directly.
    void saveBeforeQuit();   // application about to quit, desktop session saving its programs
    void terminateOrderly(); // a terminating signal arrived

private:
    void readSignal();

    Form& main_;
    Routines& routines_;
    QObject context_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace orebell
