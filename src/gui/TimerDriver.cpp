#include "gui/TimerDriver.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace orebell {

TimerScheduler::TimerScheduler(Form& form, const MonotonicClock& clock) : form_(&form), clock_(clock)
{
    const double now = clock_.nowMs();
    for (const auto& c : form.controls()) {
        if (c->kind() != ControlKind::Timer)
            continue;
        entries_.push_back(Entry{c.get()});
        arm(entries_.back(), now);
    }
    subscription_ = form.subscribe(
        [this, alive = alive_](Control& c, Prop) {
            if (!*alive || c.kind() != ControlKind::Timer)
                return;
            if (Entry* e = find(c)) {
                arm(*e, clock_.nowMs());
                if (changed_)
                    changed_();
            }
        },
        {Prop::Enabled, Prop::Interval});
    form.onDueTicks([this, alive = alive_](bool atExit) {
        if (*alive)
            tickAllDue(atExit ? InsideHandlers::Too : InsideHandlers::Never);
    });
}

TimerScheduler::~TimerScheduler()
{
    *alive_ = false;
    if (form_) {
        form_->unsubscribe(subscription_);
        form_->onDueTicks({});
    }
}

void TimerScheduler::detach()
{
    *alive_ = false;
    form_ = nullptr; // the form is going away: no unsubscribing from it either
    entries_.clear();
    changed_ = nullptr;
}

void TimerScheduler::arm(Entry& e, double now)
{
    const Control& t = *e.timer;
    e.period = t.period() > 0 ? t.period() : t.interval();
    e.running = t.enabled() && t.interval() > 0 && e.period > 0;
    e.start = now;
    e.next = 1;
}

TimerScheduler::Entry* TimerScheduler::find(const Control& timer)
{
    auto it =
        std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.timer == &timer; });
    return it == entries_.end() ? nullptr : &*it;
}

int TimerScheduler::tickDue()
{
    if (HandlerGate::busy())
        return 0;
    const double now = clock_.nowMs();
    // Kept between calls: a wake-up allocates nothing here. No tick runs inside a handler, so
    // the list is not in use twice.
    std::vector<Due>& due = due_;
    due.clear();
    for (const Entry& e : entries_)
        if (e.running && e.due() <= now)
            due.push_back({e.due(), e.timer});
    // Insertion sort: a few timers, mostly in order already, and std::stable_sort takes a buffer.
    for (std::size_t i = 1; i < due.size(); ++i)
        for (std::size_t j = i; j > 0 && due[j].at < due[j - 1].at; --j)
            std::swap(due[j], due[j - 1]);
    int delivered = 0;
    for (const Due& d : due) {
        // An earlier handler may have stopped or restarted this timer.
        Entry* e = find(*d.timer);
        if (!e || !e->running || e->due() > now)
            continue;
        deliver(*e, now);
        ++delivered;
    }
    return delivered;
}

int TimerScheduler::tickAllDue(InsideHandlers inside)
{
    if (HandlerGate::busy() && inside == InsideHandlers::Never)
        return 0;
    // Up to this moment only: a tick that falls due while the others run is left to its wake-up.
    const double by = clock_.nowMs();
    int delivered = 0;
    for (;;) {
        Entry* first = nullptr;
        for (Entry& e : entries_)
            if (e.running && e.due() <= by && (!first || e.due() < first->due()))
                first = &e;
        if (!first)
            return delivered;
        deliver(*first, by);
        ++delivered;
    }
}

void TimerScheduler::deliver(Entry& e, double now)
{
    if (tickObserver_)
        tickObserver_(*e.timer, clock_.nowMs() - e.due());
    if (now - e.due() > MaxCatchUpMs) // slept: go on from the first grid point after now
        e.next = static_cast<long long>(std::floor((now - e.start) / e.period)) + 1;
    else
        ++e.next;
    ++e.delivered;
    Control* timer = e.timer; // the handler may re-arm entries; the pointer stays valid
    HandlerGate gate;
    try {
        timer->fire();
    } catch (const std::exception& ex) {
        if (failureSink_)
            failureSink_(ex);
    }
}

std::optional<double> TimerScheduler::msUntilNext() const
{
    const double now = clock_.nowMs();
    std::optional<double> best;
    for (const Entry& e : entries_) {
        if (!e.running)
            continue;
        const double wait = std::max(0.0, e.due() - now);
        if (!best || wait < *best)
            best = wait;
    }
    return best;
}

std::optional<double> TimerScheduler::msUntilWake(double slackMs) const
{
    const double now = clock_.nowMs();
    std::optional<double> first;
    for (const Entry& e : entries_)
        if (e.running && (!first || e.due() < *first))
            first = e.due();
    if (!first)
        return first;
    // The wake-up comes at the last tick due within the slack of the first, never later.
    double wake = *first;
    for (const Entry& e : entries_)
        if (e.running && e.due() <= *first + slackMs)
            wake = std::max(wake, e.due());
    return std::max(0.0, wake - now);
}

long long TimerScheduler::delivered(const Control& timer) const
{
    for (const Entry& e : entries_)
        if (e.timer == &timer)
            return e.delivered;
    return 0;
}

TimerDriver::TimerDriver(Form& form, const MonotonicClock* clock, QObject* parent)
    : QObject(parent), scheduler_(form, clock ? *clock : ownClock_)
{
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &TimerDriver::wake);
    scheduler_.setChangedCallback([this] { reschedule(); });
    reschedule();
}

TimerDriver::~TimerDriver() { std::erase(waitingForGate_, this); }

HandlerGate::~HandlerGate()
{
    if (--depth_ == 0)
        TimerDriver::gateOpened();
}

void TimerDriver::gateOpened()
{
    // A driver rescheduled here may, in turn, be asked again: take the list first.
    const std::vector<TimerDriver*> waiting = std::exchange(waitingForGate_, {});
    for (TimerDriver* driver : waiting)
        driver->reschedule();
}

void TimerDriver::wake()
{
    scheduler_.tickDue();
    reschedule();
}

void TimerDriver::reschedule()
{
    // Inside a handler nothing may tick: the wake-up is set when the gate opens again, at the
    // due time, rather than polled for.
    if (HandlerGate::busy()) {
        timer_.stop();
        if (std::find(waitingForGate_.begin(), waitingForGate_.end(), this) == waitingForGate_.end())
            waitingForGate_.push_back(this);
        return;
    }
    const auto wait = scheduler_.msUntilWake();
    if (!wait) {
        timer_.stop();
        return;
    }
    timer_.start(static_cast<int>(std::ceil(*wait)));
}

} // namespace orebell
