#include "ShownProgram.h"
#include "app/Program.h"
#include "data/Shared.h"
#include "gui/ProgramWindows.h"
#include "support/TestPlatform.h"

#include <QApplication>
#include <QHash>
#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace orebell;

namespace {

// WCAG's relative luminance and contrast ratio.
double luminance(QColor c)
{
    auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

double contrast(QColor a, QColor b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

struct Measured {
    QColor background; // the commonest colour of the area
    QColor text;       // the pixel that stands out most from it
    double ratio = 0;
};

Measured measure(const QImage& shot, const QRect& logical)
{
    const double dpr = shot.devicePixelRatio();
    const QRect r(QPoint(int(logical.left() * dpr), int(logical.top() * dpr)),
                  QSize(int(logical.width() * dpr), int(logical.height() * dpr)));
    QHash<QRgb, int> counts;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            ++counts[shot.pixel(x, y)];
    Measured m;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most) {
            most = it.value();
            m.background = QColor(it.key());
        }
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (const double c = contrast(QColor(it.key()), m.background); c > m.ratio) {
            m.ratio = c;
            m.text = QColor(it.key());
        }
    return m;
}

struct Contrast : test::ShownProgram {
    // The window as the screen shows it at 200 per cent, where a letter's stems cover whole
    // pixels whatever the font's hinting, so that its colour is there to be measured.
    QImage shot()
    {
        QImage image(view().size() * 2, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(2);
        image.fill(Qt::magenta);
        view().render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
        return image;
    }
    // A painted label's area in the window, and the window as the screen shows it.
    Measured label(const char* name, int index)
    {
        QApplication::processEvents();
        const auto item = view().paintedItem(QString::fromLatin1(name), index);
        EXPECT_TRUE(item.has_value()) << name;
        if (!item)
            return {};
        const QRect inWindow(item->container->mapTo(&view(), item->rect.topLeft()), item->rect.size());
        return measure(shot(), inWindow);
    }
};

// A due jet-can reminder keeps its red and is read on it.
TEST_F(Contrast, TheDueJetCanClockReadsOnItsRed)
{
    c("txtSoundeEffectDelay", 4).setText(QStringLiteral("1"));
    program.shared().routines.LoadSounds();
    platform.setTimeOfDay(1000);
    c("lblJetButton", 0).click();
    platform.setTimeOfDay(1065);
    c("tmrJetCan", 0).fire();
    ASSERT_EQ(c("lblClockTimer", 0).backColor(), 255u);
    const Measured due = label("lblClockTimer", 0);
    EXPECT_EQ(due.background, QColor(255, 0, 0));
    EXPECT_GE(due.ratio, 4.5) << qPrintable(due.text.name()) << " on " << qPrintable(due.background.name());

    c("lblJetButton", 0).click(); // stopped: the grey clock again
    const Measured idle = label("lblClockTimer", 0);
    EXPECT_EQ(idle.background, QColor(0x40, 0x40, 0x40));
    EXPECT_GE(idle.ratio, 4.5) << qPrintable(idle.text.name());
}

TEST_F(Contrast, StopMiningReadsOnItsPanel)
{
    Control& cargo = c("fraCargoHold");
    for (int i = 0; i < 5 && !cargo.visible(); ++i)
        c("lblControlButton", 4).click(); // the watch panels in turn
    ASSERT_TRUE(cargo.visible());
    c("lblStopMining", 0).setVisible(true);
    const Measured warning = label("lblStopMining", 0);
    EXPECT_GE(warning.ratio, 4.5) << qPrintable(warning.text.name()) << " on "
                                  << qPrintable(warning.background.name());
    EXPECT_GT(warning.text.red(), 2 * warning.text.green()) << "the warning is still red";
}

// The focus frame stands out from the window and is not the orange of a running jet can.
TEST_F(Contrast, TheFocusFrameIsSeenAndIsNotTheJetCanOrange)
{
    view().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view()));
    QWidget* box = view().widgetFor(QStringLiteral("txtSizeOfRoid"), 0);
    box->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    auto* ring = view().findChild<QWidget*>(QStringLiteral("focusRing"));
    ASSERT_NE(ring, nullptr);
    ASSERT_TRUE(ring->isVisible());
    const QImage image = shot();
    const double dpr = image.devicePixelRatio();
    const QPoint edge = ring->geometry().topLeft() + QPoint(ring->width() / 2, 0);
    const QColor frame = image.pixelColor(int(edge.x() * dpr), int(edge.y() * dpr));
    const QColor window = image.pixelColor(int(edge.x() * dpr), int((edge.y() - 3) * dpr));
    EXPECT_GE(contrast(frame, window), 4.5)
        << qPrintable(frame.name()) << " on " << qPrintable(window.name());
    const int hue = frame.hsvHue();
    EXPECT_TRUE(hue < 0 || std::abs(hue - 30) > 60)
        << "the frame's hue " << hue << " is the jet cans' orange";
}

} // namespace
