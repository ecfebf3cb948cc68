#include "platform/WindowFont.h"

#include <QStringList>

namespace orebell {

QFont windowFont(double points, bool bold)
{
    // Narrow sans serifs first: the window was laid out for one, and wide faces clip captions.
    QFont font;
    font.setFamilies({QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Tahoma"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("Helvetica"),
                      QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points > 0 ? points : 8.25);
    font.setBold(bold);
    return font;
}

} // namespace orebell
