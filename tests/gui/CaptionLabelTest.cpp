#include "gui/CaptionLabel.h"

#include "gui/FormView.h"
#include "gui/GlyphCache.h"
#include "platform/WindowFont.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

using namespace orebell;

namespace {

// A stock label set up as the view sets up a label: the picture a caption label must match.
void setUpLike(QLabel& label, const QFont& font, Qt::Alignment alignment, const QRect& geometry)
{
    label.setFont(font);
    label.setAlignment(alignment);
    label.setGeometry(geometry);
    QPalette pal = label.palette();
    pal.setColor(QPalette::Window, QColor(0x29, 0x31, 0x2f));
    pal.setColor(QPalette::WindowText, QColor(0xe0, 0xe0, 0xd0));
    label.setPalette(pal);
}

QImage picture(QWidget& w, qreal scale,
               QWidget::RenderFlags flags = QWidget::DrawWindowBackground | QWidget::DrawChildren)
{
    QImage image(w.size() * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::magenta); // shows through wherever a label leaves a pixel unpainted
    w.render(&image, QPoint(), QRegion(), flags);
    return image;
}

struct Case {
    const char* text;
    Qt::Alignment alignment;
    QSize size;
};

} // namespace

// Numbers drawn from the glyph cache look exactly as the stock label draws them, wherever the
// alignment puts them and at every scale; captions the cache leaves alone (letters, a number that
// wraps) are the stock label's own.
TEST(CaptionLabel, PaintsTheSamePixelsAsAStockLabel)
{
    const Case cases[] = {
        {"12,345", Qt::AlignLeft | Qt::AlignVCenter, {90, 16}},
        {"00:04:59", Qt::AlignHCenter | Qt::AlignVCenter, {81, 17}},
        {"1.234.567,25", Qt::AlignRight | Qt::AlignVCenter, {100, 15}},
        {"-7 %", Qt::AlignRight | Qt::AlignTop, {40, 40}},
        {"3\u00a0600", Qt::AlignLeft | Qt::AlignTop, {60, 33}},
        {"Veldspar", Qt::AlignHCenter | Qt::AlignVCenter, {70, 16}},
        {"123456789012345", Qt::AlignLeft | Qt::AlignTop, {40, 40}}, // wider than the label: wraps
        {"", Qt::AlignLeft | Qt::AlignVCenter, {30, 16}},
    };
    for (const QFont& font : {windowFont(), windowFont(12, true)}) {
        for (const Case& c : cases) {
            for (qreal scale : {1.0, 2.0, 1.5}) {
                const QRect geometry(QPoint(0, 0), c.size);
                QLabel stock;
                stock.setWordWrap(true);
                stock.setAutoFillBackground(true);
                stock.setTextFormat(Qt::PlainText);
                setUpLike(stock, font, c.alignment, geometry);
                stock.setText(QString::fromUtf8(c.text));
                CaptionLabel caption(nullptr);
                setUpLike(caption, font, c.alignment, geometry);
                caption.setFixedGeometry(geometry);
                caption.setText(QString::fromUtf8(c.text));
                EXPECT_EQ(picture(caption, scale), picture(stock, scale))
                    << c.text << " at " << scale << "x, " << font.pointSizeF() << " pt";
            }
        }
    }
}

TEST(CaptionLabel, ALabelOverAPictureLetsItShowThrough)
{
    CaptionLabel caption(nullptr);
    setUpLike(caption, windowFont(), Qt::AlignLeft | Qt::AlignVCenter, QRect(0, 0, 60, 16));
    caption.setText(QStringLiteral("42"));
    caption.setOpaque(false);
    // Only what the label paints itself: no window background beneath it.
    EXPECT_EQ(picture(caption, 1, QWidget::DrawChildren).pixelColor(58, 1), QColor(Qt::magenta));
    caption.setOpaque(true);
    EXPECT_EQ(picture(caption, 1, QWidget::DrawChildren).pixelColor(58, 1), QColor(0x29, 0x31, 0x2f));
}

// The width the view aligns a caption by is the one the stock label measures.
TEST(CaptionLabel, MeasuresCaptionsAsTheFontMetricsDo)
{
    CaptionLabel caption(nullptr);
    caption.setFont(windowFont());
    for (const char* text : {"0", "12,345", "00:04:59", "1.234.567,25", "Veldspar", "Scordite 12", ""})
        EXPECT_EQ(caption.captionWidth(QString::fromUtf8(text)),
                  caption.fontMetrics().horizontalAdvance(QString::fromUtf8(text)))
            << text;
}

TEST(GlyphCache, LaysOutNumbersOnlyAndKeepsFontsApart)
{
    const GlyphCache& regular = GlyphCache::of(windowFont());
    std::vector<quint32> glyphs;
    std::vector<QPointF> positions;
    qreal width = 0;
    ASSERT_TRUE(regular.layout(u"10:01", glyphs, positions, width));
    ASSERT_EQ(glyphs.size(), 5u);
    EXPECT_EQ(glyphs[1], glyphs[3]);
    EXPECT_EQ(glyphs[0], glyphs[4]);
    EXPECT_NE(glyphs[0], glyphs[1]);
    EXPECT_LT(positions[0].x(), positions[1].x());
    EXPECT_NEAR(width, QFontMetricsF(windowFont()).horizontalAdvance(QStringLiteral("10:01")), 0.5);
    // Letters kern: the cache leaves them to Qt's layout.
    EXPECT_FALSE(regular.layout(u"12 m3", glyphs, positions, width));
    EXPECT_FALSE(regular.layout(u"Veldspar", glyphs, positions, width));

    qreal boldWidth = 0;
    ASSERT_TRUE(GlyphCache::of(windowFont(16, true)).layout(u"10:01", glyphs, positions, boldWidth));
    EXPECT_GT(boldWidth, width);
}

// Glyphs are read from the font when first asked for, by whichever call asks first: a fresh
// cache measures a change before it lays anything out, and every number character, the wide
// blanks and minus sign included, keeps Qt's own advance.
TEST(GlyphCache, ReadsEachGlyphWhenFirstAskedWhicheverCallAsks)
{
    const QFont font = windowFont(11.5); // a size no other test uses: a fresh cache
    const GlyphCache& cache = GlyphCache::of(font);
    const QRect box(0, 0, 200, 20);
    const auto changed = cache.changedArea(u"1,234", u"1,235", box, Qt::AlignRight | Qt::AlignVCenter);
    ASSERT_TRUE(changed.has_value());
    EXPECT_FALSE(changed->isEmpty());
    EXPECT_GT(changed->left(), box.width() / 2); // the last digit only

    const QFontMetricsF metrics(font);
    const QString all =
        QStringLiteral("9876543210 .,:;-+%/()'") + QChar(0x00a0) + QChar(0x202f) + QChar(0x2212);
    std::vector<quint32> glyphs;
    std::vector<QPointF> positions;
    for (const QChar ch : all) {
        qreal width = 0;
        if (!cache.layout(QStringView(&ch, 1), glyphs, positions, width))
            continue; // a character this font lacks is left to Qt's layout
        EXPECT_NEAR(width, metrics.horizontalAdvance(ch), 0.01) << int(ch.unicode());
    }
    qreal width = 0;
    ASSERT_TRUE(cache.layout(u"12,345.60", glyphs, positions, width));
    EXPECT_NEAR(width, metrics.horizontalAdvance(QStringLiteral("12,345.60")), 0.5);
}

namespace {

struct EventCounter : QObject {
    QEvent::Type type;
    int count = 0;
    explicit EventCounter(QEvent::Type t) : type(t) {}
    bool eventFilter(QObject*, QEvent* event) override
    {
        count += event->type() == type;
        return false;
    }
};

} // namespace

// A countdown ticking in a panel asks the panel for no layout pass: its label keeps its size.
TEST(CaptionLabel, ACaptionChangeInTheViewAsksNoLayoutPass)
{
    Form form(QStringLiteral("frmTest"), QStringLiteral(" Test"));
    form.move(1500, 1500, 6000, 3000);
    Control& panel = form.add(ControlKind::Frame, QStringLiteral("fraTimers"), -1, QString());
    panel.move(150, 150, 4500, 2400);
    Control& countdown =
        form.add(ControlKind::Label, QStringLiteral("lblCycleCountdown"), 0, QStringLiteral("fraTimers"));
    countdown.move(300, 450, 1200, 300);
    FormView view(form);
    form.show();
    const auto label = view.paintedItem(QStringLiteral("lblCycleCountdown"), 0);
    ASSERT_TRUE(label.has_value());
    ASSERT_TRUE(label->container->isVisible());
    EXPECT_EQ(label->container, view.widgetFor(panel));
    EventCounter layouts(QEvent::LayoutRequest);
    label->container->installEventFilter(&layouts);
    view.installEventFilter(&layouts);
    QImage shown;
    for (int tick = 0; tick < 16; ++tick) {
        countdown.setCaption(QString::number(60 - tick * 0.0625));
        QApplication::processEvents();
        const QImage now = label->container->grab(label->rect).toImage();
        EXPECT_NE(now, shown) << tick; // every tick shows
        shown = now;
    }
    EXPECT_EQ(layouts.count, 0);
    // The model still moves and resizes it.
    countdown.move(300, 450, 2400, 300);
    EXPECT_EQ(view.paintedItem(QStringLiteral("lblCycleCountdown"), 0)->rect, QRect(20, 30, 160, 20));
}

// A panel covers what lies beneath it: a countdown ticking under a shown panel never shows through,
// on the screen as well as in a fresh rendering.
TEST(CaptionLabel, ACaptionTickingUnderAPanelStaysHidden)
{
    Form form(QStringLiteral("frmTest"), QStringLiteral(" Test"));
    form.move(1500, 1500, 6000, 3000);
    Control& countdown = form.add(ControlKind::Label, QStringLiteral("lblCycleCountdown"), 0);
    countdown.move(300, 450, 1200, 300);
    countdown.setCaption(QStringLiteral("60"));
    form.add(ControlKind::Frame, QStringLiteral("fraCalculator")).move(0, 0, 6000, 3000);
    FormView view(form);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    QApplication::processEvents();
    const auto onScreen = [&] { return view.screen()->grabWindow(view.winId()).toImage(); };
    const QImage covered = onScreen();
    for (int tick = 1; tick <= 16; ++tick) {
        countdown.setCaption(QString::number(60 - tick * 0.0625));
        QApplication::processEvents();
    }
    EXPECT_EQ(onScreen(), covered);
}
