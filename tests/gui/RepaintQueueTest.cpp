#include "gui/RepaintQueue.h"

#include "gui/FormView.h"
#include "support/NoBlitting.h"

#include <QApplication>
#include <QEventLoop>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using namespace orebell;
using orebell::test::NoBlitting;

namespace {

// Counts a widget's paints and the update requests it is sent.
struct EventCounter : QObject {
    int paints = 0;
    int updateRequests = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        else if (event->type() == QEvent::UpdateRequest)
            ++updateRequests;
        return false;
    }
};

// A shown window of seven countdowns, with a panel of three more beside them.
struct Window {
    Form form{QStringLiteral("frmTest"), QStringLiteral(" Test")};
    std::vector<Control*> countdowns;
    Control* panel = nullptr;
    std::unique_ptr<FormView> view;
    EventCounter counter;

    explicit Window(int left = 1500)
    {
        form.move(left, 1500, 3000, 3000);
        for (int i = 0; i < 7; ++i) {
            Control& c = form.add(ControlKind::Label, QStringLiteral("lblCycleCountdown"), i);
            c.move(150, 150 + i * 300, 900, 255);
            c.setCaption(QStringLiteral("60.0"));
            countdowns.push_back(&c);
        }
        panel = &form.add(ControlKind::Frame, QStringLiteral("fraTimers"));
        panel->move(1500, 150, 1350, 1200);
        for (int i = 0; i < 3; ++i) {
            Control& c =
                form.add(ControlKind::Label, QStringLiteral("lblClockTimer"), i, QStringLiteral("fraTimers"));
            c.move(150, 150 + i * 300, 900, 255);
            c.setCaption(QStringLiteral("00:00"));
            countdowns.push_back(&c);
        }
        view = std::make_unique<FormView>(form);
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(view.get()));
        QApplication::processEvents();
        view->installEventFilter(&counter);
    }
    void tick(int n)
    {
        for (Control* c : countdowns)
            c->setCaption(QString::number(60 - n * 0.0625));
    }
    QImage onScreen() const { return view->screen()->grabWindow(view->winId()).toImage(); }
    // What the screen shows is what a fresh paint of the window gives.
    void expectUpToDate() const
    {
        const QImage fresh = view->grab().toImage();
        EXPECT_EQ(onScreen().convertToFormat(fresh.format()), fresh);
    }
};

} // namespace

// A wake-up's caption changes wait for the event loop's turn and then go out in one paint, sent
// at once: no update request is posted that would wake the loop a second time.
TEST(RepaintQueue, AWakeUpsChangesArePaintedOnceAsTheLoopTurnsWithNothingPosted)
{
    const NoBlitting paints;
    Window w;
    w.tick(1);
    w.tick(2);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    EXPECT_EQ(w.counter.updateRequests, 0);
    EXPECT_EQ(w.counter.paints, 0);

    QApplication::processEvents();
    EXPECT_EQ(w.counter.paints, 1);
    QApplication::processEvents(); // nothing left over
    EXPECT_EQ(w.counter.paints, 1);
    w.expectUpToDate();
}

// The window and a panel in it changed in the same wake-up: both are painted as the loop turns.
TEST(RepaintQueue, ThePanelsOfAWindowArePaintedWithIt)
{
    const NoBlitting paints;
    Window w;
    EventCounter inPanel;
    w.view->widgetFor(*w.panel)->installEventFilter(&inPanel);
    w.tick(1);
    RepaintQueue::paintAll();
    EXPECT_EQ(w.counter.paints, 1);
    EXPECT_EQ(inPanel.paints, 1);
    w.expectUpToDate();
}

// Qt's own updates of the same window in the same turn (a new size, a new background colour) and
// the queue's paint together leave the window as a fresh paint draws it.
TEST(RepaintQueue, QtsOwnUpdatesInTheSameTurnLeaveNothingBehind)
{
    Window w;
    w.tick(1);
    w.form.move(1500, 1500, 3300, 3300);
    w.form.setBackColor(0x00336699);
    w.tick(2);
    QApplication::processEvents();
    QApplication::processEvents();
    w.expectUpToDate();
}

// Changes made while the window is hidden or minimised are lost to nobody: the window shows them
// when it is back.
TEST(RepaintQueue, AHiddenOrMinimisedWindowShowsWhatChangedMeanwhileWhenBack)
{
    Window w;
    w.tick(1);
    w.form.hide();
    QApplication::processEvents();
    w.tick(2);
    QApplication::processEvents();
    w.form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.view.get()));
    QApplication::processEvents();
    w.expectUpToDate();

    w.view->showMinimized();
    QApplication::processEvents();
    w.tick(3);
    QApplication::processEvents();
    w.view->showNormal();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.view.get()));
    QApplication::processEvents();
    w.expectUpToDate();
}

// A handler that opens a message box runs a nested event loop: what it changed before shows
// while the box is open, not after it closes.
TEST(RepaintQueue, ANestedEventLoopPaintsWhatWasChangedBeforeIt)
{
    const NoBlitting paints;
    Window w;
    w.tick(1);
    int paintedInside = -1;
    QEventLoop box;
    QTimer::singleShot(0, &box, [&] {
        paintedInside = w.counter.paints;
        box.quit();
    });
    box.exec();
    EXPECT_EQ(paintedInside, 1);
}

// Changes in two windows in one turn are both painted in that turn; a window that goes away with
// changes queued is simply left out.
TEST(RepaintQueue, ChangesInSeveralWindowsAllShowAndAClosedWindowIsLeftOut)
{
    const NoBlitting paints;
    Window first(1500);
    Window second(6000);
    first.tick(1);
    second.tick(1);
    RepaintQueue::paintAll(); // both windows, at once
    EXPECT_EQ(first.counter.paints, 1);
    EXPECT_EQ(second.counter.paints, 1);

    auto third = std::make_unique<Window>(9000);
    third->tick(2);
    second.tick(2);
    third.reset();
    QApplication::processEvents();
    EXPECT_EQ(second.counter.paints, 2);
    first.expectUpToDate();
    second.expectUpToDate();

    // A panel hidden with changes queued is left out; the rest still shows.
    second.tick(3);
    second.panel->setVisible(false);
    QApplication::processEvents();
    second.expectUpToDate();
}

// An empty rectangle queues nothing; rectangles queued twice are painted once.
TEST(RepaintQueue, ARectangleQueuedTwiceIsPaintedOnce)
{
    QWidget host;
    host.resize(100, 100);
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    QApplication::processEvents();
    EventCounter counter;
    host.installEventFilter(&counter);
    RepaintQueue queue(host);
    queue.add(QRect());
    EXPECT_FALSE(queue.pending());
    queue.add(QRect(0, 0, 10, 10));
    queue.add(QRect(0, 0, 10, 10));
    EXPECT_TRUE(queue.pending());
    RepaintQueue::paintAll();
    EXPECT_FALSE(queue.pending());
    EXPECT_EQ(counter.paints, 1);
}

// With the numbers' glyphs copied straight into the backing store, a wake-up's changes in the window
// and in its panel reach the screen as the loop turns with no paint event and nothing posted, in
// nested loops too, and the screen shows what a fresh paint shows.
TEST(RepaintQueue, AWakeUpsNumbersAreCopiedWithNoPaintAndShowWhatAFreshPaintShows)
{
    Window w;
    EventCounter inPanel;
    w.view->widgetFor(*w.panel)->installEventFilter(&inPanel);
    for (int n = 1; n <= 40; ++n) {
        w.tick(n);
        QApplication::processEvents();
        ASSERT_NO_FATAL_FAILURE(w.expectUpToDate()) << "tick " << n;
    }
    w.counter.paints = inPanel.paints = 0; // a fresh paint to compare with is a paint
    w.counter.updateRequests = 0;
    w.tick(41);
    QImage inside;
    QEventLoop box;
    QTimer::singleShot(0, &box, [&] {
        inside = w.onScreen();
        box.quit();
    });
    box.exec();
    QApplication::processEvents();
    // At a scale that is not a whole number (QT_SCALE_FACTOR=1.5) Qt paints them.
    const qreal ratio = w.view->devicePixelRatio();
    if (ratio == std::floor(ratio)) {
        EXPECT_EQ(w.counter.paints, 0);
        EXPECT_EQ(inPanel.paints, 0);
        EXPECT_EQ(w.counter.updateRequests, 0);
    } else {
        EXPECT_GT(w.counter.paints, 0);
    }
    const QImage fresh = w.view->grab().toImage();
    EXPECT_EQ(inside.convertToFormat(fresh.format()), fresh);
}
