#include "platform/WindowFont.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>

namespace orebell {

namespace {

// Narrow sans serifs first: the window was laid out for one, and wide faces clip captions.
QStringList wantedFamilies()
{
    return {QStringLiteral("Microsoft Sans Serif"),
            QStringLiteral("Tahoma"),
            QStringLiteral("Liberation Sans"),
            QStringLiteral("Arial"),
            QStringLiteral("Helvetica"),
            QStringLiteral("DejaVu Sans")};
}

// Qt takes the first of a font's families that is installed, but when the first one is missing
// it asks fontconfig for that family's substitutes first (a sort of every installed font, once
// per style: milliseconds at start-up). Putting the installed one first gives the same font at
// the first try; the others stay behind it.
QStringList orderedFamilies()
{
    QStringList families = wantedFamilies();
    const QStringList installed = QFontDatabase::families();
    for (qsizetype i = 0; i < families.size(); ++i) {
        if (installed.contains(families.at(i), Qt::CaseInsensitive)) {
            families.move(i, 0);
            break;
        }
    }
    return families;
}

} // namespace

QFont windowFont(double points, bool bold)
{
    QFont font;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        static const QStringList families = orderedFamilies();
        font.setFamilies(families);
    } else {
        font.setFamilies(wantedFamilies()); // no font database before the application
    }
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points > 0 ? points : 8.25);
    font.setBold(bold);
    return font;
}

} // namespace orebell
