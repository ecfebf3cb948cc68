#include "gui/RepaintQueue.h"

#include <QAbstractEventDispatcher>
#include <QBackingStore>
#include <QChildEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cmath>
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

bool blitting = true;

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

// The widgets that draw over a widget's own paint (its children, and what its ancestors hold
// beside it: taken as above it whatever their order), and the part of it its ancestors show; both in
// its coordinates. `watched` gets every widget whose place or visibility decides them: the widget,
// its ancestors and their children.
void stacking(QWidget& host, QRect& visible, std::vector<QRect>& above, std::vector<QWidget*>& watched)
{
    visible = host.rect();
    above.clear();
    watched.clear();
    QPoint origin; // the host's top left in the level's coordinates
    const QWidget* passedBy = nullptr;
    for (QWidget* level = &host;;) {
        watched.push_back(level);
        for (QObject* child : level->children()) {
            if (child == passedBy || !child->isWidgetType())
                continue;
            auto* w = static_cast<QWidget*>(child);
            watched.push_back(w);
            if (w->isWindow() || !w->isVisible())
                continue;
            const QRect r = w->geometry().translated(-origin);
            if (r.intersects(visible))
                above.push_back(r);
        }
        if (level->isWindow())
            return;
        origin += level->pos();
        passedBy = level;
        level = level->parentWidget();
        visible &= level->rect().translated(-origin);
    }
}

// A backing store the blitters can write: a plain 32-bit image at a whole device pixel ratio.
bool writable(const QImage& image)
{
    const QImage::Format f = image.format();
    const qreal ratio = image.devicePixelRatio();
    return (f == QImage::Format_RGB32 || f == QImage::Format_ARGB32 ||
            f == QImage::Format_ARGB32_Premultiplied) &&
           ratio >= 1 && ratio == std::floor(ratio);
}

} // namespace

// Tells when the host's stacking may have changed: a watched widget moved, resized, showed, hid or
// changed parent, or a widget came to or left one of them. Wake-ups in between reuse it.
class RepaintQueue::Watch : public QObject {
public:
    bool stale = true;

    void watch(const std::vector<QWidget*>& widgets)
    {
        for (const QPointer<QWidget>& w : watched_)
            if (w)
                w->removeEventFilter(this);
        watched_.assign(widgets.begin(), widgets.end());
        for (QWidget* w : widgets)
            w->installEventFilter(this);
        stale = false;
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::ParentChange:
            stale = true;
            break;
        case QEvent::ChildAdded:
        case QEvent::ChildRemoved:
            if (static_cast<QChildEvent*>(event)->child()->isWidgetType())
                stale = true;
            break;
        default:
            break;
        }
        return false;
    }

private:
    std::vector<QPointer<QWidget>> watched_;
};

RepaintQueue::RepaintQueue(QWidget& host) : host_(host) {}

RepaintQueue::~RepaintQueue()
{
    if (queued_)
        std::erase(queued(), this);
}

void RepaintQueue::setBlitting(bool on) { blitting = on; }

void RepaintQueue::enqueue(const QRect& r)
{
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

void RepaintQueue::add(const QRect& r)
{
    if (r.isEmpty())
        return;
    untagged_ = true;
    enqueue(r);
}

void RepaintQueue::addBlit(const QRect& r, const void* tag)
{
    if (r.isEmpty())
        return;
    enqueue(r);
    if (!queued_)
        return; // gone to update()
    // One rectangle a tag: a caption changed twice before a paint is written once, as it is now.
    const auto same =
        std::find_if(blits_.rbegin(), blits_.rend(), [tag](const auto& b) { return b.second == tag; });
    if (same != blits_.rend())
        same->first |= r;
    else
        blits_.emplace_back(r, tag);
}

QRegion RepaintQueue::take()
{
    queued_ = false;
    untagged_ = false;
    blits_.clear();
    QRegion region;
    region.swap(region_);
    // A hidden widget is painted whole when it shows again; Qt keeps what a shown window that is
    // minimised or not yet exposed has to paint, and paints it at its next expose.
    if (!host_.isVisible())
        return {};
    return region;
}

void RepaintQueue::blitInto(const BlitTarget& target, QRegion& written)
{
    QRegion left;
    for (const auto& [r, tag] : blits_)
        if (!blitter_->blit(target, r, tag))
            left += r;
    blits_.clear();
    written += region_.translated(target.offset / target.ratio);
    region_.swap(left);
}

void RepaintQueue::restack()
{
    if (!watch_)
        watch_ = std::make_unique<Watch>();
    if (!watch_->stale)
        return;
    static std::vector<QRect> above;
    static std::vector<QWidget*> watched;
    stacking(host_, visible_, above, watched);
    watch_->watch(watched);
    if (above != above_) {
        above_.swap(above);
        ++aboveGeneration_;
    }
}

void RepaintQueue::blitAll()
{
    // Every queue of a window whose rectangles are all tagged goes into one begin, end and flush of
    // the window's backing store; anything a blitter declines stays queued for Qt's paint.
    std::vector<RepaintQueue*>& all = queued();
    const auto blittable = [](const RepaintQueue* q) {
        return q->blitter_ && !q->untagged_ && !q->blits_.empty() && q->host_.isVisible();
    };
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (!blittable(all[i]))
            continue;
        QWidget* window = all[i]->host_.window();
        if (std::any_of(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(i),
                        [&](const RepaintQueue* q) { return blittable(q) && q->host_.window() == window; }))
            continue; // done with the first of its window's queues
        QBackingStore* store = window->backingStore();
        const QWindow* handle = window->windowHandle();
        if (!store || !handle || !handle->isExposed() || window->isMinimized() ||
            window->testAttribute(Qt::WA_TranslucentBackground))
            continue;
        QRegion region;
        for (std::size_t j = i; j < all.size(); ++j)
            if (blittable(all[j]) && all[j]->host_.window() == window)
                region += all[j]->region_.translated(all[j]->host_.mapTo(window, QPoint()));
        store->beginPaint(region);
        QPaintDevice* device = store->paintDevice();
        if (!device || device->devType() != QInternal::Image || !writable(*static_cast<QImage*>(device))) {
            store->endPaint();
            continue;
        }
        BlitTarget target;
        target.image = static_cast<QImage*>(device);
        target.ratio = static_cast<int>(target.image->devicePixelRatio());
        target.bits = target.image->bits();
        target.bytesPerLine = target.image->bytesPerLine();
        QRegion written;
        for (std::size_t j = i; j < all.size(); ++j) {
            RepaintQueue* q = all[j];
            if (!blittable(q) || q->host_.window() != window)
                continue;
            if (&q->host_ != window && q->host_.internalWinId()) {
                q->blits_.clear(); // a native child has a backing of its own
                continue;
            }
            target.offset = q->host_.mapTo(window, QPoint()) * target.ratio;
            q->restack();
            target.visible = q->visible_;
            target.above = &q->above_;
            target.aboveGeneration = q->aboveGeneration_;
            q->blitInto(target, written);
        }
        store->endPaint();
        if (!written.isEmpty())
            store->flush(written, window->windowHandle());
    }
    std::erase_if(all, [](RepaintQueue* q) {
        if (!q->region_.isEmpty())
            return false;
        q->queued_ = false;
        return true;
    });
}

void RepaintQueue::paintAll()
{
    if (painting)
        return; // the paint under way takes what is queued meanwhile
    painting = true;
    struct Done {
        ~Done() { painting = false; }
    } done;
    if (blitting)
        blitAll();
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
