#pragma once

#include <QProxyStyle>

namespace orebell {

// The program's look on every desktop: Fusion, which draws with the colours the view gives each
// control (desktop themes ignore them), with a slim drop-down button so that ore names fit the
// narrow ore lists, grid cells that hold a text as wide as their column, and check boxes and
// option buttons that stand out on the dark panels.
class ProgramStyle : public QProxyStyle {
    Q_OBJECT
public:
    ProgramStyle();

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
};

// Makes ProgramStyle the application's style and the program's dark scheme its palette (once).
void useProgramStyle();

} // namespace orebell
