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

// Set while paintAll paints: a paint event that turns the event loop must not start a second paint
// of the same window from inside the first (Qt drops a recursive repaint, and its region with it).
bool painting = false;

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

QRegion RepaintQueue::take()
{
    queued_ = false;
    QRegion region;
    region.swap(region_);
    // A hidden widget is painted whole when it shows again; Qt keeps what a shown window that is
    // minimised or not yet exposed has to paint, and paints it at its next expose.
    if (!host_.isVisible())
        return {};
    return region;
}

void RepaintQueue::paintAll()
{
    if (painting)
        return; // the paint under way takes what is queued meanwhile
    painting = true;
    struct Done {
        ~Done() { painting = false; }
    } done;
    std::vector<RepaintQueue*>& all = queued();
    while (!all.empty()) {
        RepaintQueue* q = all.back();
        all.pop_back();
        const QRegion region = q->take();
        if (region.isEmpty())
            continue;
        // Each window is painted at once by the last of its queues, and with it whatever the others
        // marked: one paint and one frame per window. (Widgets a window paints again are drawn
        // without their opaque children, so one region for the whole window would leave its panels
        // out.)
        QWidget* window = q->host_.window();
        const bool paintedLater = std::any_of(all.begin(), all.end(), [window](const RepaintQueue* other) {
            return other->host_.window() == window && other->host_.isVisible();
        });
        if (paintedLater)
            q->host_.update(region);
        else
            q->host_.repaint(region);
    }
}

} // namespace orebell
