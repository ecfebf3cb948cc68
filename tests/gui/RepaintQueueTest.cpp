#include "gui/RepaintQueue.h"

#include "gui/FormView.h"

#include <QApplication>
#include <QEventLoop>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

using namespace orebell;

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

// A shown window of seven countdowns.
struct Window {
    Form form{QStringLiteral("frmTest"), QStringLiteral(" Test")};
    std::vector<Control*> countdowns;
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
};

} // namespace

// A wake-up's caption changes wait for the event loop's turn and then go out in one paint, sent
// at once: no update request is posted that would wake the loop a second time.
TEST(RepaintQueue, AWakeUpsChangesArePaintedOnceAsTheLoopTurnsWithNothingPosted)
{
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
    const QImage fresh = w.view->grab().toImage();
    EXPECT_EQ(w.onScreen().convertToFormat(fresh.format()), fresh);
}

// A handler that opens a message box runs a nested event loop: what it changed before shows
// while the box is open, not after it closes.
TEST(RepaintQueue, ANestedEventLoopPaintsWhatWasChangedBeforeIt)
{
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
    Window first(1500);
    Window second(6000);
    first.tick(1);
    second.tick(1);
    QApplication::processEvents();
    EXPECT_EQ(first.counter.paints, 1);
    EXPECT_EQ(second.counter.paints, 1);

    auto third = std::make_unique<Window>(9000);
    third->tick(2);
    second.tick(2);
    third.reset();
    QApplication::processEvents();
    EXPECT_EQ(second.counter.paints, 2);
    const QImage fresh = first.view->grab().toImage();
    EXPECT_EQ(first.onScreen().convertToFormat(fresh.format()), fresh);
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
