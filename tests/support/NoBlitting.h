#pragma once

#include "gui/RepaintQueue.h"

namespace orebell::test {

// Queues paint what they hold, none copied by a blitter, for one test: to see a wake-up's area in a
// paint event, or how the queue schedules Qt's paints. The copy is back on however the test ends, so
// a failed assertion leaves the tests after it with the copy they expect.
class NoBlitting {
public:
    NoBlitting() { RepaintQueue::setBlitting(false); }
    ~NoBlitting() { RepaintQueue::setBlitting(true); }
    NoBlitting(const NoBlitting&) = delete;
    NoBlitting& operator=(const NoBlitting&) = delete;
};

} // namespace orebell::test
