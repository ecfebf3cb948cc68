#include "platform/WindowFont.h"

namespace orebell {

QFont windowFont(double points, bool bold)
{
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points > 0 ? points : 8.25);
    font.setBold(bold);
    return font;
}

} // namespace orebell
