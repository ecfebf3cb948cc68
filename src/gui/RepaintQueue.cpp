#include "gui/RepaintQueue.h"

#include <QAbstractEventDispatcher>
#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace orebell {

namespace {

// The queues holding rectangles, in the order they first got one. Its capacity stays between
// turns of the loop: a wake-up allocates nothing here.
std::vector<RepaintQueue*>& queued()
{
    static std::vector<RepaintQueue*> all;
    return all;
}

// Whether the thread's event loop will call paintAll() as it turns; hooks it up the first time
// (and again for a new application's dispatcher).
bool hookedToEventLoop()
{
    static QPointer<QAbstractEventDispatcher> hooked;
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    if (!dispatcher)
        return false;
    if (hooked != dispatcher) {
        hooked = dispatcher;
        QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, &RepaintQueue::paintAll);
        QObject::connect(dispatcher, &QAbstractEventDispatcher::awake, &RepaintQueue::paintAll);
    }
    return true;
}

} // namespace

RepaintQueue::~RepaintQueue()
{
    if (queued_)
        std::erase(queued(), this);
}

void RepaintQueue::add(const QRect& r)
{
    if (r.isEmpty())
        return;
    if (!queued_) {
        if (!hookedToEventLoop()) {
            host_.update(r);
            return;
        }
        queued().push_back(this);
        queued_ = true;
    }
    region_ += r;
}

void RepaintQueue::paintAll()
{
    // The last queue paints at once, and with it whatever the others marked: one paint, one frame
    // for each window. A paint that queued more is taken in the same turn.
    std::vector<RepaintQueue*>& all = queued();
    while (!all.empty()) {
        RepaintQueue* q = all.back();
        all.pop_back();
        q->queued_ = false;
        QRegion region;
        region.swap(q->region_);
        if (all.empty())
            q->host_.repaint(region);
        else
            q->host_.update(region);
    }
}

} // namespace orebell
