#include "gui/ControlWidgets.h"

#include "gui/Colors.h"
#include "gui/Surface.h"
#include "l10n/Translation.h"

#include <QAbstractItemView>
#include <QHash>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionComboBox>
#include <QStylePainter>

#include <algorithm>

namespace orebell {

namespace {

Qt::PenStyle penStyle(int borderStyle)
{
    switch (borderStyle) {
    case 2:
        return Qt::DashLine;
    case 3:
        return Qt::DotLine;
    case 4:
        return Qt::DashDotLine;
    case 5:
        return Qt::DashDotDotLine;
    default:
        return Qt::SolidLine;
    }
}

} // namespace

ShapeWidget::ShapeWidget(const Control& control, QWidget* parent) : QWidget(parent), control_(control)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeWidget::paintEvent(QPaintEvent*)
{
    if (control_.borderStyle() == 0)
        return;
    QPainter p(this);
    paintBorder(p, control_, rect());
}

void paintBorder(QPainter& painter, const Control& shape, const QRect& r)
{
    if (shape.borderStyle() == 0) // transparent border: nothing to draw
        return;
    QPen pen(toQColor(shape.borderColor()), 1, penStyle(shape.borderStyle()));
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5));
}

PictureWidget::PictureWidget(const Control& control, QWidget* parent) : QWidget(parent), control_(control) {}

void PictureWidget::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    if (control_.kind() == ControlKind::Image) {
        // Faint, so that a caption written over it stays easy to read.
        p.fillRect(rect(), toQColor(control_.backColor()));
        paintEmblem(p, QRectF(rect()), 0.4, false);
        if (control_.borderStyle() != 0) {
            p.setRenderHint(QPainter::Antialiasing, false);
            p.setPen(QPen(toQColor(control_.borderColor()), 1, penStyle(control_.borderStyle())));
            p.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
        }
        return;
    }
    p.fillRect(rect(), toQColor(control_.backColor()));
    const QString mineral = control_.toolTipText().trimmed();
    const QRectF box = QRectF(rect()).adjusted(1, 1, -1, -1);
    if (mineralColor(mineral).isValid())
        paintMineral(p, box, mineral);
    else
        paintRock(p, box);
}

ModelLineEdit::ModelLineEdit(const Control& control, QWidget* parent) : QLineEdit(parent), control_(control)
{
    setFrame(false); // the border, when there is one, is drawn below
}

void ModelLineEdit::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    if (control_.borderStyle() == 0)
        return;
    QPainter p(this);
    p.setPen(QPen(toQColor(control_.borderColor()), 1, penStyle(control_.borderStyle())));
    p.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

QString fittedName(const QString& name, const QFontMetrics& metrics, int width)
{
    if (metrics.horizontalAdvance(name) <= width)
        return name;
    // "Concentrated Veldspar" becomes "Conc. Veldspar", then "C. Veldspar": the ore stays whole.
    QString shortest = name;
    const qsizetype blank = name.indexOf(QLatin1Char(' '));
    if (blank > 1) {
        const QString rest = name.mid(blank);
        for (qsizetype letters : {qsizetype(4), qsizetype(1)}) {
            if (letters >= blank)
                continue;
            shortest = name.left(letters) + QLatin1Char('.') + rest;
            if (metrics.horizontalAdvance(shortest) <= width)
                return shortest;
        }
    }
    return metrics.elidedText(shortest, Qt::ElideRight, width);
}

void ModelComboBox::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    if (!isEditable()) {
        const QRect field =
            style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
        option.currentText = fittedName(option.currentText, fontMetrics(), field.width() - 2);
    }
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

// QComboBox makes its drop-down list (a window with a list view) at its first font change, to give
// it the box's font: a few milliseconds for every box on the first frame. A list made later, when
// it first opens, takes the box's font as it is made.
void ModelComboBox::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange && !listMade()) {
        QWidget::changeEvent(event);
        return;
    }
    QComboBox::changeEvent(event);
}

bool ModelComboBox::listMade() const
{
    const QObjectList& all = children();
    return std::any_of(all.begin(), all.end(), [](const QObject* child) {
        return child->isWidgetType() && static_cast<const QWidget*>(child)->isWindow();
    });
}

void ModelComboBox::showPopup()
{
    QAbstractItemView* list = view();
    const int widest = list->sizeHintForColumn(0) + 2 * list->frameWidth() +
                       style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list) + 4;
    list->setMinimumWidth(std::max(width(), widest));
    QComboBox::showPopup();
}

FrameWidget::FrameWidget(const Control& control, QWidget* parent) : QGroupBox(parent), control_(control)
{
    setAttribute(Qt::WA_OpaquePaintEvent); // paintFrame fills what it is asked to paint
}

void FrameWidget::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    paintFrame(p, event->rect());
    if (surface_)
        surface_->paint(p, event->region());
}

void FrameWidget::paintFrame(QPainter& p, const QRect& exposed)
{
    p.fillRect(exposed, toQColor(control_.backColor()));
    if (control_.borderStyle() == 0)
        return;
    const QFontMetrics fm(font());
    const int half = fm.height() / 2;
    const QRect frame = rect().adjusted(0, half, -1, -1);
    const QColor fore = toQColor(control_.foreColor());
    // A caption changing inside the panel repaints neither the border nor the panel's title.
    if (!frame.adjusted(2, 2, -2, -2).contains(exposed)) {
        // An etched line: a dark line with a light one beside it.
        p.setPen(fore.darker(250));
        p.drawRect(frame.adjusted(0, 0, -1, -1));
        p.setPen(fore.darker(140));
        p.drawRect(frame.adjusted(1, 1, 0, 0));
    }
    const QString caption = shownText(control_.caption());
    if (caption.isEmpty() || exposed.top() >= fm.height())
        return;
    const int textLeft = 6;
    const int textWidth = fm.horizontalAdvance(caption) + 4;
    const QRect textBox(textLeft, 0, std::min(textWidth, width() - textLeft - 2), fm.height());
    p.fillRect(textBox, toQColor(control_.backColor()));
    p.setPen(isEnabled() ? fore : palette().color(QPalette::Disabled, QPalette::WindowText));
    p.drawText(textBox.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, caption);
}

QColor mineralColor(const QString& mineral)
{
    static const QHash<QString, QColor> colors{
        {QStringLiteral("Isogen"), QColor(70, 130, 230)},
        {QStringLiteral("Megacyte"), QColor(200, 40, 60)},
        {QStringLiteral("Mexallon"), QColor(90, 180, 90)},
        {QStringLiteral("Morphite"), QColor(150, 80, 200)},
        {QStringLiteral("Nocxium"), QColor(230, 110, 40)},
        {QStringLiteral("Pyerite"), QColor(200, 160, 90)},
        {QStringLiteral("Tritanium"), QColor(150, 160, 175)},
        {QStringLiteral("Zydrine"), QColor(210, 210, 60)},
    };
    return colors.value(mineral);
}

void paintMineral(QPainter& p, const QRectF& box, const QString& mineral)
{
    const QColor base = mineralColor(mineral);
    const double side = std::min(box.width(), box.height());
    const QRectF r(box.center().x() - side / 2, box.center().y() - side / 2, side, side);
    // A cut gem seen from above: an outline of six points and a lighter table in the middle.
    const QPointF c = r.center();
    const double w = r.width() / 2, h = r.height() / 2;
    QPolygonF outline{
        {c.x(), r.top()},    {c.x() + w * 0.9, c.y() - h * 0.45}, {c.x() + w * 0.9, c.y() + h * 0.45},
        {c.x(), r.bottom()}, {c.x() - w * 0.9, c.y() + h * 0.45}, {c.x() - w * 0.9, c.y() - h * 0.45}};
    QPolygonF table{{c.x(), c.y() - h * 0.45},           {c.x() + w * 0.45, c.y() - h * 0.2},
                    {c.x() + w * 0.45, c.y() + h * 0.2}, {c.x(), c.y() + h * 0.45},
                    {c.x() - w * 0.45, c.y() + h * 0.2}, {c.x() - w * 0.45, c.y() - h * 0.2}};
    p.setPen(QPen(base.darker(170), 1));
    p.setBrush(base);
    p.drawPolygon(outline);
    p.setPen(Qt::NoPen);
    p.setBrush(base.lighter(140));
    p.drawPolygon(table);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(QPointF(c.x() - w * 0.2, c.y() - h * 0.15), w * 0.12, h * 0.12);
}

void paintEmblem(QPainter& p, const QRectF& box, double strength, bool clock)
{
    // Drawn on a 64 x 64 grid and scaled to the box.
    p.save();
    const double side = std::min(box.width(), box.height());
    p.translate(box.center().x() - side / 2, box.center().y() - side / 2);
    p.scale(side / 64, side / 64);
    p.setRenderHint(QPainter::Antialiasing);
    p.setOpacity(strength);
    // The asteroid, with a lit face.
    const QPolygonF rock{{18, 40}, {26, 20}, {42, 16}, {50, 32}, {44, 48}, {26, 50}};
    p.setPen(QPen(QColor(0xC0, 0xC0, 0xC0), 2));
    p.setBrush(QColor(0x6B, 0x64, 0x70));
    p.drawPolygon(rock);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x8C, 0x85, 0x96));
    p.drawPolygon(QPolygonF{{26, 24}, {38, 22}, {44, 32}, {34, 36}});
    if (clock) {
        // The cycle clock.
        QPen gold(QColor(0xFF, 0xCC, 0x33), 3);
        gold.setCapStyle(Qt::RoundCap);
        p.setPen(gold);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(32, 34), 13, 13);
        p.drawLine(QPointF(32, 34), QPointF(32, 24));
        p.drawLine(QPointF(32, 34), QPointF(40, 38));
    }
    // The mining laser.
    p.setOpacity(1.0);
    QPen laser(QColor(0xFF, 0x80, 0x80), 3);
    laser.setCapStyle(Qt::RoundCap);
    p.setPen(laser);
    p.drawLine(QPointF(6, 8), QPointF(22, 26));
    p.restore();
}

void paintRock(QPainter& p, const QRectF& box)
{
    const QPointF c = box.center();
    const double rx = box.width() / 2 * 0.9, ry = box.height() / 2 * 0.8;
    QPainterPath rock;
    rock.moveTo(c.x() - rx, c.y());
    rock.cubicTo(c.x() - rx, c.y() - ry * 1.1, c.x() + rx * 0.3, c.y() - ry * 1.3, c.x() + rx,
                 c.y() - ry * 0.3);
    rock.cubicTo(c.x() + rx * 1.1, c.y() + ry * 0.6, c.x() + rx * 0.2, c.y() + ry * 1.2, c.x() - rx * 0.5,
                 c.y() + ry * 0.9);
    rock.closeSubpath();
    QRadialGradient shade(c - QPointF(rx * 0.3, ry * 0.4), std::max(rx, ry) * 1.4);
    shade.setColorAt(0, QColor(150, 140, 130));
    shade.setColorAt(1, QColor(60, 55, 50));
    p.setPen(QPen(QColor(40, 36, 34), 1));
    p.setBrush(shade);
    p.drawPath(rock);
    // Veins of ore.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 170, 60));
    p.drawEllipse(QPointF(c.x() + rx * 0.25, c.y() - ry * 0.1), rx * 0.12, ry * 0.12);
    p.setBrush(QColor(90, 170, 230));
    p.drawEllipse(QPointF(c.x() - rx * 0.3, c.y() + ry * 0.3), rx * 0.09, ry * 0.09);
}

} // namespace orebell
