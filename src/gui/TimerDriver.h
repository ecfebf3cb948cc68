#pragma once

#include "toolkit/Form.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace orebell {

// Milliseconds on a clock that never jumps (not the time of day).
class MonotonicClock {
public:
    virtual ~MonotonicClock() = default;
    virtual double nowMs() const = 0;
};

class ElapsedClock : public MonotonicClock {
public:
    ElapsedClock() { timer_.start(); }
    double nowMs() const override { return static_cast<double>(timer_.nsecsElapsed()) / 1e6; }

private:
    QElapsedTimer timer_;
};

// While one model handler runs (a tick, or a gesture the view delivers), no tick starts: a handler
// that opens a message box runs a nested event loop, and a second handler must not run inside it.
class HandlerGate {
public:
    HandlerGate() { ++depth_; }
    ~HandlerGate(); // the last one out wakes the timers that waited for it
    HandlerGate(const HandlerGate&) = delete;
    HandlerGate& operator=(const HandlerGate&) = delete;
    static bool busy() { return depth_ > 0; }

private:
    static inline int depth_ = 0;
};

// The tick schedule of a form's interval timers, without any Qt timer: tick k of a running timer is
// due at start + k x period, where start is when it was last enabled or given a new interval or
// period. Every tick is delivered once, never early; a call delivers the due tick of every timer,
// one after another, at most one per timer, so ticks that fell due during a stall (a message box, a
// busy machine) follow one per timer per call and the count of ticks keeps up with the clock
// without a burst. A stall longer than MaxCatchUpMs (the machine slept) is not made up: the late
// tick is delivered once and the schedule goes on from the next grid point.
//
// While it lives, the form's runDueTicks() runs every tick already due (tickAllDue), so that a
// gesture or an exit acts after them.
class TimerScheduler {
public:
    // Reports a failure that escaped a tick handler; the schedule goes on.
    using FailureSink = std::function<void(const std::exception&)>;
    // Told of every tick as it is delivered: how late it starts behind its grid point (ms).
    using TickObserver = std::function<void(const Control& timer, double lateMs)>;

    TimerScheduler(Form& form, const MonotonicClock& clock);
    ~TimerScheduler();
    TimerScheduler(const TimerScheduler&) = delete;
    TimerScheduler& operator=(const TimerScheduler&) = delete;

    void setFailureSink(FailureSink sink) { failureSink_ = std::move(sink); }
    void setTickObserver(TickObserver observer) { tickObserver_ = std::move(observer); }
    // Called when the schedule changed (a timer started, stopped or got a new period).
    void setChangedCallback(std::function<void()> cb) { changed_ = std::move(cb); }

    static constexpr double MaxCatchUpMs = 30000;
    // How far apart ticks may be due and still share a wake-up: the later one waits for the
    // earlier no more than a system timer's own slack. Each timer's ticks are due at their own
    // times, whatever the other timers' phases.
    static constexpr double SlackMs = 4;

    // Delivers the tick due at the clock's now of every timer, the most overdue first, each timer
    // at most one; returns how many ran.
    int tickDue();
    // Delivers every tick due by now, every timer's in the order they fell due, however many
    // each; returns how many ran. Inside a handler none runs, unless the session is ending.
    enum class InsideHandlers { Never, Too };
    int tickAllDue(InsideHandlers inside = InsideHandlers::Never);
    // Milliseconds from now until the earliest due tick (0 when one is due); empty when none runs.
    std::optional<double> msUntilNext() const;
    // Milliseconds from now until a wake-up that delivers the earliest due tick together with every
    // tick due at most slackMs after it (0 when that is already due); empty when none runs.
    std::optional<double> msUntilWake(double slackMs) const;
    std::optional<double> msUntilWake() const { return msUntilWake(SlackMs); }
    // The number of ticks delivered so far to a timer (for tests and diagnostics).
    long long delivered(const Control& timer) const;
    // Stops watching the form (it is going away).
    void detach();

private:
    struct Entry {
        Control* timer = nullptr;
        bool running = false;
        double start = 0;
        double period = 0;
        long long next = 1; // index of the next due tick
        long long delivered = 0;
        double due() const { return start + static_cast<double>(next) * period; }
    };
    void arm(Entry& e, double now);
    void deliver(Entry& e, double now);
    Entry* find(const Control& timer);

    struct Due {
        double at;
        Control* timer;
    };

    Form* form_;
    const MonotonicClock& clock_;
    std::vector<Entry> entries_;
    std::vector<Due> due_;
    int subscription_ = 0;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true); // read by the form's observer
    FailureSink failureSink_;
    TickObserver tickObserver_;
    std::function<void()> changed_;
};

// Drives a form's timers from the Qt event loop with a precise single-shot timer. A wake-up comes
// at the earliest due tick and delivers with it the ticks due within SlackMs after it (lasers
// started together), so the window repaints once for them; a timer started at another moment (a
// laser clicked later, a jet can) gets wake-ups of its own, on time. Other events run between
// wake-ups.
class TimerDriver : public QObject {
    Q_OBJECT
public:
    // clock: null for the system's monotonic clock.
    explicit TimerDriver(Form& form, const MonotonicClock* clock = nullptr, QObject* parent = nullptr);
    ~TimerDriver() override;

    static constexpr double SlackMs = TimerScheduler::SlackMs;

    TimerScheduler& scheduler() { return scheduler_; }
    void detach() { scheduler_.detach(); }
    // Milliseconds until the next wake-up; empty when none is set (for tests and diagnostics).
    std::optional<int> msUntilWakeUp() const
    {
        return timer_.isActive() ? std::optional<int>(timer_.remainingTime()) : std::nullopt;
    }

    // The handler gate opened: drivers asked to reschedule while it was held do so now.
    static void gateOpened();

private:
    void wake();
    void reschedule();

    static inline std::vector<TimerDriver*> waitingForGate_;
    ElapsedClock ownClock_;
    TimerScheduler scheduler_;
    QTimer timer_;
};

} // namespace orebell
