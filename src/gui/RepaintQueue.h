#pragma once

#include <QImage>
#include <QRegion>

#include <memory>
#include <vector>

class QWidget;

namespace orebell {

// What one widget has left to repaint, gathered while the event loop is busy and painted when it
// next turns (as it is about to sleep, or as processEvents starts, nested loops included): every
// caption a timer wake-up changes goes out in one synchronous paint and one frame per window,
// with no event posted to wake the loop a second time. Without an event loop to wait for, a
// rectangle goes to update().
//
// A rectangle added with a tag may instead be copied straight into the window's backing store by
// the widget's Blitter, with no paint event: Qt paints whatever the blitter declines.
class RepaintQueue {
public:
    // Where a blitter writes: the window's backing store, seen from the queue's widget.
    struct BlitTarget {
        QImage* image = nullptr; // device pixels, RGB32 or (A)RGB32
        uchar* bits = nullptr;   // the image's, detached once
        qsizetype bytesPerLine = 0;
        int ratio = 1; // device pixels to a widget pixel
        QPoint offset; // the widget's top left in the image, device pixels
        QRect visible; // the part of the widget its ancestors show, widget coordinates
        const std::vector<QRect>* above = nullptr; // widgets drawn over the widget's own paint
        int aboveGeneration = 0;                   // changes when `above` does
    };
    class Blitter {
    public:
        // Writes what the widget's paint event would draw in `area` (widget coordinates), or
        // nothing and false.
        virtual bool blit(const BlitTarget& target, const QRect& area, const void* tag) = 0;

    protected:
        ~Blitter() = default;
    };

    explicit RepaintQueue(QWidget& host);
    ~RepaintQueue();
    RepaintQueue(const RepaintQueue&) = delete;
    RepaintQueue& operator=(const RepaintQueue&) = delete;

    void setBlitter(Blitter* blitter) { blitter_ = blitter; }
    void add(const QRect& r);
    // A rectangle the blitter may write itself; the tag tells it what is there.
    void addBlit(const QRect& r, const void* tag);
    bool pending() const { return queued_; }
    // Paints what every queue holds; the event loop calls it as it turns.
    static void paintAll();
    // Whether queues may hand rectangles to their blitters (on unless switched off, to compare).
    static void setBlitting(bool on);

private:
    void enqueue(const QRect& r);
    // The queued region, emptied; nothing for a hidden widget.
    QRegion take();
    static void blitAll();
    // Blits this queue's tagged rectangles; what is left for Qt stays queued.
    void blitInto(const BlitTarget& target, QRegion& written);
    // What lies over the host and what of it shows, found again only after a widget that decides
    // them moved, resized, showed, hid, came or went.
    void restack();
    class Watch;

    QWidget& host_;
    Blitter* blitter_ = nullptr;
    QRegion region_;
    std::vector<std::pair<QRect, const void*>> blits_;
    std::unique_ptr<Watch> watch_; // made at the first blit
    QRect visible_;
    std::vector<QRect> above_; // as last seen, and how many times it changed
    int aboveGeneration_ = 0;
    bool untagged_ = false; // something queued that only Qt paints
    bool queued_ = false;
};

} // namespace orebell
