#include "platform/QtScreens.h"

#include <QGuiApplication>
#include <QScreen>

namespace orebell {

namespace {
constexpr int TwipsPerPixel = 15;

QRect inTwips(const QRect& pixels)
{
    return {pixels.x() * TwipsPerPixel, pixels.y() * TwipsPerPixel, pixels.width() * TwipsPerPixel,
            pixels.height() * TwipsPerPixel};
}
} // namespace

QList<QRect> QtScreens::availableGeometries()
{
    QList<QRect> out;
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (primary)
        out.append(inTwips(primary->availableGeometry()));
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen != primary)
            out.append(inTwips(screen->availableGeometry()));
    return out;
}

} // namespace orebell
