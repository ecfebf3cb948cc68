#include "gui/Surface.h"

#include "gui/Colors.h"
#include "gui/FormView.h"
#include "platform/WindowFont.h"
#include "support/NoBlitting.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPaintEvent>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <cmath>

#include <gtest/gtest.h>

using namespace orebell;

namespace {

constexpr Color Back = 0x2F3129; // &HBBGGRR
constexpr Color Fore = 0xD0E0E0;

QImage picture(QWidget& w, qreal scale, const QRect& area)
{
    QImage image(w.size() * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::magenta);
    w.render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    const QRect pixels(area.topLeft() * scale, area.size() * scale);
    return image.copy(pixels);
}

struct Case {
    const char* caption;
    int alignment; // 0 left, 1 right, 2 centre
    int width, height;
    bool framed;
    bool enabled;
};

// Counts the paint events of every widget of a window.
struct PaintCounter : QObject {
    QHash<QObject*, int> paints;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints[watched];
        return false;
    }
};

} // namespace

// A label painted on its window looks exactly as a stock QLabel set up as the view used to set one
// up: numbers from the glyph cache, other captions, a border, grey text when disabled, every
// alignment, at every scale.
TEST(Surface, PaintsALabelAsAStockLabelDoes)
{
    const Case cases[] = {
        {"1,234,567", 1, 1500, 255, false, true},
        {"12:07", 2, 900, 300, false, true},
        {"59.9", 0, 600, 255, false, true},
        {"1925.6 m3", 1, 1500, 255, false, true},
        {"A long caption that wraps", 0, 1500, 600, false, true},
        {"S", 2, 300, 300, true, true},
        {"Yield", 0, 1200, 300, true, true},
        {"4,005", 1, 1200, 255, false, false},
    };
    for (qreal scale : {1.0, 2.0}) {
        for (const Case& k : cases) {
            SCOPED_TRACE(std::string(k.caption) + " at " + std::to_string(scale));
            Form form(QStringLiteral("frmTest"), QStringLiteral(" Test"));
            form.move(1500, 1500, 3000, 1500);
            Control& c = form.add(ControlKind::Label, QStringLiteral("lblCaption"));
            c.move(150, 150, k.width, k.height);
            c.setAlignment(k.alignment);
            c.setBackColor(Back);
            c.setForeColor(Fore);
            c.setBorderStyle(k.framed ? 1 : 0);
            c.setCaption(QString::fromLatin1(k.caption));
            c.setEnabled(k.enabled);
            FormView view(form);
            const auto item = view.paintedItem(QStringLiteral("lblCaption"));
            ASSERT_TRUE(item.has_value());
            ASSERT_EQ(item->container, &view);

            QLabel stock;
            stock.setFont(windowFont(c.fontSize(), c.fontBold()));
            stock.setWordWrap(true);
            stock.setAlignment(item->alignment);
            stock.setAutoFillBackground(true);
            stock.setGeometry(item->rect);
            QPalette pal = stock.palette();
            pal.setColor(QPalette::Window, toQColor(Back));
            QColor dim = toQColor(Fore);
            dim.setAlphaF(0.45);
            for (auto group : {QPalette::Active, QPalette::Inactive})
                pal.setColor(group, QPalette::WindowText, toQColor(Fore));
            pal.setColor(QPalette::Disabled, QPalette::WindowText, dim);
            stock.setPalette(pal);
            if (k.framed)
                stock.setFrameStyle(QFrame::Box | QFrame::Plain);
            stock.setEnabled(k.enabled);
            stock.setText(c.caption());

            const QImage expected = picture(stock, scale, stock.rect());
            EXPECT_EQ(picture(view, scale, item->rect), expected);
        }
    }
}

// One wake-up's changed captions cost one paint of the window, of their own rectangles only; no
// other widget repaints, and a caption beneath a button never draws over it.
TEST(Surface, ChangedCaptionsRepaintTheirOwnRectanglesOnce)
{
    Form form(QStringLiteral("frmTest"), QStringLiteral(" Test"));
    form.move(1500, 1500, 6000, 3000);
    std::vector<Control*> countdowns;
    for (int i = 0; i < 7; ++i) {
        Control& c = form.add(ControlKind::Label, QStringLiteral("lblCycleCountdown"), i);
        c.move(150, 150 + i * 300, 900, 255);
        c.setCaption(QStringLiteral("60.0"));
        countdowns.push_back(&c);
    }
    Control& still = form.add(ControlKind::Label, QStringLiteral("lblStill"));
    still.move(3000, 150, 900, 255);
    Control& button = form.add(ControlKind::CommandButton, QStringLiteral("btnOver"));
    button.move(150, 150, 450, 255); // over the first countdown's left half
    FormView view(form);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    QApplication::processEvents();
    QWidget* over = view.widgetFor(button);
    ASSERT_NE(over, nullptr);
    const QImage buttonBefore = over->grab().toImage();

    const QRect stillRect = view.paintedItem(QStringLiteral("lblStill"))->rect;
    const QImage stillBefore = view.grab(stillRect).toImage();
    PaintCounter counter;
    view.installEventFilter(&counter);
    for (int tick = 1; tick <= 4; ++tick) {
        for (Control* c : countdowns)
            c->setCaption(QString::number(60 - tick * 0.0625));
        QApplication::processEvents();
    }
    EXPECT_EQ(counter.paints.value(&view), 4); // one per wake-up
    EXPECT_EQ(view.grab(stillRect).toImage(), stillBefore);
    EXPECT_EQ(over->grab().toImage(), buttonBefore);
    // The part of the first countdown beside the button shows its new caption.
    const QRect first = view.paintedItem(QStringLiteral("lblCycleCountdown"), 0)->rect;
    EXPECT_GT(first.right(), over->geometry().right());
}

// A label hidden by the model, or on a hidden panel, shows nothing and takes no click; shown again,
// it is back with the caption the model gave it meanwhile.
TEST(Surface, HiddenLabelsTakeNoGestures)
{
    Form form(QStringLiteral("frmTest"), QStringLiteral(" Test"));
    form.move(1500, 1500, 6000, 3000);
    Control& button = form.add(ControlKind::Label, QStringLiteral("lblJetButton"), 0);
    button.move(150, 150, 900, 300);
    button.setBackColor(0x0000FF);
    int clicks = 0;
    form.onClick(QStringLiteral("lblJetButton"), [&](int) { ++clicks; });
    int formClicks = 0;
    form.onFormMouseDown([&](int, int, double, double) { ++formClicks; });
    FormView view(form);
    form.show();
    QApplication::processEvents();
    const QRect r = view.paintedItem(QStringLiteral("lblJetButton"), 0)->rect;
    QTest::mouseClick(&view, Qt::LeftButton, {}, r.center());
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(formClicks, 0);
    button.setVisible(false);
    QTest::mouseClick(&view, Qt::LeftButton, {}, r.center());
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(formClicks, 1); // the window's own press
    EXPECT_NE(view.grab(r).toImage().pixelColor(2, 2), QColor(255, 0, 0));
    button.setEnabled(false);
    button.setVisible(true);
    EXPECT_EQ(view.grab(r).toImage().pixelColor(2, 2), QColor(255, 0, 0));
    QTest::mouseClick(&view, Qt::LeftButton, {}, r.center());
    EXPECT_EQ(clicks, 1); // disabled
    EXPECT_EQ(formClicks, 1);
}

// The pointer over painted labels behaves as it did over their widgets: moves go to the label
// under it, a label a button went down on keeps the mouse until the button is released (its
// coordinates running past its edges), and a release away from it is no click.
TEST(Surface, APressedLabelKeepsTheMouseUntilReleased)
{
    Form form(QStringLiteral("frmTest"), QStringLiteral(" Test"));
    form.move(1500, 1500, 6000, 3000);
    form.add(ControlKind::Label, QStringLiteral("lblJetButton"), 0).move(150, 150, 900, 300);
    form.add(ControlKind::Label, QStringLiteral("lblJetButton"), 1).move(1500, 150, 900, 300);
    QStringList events;
    form.onMouseMove(QStringLiteral("lblJetButton"), [&](int i, int b, int, double x, double) {
        events << QStringLiteral("move%1 %2 %3").arg(i).arg(b).arg(x);
    });
    form.onClick(QStringLiteral("lblJetButton"), [&](int i) { events << QStringLiteral("click%1").arg(i); });
    FormView view(form);
    form.show();
    QApplication::processEvents();
    const QRect a = view.paintedItem(QStringLiteral("lblJetButton"), 0)->rect;
    const QRect b = view.paintedItem(QStringLiteral("lblJetButton"), 1)->rect;

    QTest::mouseMove(&view, a.topLeft() + QPoint(2, 2));
    QTest::mouseMove(&view, b.topLeft() + QPoint(2, 2));
    EXPECT_EQ(events, (QStringList{QStringLiteral("move0 0 30"), QStringLiteral("move1 0 30")}));

    events.clear();
    QTest::mousePress(&view, Qt::LeftButton, {}, a.topLeft() + QPoint(2, 2));
    QTest::mouseMove(&view, b.topLeft() + QPoint(2, 2));
    QTest::mouseRelease(&view, Qt::LeftButton, {}, b.topLeft() + QPoint(2, 2));
    const int past = (b.left() + 2 - a.left()) * 15;
    EXPECT_EQ(events, (QStringList{QStringLiteral("move0 1 %1").arg(past)}));

    events.clear();
    QTest::mouseClick(&view, Qt::LeftButton, {}, b.center());
    EXPECT_EQ(events.filter(QStringLiteral("click")), (QStringList{QStringLiteral("click1")}));
}

// A countdown ticking beneath an open panel costs no paint at all; when the panel closes, it shows
// the caption the model gave it meanwhile.
TEST(Surface, ACaptionBeneathAnOpenPanelCostsNoPaint)
{
    Form form(QStringLiteral("frmTest"), QStringLiteral(" Test"));
    form.move(1500, 1500, 6000, 3000);
    Control& countdown = form.add(ControlKind::Label, QStringLiteral("lblCycleCountdown"), 0);
    countdown.move(300, 450, 1200, 300);
    countdown.setCaption(QStringLiteral("60"));
    Control& panel = form.add(ControlKind::Frame, QStringLiteral("fraCalculator"));
    panel.move(0, 0, 3000, 3000);
    FormView view(form);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    QApplication::processEvents();
    const QRect r = view.paintedItem(QStringLiteral("lblCycleCountdown"), 0)->rect;

    PaintCounter counter;
    view.installEventFilter(&counter);
    view.widgetFor(panel)->installEventFilter(&counter);
    for (int tick = 1; tick <= 16; ++tick) {
        countdown.setCaption(QString::number(60 - tick * 0.0625));
        QApplication::processEvents();
    }
    EXPECT_TRUE(counter.paints.isEmpty());

    panel.setVisible(false);
    QApplication::processEvents();
    const QImage latest = view.grab(r).toImage();
    countdown.setCaption(QStringLiteral("12"));
    EXPECT_NE(view.grab(r).toImage(), latest);
    countdown.setCaption(QStringLiteral("59")); // the last tick's, painted afresh
    EXPECT_EQ(view.grab(r).toImage(), latest);
}

// A caption change repaints only the glyphs that changed: after any run of changes, what the window
// shows on the screen is what a fresh rendering of it shows, whatever the alignment, the change of
// width, a caption of letters between numbers or an empty one; and a count moving by one costs a
// small part of its label.
TEST(Surface, ACaptionRepaintedGlyphByGlyphShowsWhatAFreshPaintShows)
{
    const QStringList runs[] = {
        {QStringLiteral("1,234,567"), QStringLiteral("1,234,566"), QStringLiteral("1,234,499"),
         QStringLiteral("999,999"), QStringLiteral("1,000,000")},
        {QStringLiteral("10:00"), QStringLiteral("09:59"), QStringLiteral("9:59"), QStringLiteral("19:59")},
        {QStringLiteral("60"), QStringLiteral("59.9375"), QStringLiteral("Depleted"), QStringLiteral("0"),
         QString(), QStringLiteral("-4"), QStringLiteral("4")},
        {QStringLiteral("1925.6 m3"), QStringLiteral("1925.7 m3"), QStringLiteral("11.1"),
         QStringLiteral("1.11")},
    };
    for (int alignment = 0; alignment < 3; ++alignment) {
        for (const QStringList& captions : runs) {
            SCOPED_TRACE(captions.join(QLatin1Char(' ')).toStdString() + " aligned " +
                         std::to_string(alignment));
            Form form(QStringLiteral("frmTest"), QStringLiteral(" Test"));
            form.move(1500, 1500, 3000, 1000);
            Control& c = form.add(ControlKind::Label, QStringLiteral("lblSizeOfRoid"), 0);
            c.move(150, 150, 1500, 255);
            c.setAlignment(alignment);
            c.setBackColor(Back);
            c.setForeColor(Fore);
            c.setCaption(captions.front());
            FormView view(form);
            form.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
            QApplication::processEvents();
            for (const QString& caption : captions) {
                c.setCaption(caption);
                QApplication::processEvents();
                const QImage onScreen = view.screen()->grabWindow(view.winId()).toImage();
                const QImage fresh = view.grab().toImage();
                ASSERT_EQ(onScreen.convertToFormat(fresh.format()), fresh) << caption.toStdString();
            }
        }
    }

    Form form(QStringLiteral("frmTest"), QStringLiteral(" Test"));
    form.move(1500, 1500, 3000, 1000);
    Control& c = form.add(ControlKind::Label, QStringLiteral("lblSizeOfRoid"), 0);
    c.move(150, 150, 1500, 255);
    c.setAlignment(1);
    c.setCaption(QStringLiteral("1,234,567"));
    FormView view(form);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    QApplication::processEvents();
    struct RegionLog : QObject {
        QRegion painted;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint)
                painted += static_cast<QPaintEvent*>(event)->region();
            return false;
        }
    } log;
    view.installEventFilter(&log);
    {
        const test::NoBlitting paints; // to see the area in a paint event
        c.setCaption(QStringLiteral("1,234,566"));
        QApplication::processEvents();
    }
    const QRect r = view.paintedItem(QStringLiteral("lblSizeOfRoid"), 0)->rect;
    EXPECT_FALSE(log.painted.isEmpty());
    EXPECT_LT(log.painted.boundingRect().width() * 4, r.width());
}

// One paint holding many changes at once, as a wake-up's does: numbers, letters, a framed label, a
// label over another, a hidden one over a number and a label shown and hidden. Every turn leaves the
// window as a fresh paint draws it: the window's background is left out only beneath a label that is
// shown.
TEST(Surface, AWakeUpOfManyChangesShowsWhatAFreshPaintShows)
{
    Form form(QStringLiteral("frmTest"), QStringLiteral(" Test"));
    form.move(1500, 1500, 4500, 2400);
    form.setBackColor(0x203040);
    std::vector<Control*> numbers;
    for (int i = 0; i < 6; ++i) {
        Control& c = form.add(ControlKind::Label, QStringLiteral("lblSizeOfRoid"), i);
        c.move(150 + (i % 2) * 2100, 150 + (i / 2) * 450, 1500, 255);
        c.setAlignment(i % 3);
        c.setBackColor(Back);
        c.setForeColor(Fore);
        c.setBorderStyle(i == 5 ? 1 : 0);
        c.setCaption(QStringLiteral("1,234,567"));
        numbers.push_back(&c);
    }
    Control& words = form.add(ControlKind::Label, QStringLiteral("lblStatus"), 0);
    words.move(150, 1500, 3000, 255);
    words.setCaption(QStringLiteral("Mining"));
    // Over the first number's right half: drawn above it, in the form's order.
    Control& over = form.add(ControlKind::Label, QStringLiteral("lblOver"), 0);
    over.move(900, 150, 900, 255);
    over.setBackColor(0x00FF00);
    over.setCaption(QStringLiteral("7"));
    Control& hidden = form.add(ControlKind::Label, QStringLiteral("lblHidden"), 0);
    hidden.move(2100, 450, 1800, 600);
    hidden.setBackColor(0x0000FF);
    hidden.setVisible(false);
    // Beneath the hidden one, shown every other turn: where it was, the window's background shows.
    Control& blink = form.add(ControlKind::Label, QStringLiteral("lblBlink"), 0);
    blink.move(2250, 900, 600, 120);
    blink.setBackColor(0xFFFFFF);
    FormView view(form);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    QApplication::processEvents();

    for (int tick = 1; tick <= 12; ++tick) {
        for (std::size_t i = 0; i < numbers.size(); ++i)
            numbers[i]->setCaption(QLocale::c().toString(1234567 - tick * 37 * static_cast<int>(i + 1)));
        words.setCaption(tick % 3 ? QStringLiteral("Mining") : QStringLiteral("Depleted"));
        over.setCaption(QString::number(tick % 10));
        blink.setVisible(tick % 2 == 0);
        QApplication::processEvents();
        const QImage onScreen = view.screen()->grabWindow(view.winId()).toImage();
        const QImage fresh = view.grab().toImage();
        ASSERT_EQ(onScreen.convertToFormat(fresh.format()), fresh) << "tick " << tick;
    }
}

// A changed number is copied from glyph cells only where the window's paint would draw nothing else:
// a widget over it, a label over it, a border through it, a frame, grey text, a caption with letters,
// or a label its panel cuts: each goes through a paint, and the screen shows what a fresh paint shows.
TEST(Surface, ACopiedNumberStepsAsideWhereAPaintDrawsMore)
{
    Form form(QStringLiteral("frmTest"), QStringLiteral(" Test"));
    form.move(1500, 1500, 6000, 3600);
    const auto number = [&](const char* name, int row, const char* container = nullptr) -> Control& {
        Control& c = container
                         ? form.add(ControlKind::Label, QLatin1String(name), 0, QLatin1String(container))
                         : form.add(ControlKind::Label, QLatin1String(name), 0);
        c.move(150, 150 + row * 300, 1500, 255);
        c.setAlignment(1);
        c.setBackColor(Back);
        c.setForeColor(Fore);
        c.setCaption(QStringLiteral("1,234,567"));
        return c;
    };
    Control& plain = number("lblPlain", 0);
    Control& underWidget = number("lblUnderWidget", 1);
    Control& box = form.add(ControlKind::TextBox, QStringLiteral("txtOver"), 0);
    box.move(1200, 450, 600, 255);
    Control& underLabel = number("lblUnderLabel", 2);
    Control& over = form.add(ControlKind::Label, QStringLiteral("lblOver"), 0);
    over.move(1400, 750, 600, 255);
    Control& crossed = number("lblCrossed", 3);
    Control& line = form.add(ControlKind::Shape, QStringLiteral("shpLine"), 0);
    line.move(1450, 1080, 600, 150);
    Control& framed = number("lblFramed", 4);
    framed.setBorderStyle(1);
    Control& grey = number("lblGrey", 5);
    grey.setEnabled(false);
    Control& words = number("lblWords", 6);
    Control& panel = form.add(ControlKind::Frame, QStringLiteral("fraCut"));
    panel.move(3000, 150, 1200, 1200);
    Control& cut = number("lblCut", 1, "fraCut");
    cut.move(150, 1050, 900, 255); // the panel's edge cuts its lower rows
    Control& inPanel = number("lblInPanel", 2, "fraCut");
    inPanel.move(60, 600, 900, 255);
    FormView view(form);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    QApplication::processEvents();
    const auto expectUpToDate = [&] {
        const QImage onScreen = view.screen()->grabWindow(view.winId()).toImage();
        const QImage fresh = view.grab().toImage();
        ASSERT_EQ(onScreen.convertToFormat(fresh.format()), fresh);
    };

    PaintCounter counter;
    view.installEventFilter(&counter);
    view.widgetFor(panel)->installEventFilter(&counter);
    const auto paintsAfter = [&](Control& c, const QString& caption) {
        counter.paints.clear();
        c.setCaption(caption);
        QApplication::processEvents();
        int paints = 0;
        for (const int n : std::as_const(counter.paints))
            paints += n;
        return paints;
    };
    // At a scale that is not a whole number (QT_SCALE_FACTOR=1.5) nothing is copied.
    const bool copies = view.devicePixelRatio() == std::floor(view.devicePixelRatio());
    for (int n = 1; n <= 3; ++n) {
        SCOPED_TRACE(n);
        const QString caption = QLocale::c().toString(1234567 - 7 * n);
        EXPECT_EQ(paintsAfter(plain, caption) == 0, copies);
        EXPECT_EQ(paintsAfter(inPanel, caption) == 0, copies);
        EXPECT_GT(paintsAfter(underWidget, caption), 0);
        EXPECT_GT(paintsAfter(underLabel, caption), 0);
        EXPECT_GT(paintsAfter(crossed, caption), 0);
        EXPECT_GT(paintsAfter(framed, caption), 0);
        EXPECT_GT(paintsAfter(grey, caption), 0);
        EXPECT_GT(paintsAfter(cut, caption), 0);
        paintsAfter(words, QStringLiteral("Cargo %1").arg(n));
        EXPECT_GT(paintsAfter(words, QStringLiteral("Cargo %1").arg(n + 1)), 0);
        expectUpToDate();
    }
    // Moved clear of what covered it, a label takes the copy again.
    over.move(3000, 2700, 600, 255);
    box.move(3000, 3000, 600, 255);
    QApplication::processEvents();
    EXPECT_EQ(paintsAfter(underLabel, QStringLiteral("1")) == 0, copies);
    EXPECT_EQ(paintsAfter(underWidget, QStringLiteral("2")) == 0, copies);
    expectUpToDate();
    // A widget that comes over a copied label, moved or shown, and a panel shrunk across one, send
    // it back to the paint; hidden again, the widget lets the copy back.
    box.move(1200, 150, 600, 255);
    QApplication::processEvents();
    EXPECT_GT(paintsAfter(plain, QStringLiteral("3")), 0);
    expectUpToDate();
    box.setVisible(false);
    QApplication::processEvents();
    EXPECT_EQ(paintsAfter(plain, QStringLiteral("4")) == 0, copies);
    box.setVisible(true);
    QApplication::processEvents();
    EXPECT_GT(paintsAfter(plain, QStringLiteral("5")), 0);
    expectUpToDate();
    panel.move(3000, 150, 1200, 700);
    QApplication::processEvents();
    EXPECT_GT(paintsAfter(inPanel, QStringLiteral("6")), 0);
    expectUpToDate();
}
