#include "gui/Style.h"

#include "gui/Colors.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <QToolTip>

namespace orebell {

namespace {

constexpr int ComboArrowWidth = 13; // logical pixels
constexpr int ComboFrame = 2;

QColor mixed(const QColor& from, const QColor& to, double part)
{
    auto mix = [part](double a, double b) { return a + (b - a) * part; };
    return QColor::fromRgbF(static_cast<float>(mix(from.redF(), to.redF())),
                            static_cast<float>(mix(from.greenF(), to.greenF())),
                            static_cast<float>(mix(from.blueF(), to.blueF())));
}

} // namespace

ProgramStyle::ProgramStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

QRect ProgramStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                                   const QWidget* widget) const
{
    if (control == CC_ComboBox && (part == SC_ComboBoxArrow || part == SC_ComboBoxEditField)) {
        const QRect r = option->rect;
        const QRect area =
            part == SC_ComboBoxArrow
                ? QRect(r.right() - ComboArrowWidth + 1, r.top(), ComboArrowWidth, r.height())
                : QRect(r.left() + ComboFrame, r.top() + ComboFrame,
                        r.width() - ComboArrowWidth - 2 * ComboFrame, r.height() - 2 * ComboFrame);
        return visualRect(option->direction, r, area);
    }
    return QProxyStyle::subControlRect(control, option, part, widget);
}

void ProgramStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                 const QWidget* widget) const
{
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    if (element != PE_IndicatorCheckBox && element != PE_IndicatorRadioButton)
        return;
    // Fusion edges the box in a shade of the panel colour, which vanishes on a dark panel.
    const QColor edge =
        mixed(option->palette.color(QPalette::Base), option->palette.color(QPalette::Text), 0.55);
    painter->save();
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QPen(edge, 1));
    if (element == PE_IndicatorRadioButton) {
        painter->setRenderHint(QPainter::Antialiasing);
        const QRectF circle = QRectF(option->rect).adjusted(1, 1, -1, -1);
        painter->drawEllipse(circle);
        if (option->state & State_On) { // the chosen option, plain to see
            painter->setPen(Qt::NoPen);
            painter->setBrush(option->palette.color(QPalette::Text));
            const double r = circle.width() / 4;
            painter->drawEllipse(circle.center(), r, r);
        }
    } else {
        painter->drawRect(QRectF(option->rect).adjusted(0.5, 0.5, -1.5, -1.5));
    }
    painter->restore();
}

int ProgramStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    // The margin beside a cell's text: a grid column is as wide as the text it was measured for.
    if (metric == PM_FocusFrameHMargin && qobject_cast<const QAbstractItemView*>(widget))
        return 1;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

void useProgramStyle()
{
    if (qobject_cast<ProgramStyle*>(QApplication::style()))
        return;
    QApplication::setStyle(new ProgramStyle); // the application owns its style
    // Message boxes, tool tips and drop-down lists in the same dark scheme as the panels.
    QApplication::setPalette(programPalette());
    QToolTip::setPalette(programPalette());
}

} // namespace orebell
