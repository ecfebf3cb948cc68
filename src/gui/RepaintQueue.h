#pragma once

#include <QRegion>

class QWidget;

namespace orebell {

// What one widget has left to repaint, gathered while the event loop is busy and painted when it
// next turns (as it is about to sleep, or as processEvents starts, nested loops included): every
// caption a timer wake-up changes goes out in one synchronous paint and one frame per window,
// with no event posted to wake the loop a second time. Without an event loop to wait for, a
// rectangle goes to update().
class RepaintQueue {
public:
    explicit RepaintQueue(QWidget& host) : host_(host) {}
    ~RepaintQueue();
    RepaintQueue(const RepaintQueue&) = delete;
    RepaintQueue& operator=(const RepaintQueue&) = delete;

    void add(const QRect& r);
    bool pending() const { return queued_; }
    // Paints what every queue holds; the event loop calls it as it turns.
    static void paintAll();

private:
    // The queued region, emptied; nothing for a hidden widget.
    QRegion take();

    QWidget& host_;
    QRegion region_;
    bool queued_ = false;
};

} // namespace orebell
