#pragma once

#include <QRect>

namespace orebell {

// The model measures in twips; the screen in logical pixels (HiDPI scaling is Qt's).
inline constexpr double TwipsPerPixel = 15.0;

int twipsToPixels(double twips);

// Both edges are rounded, so that controls that touch in twips touch on the screen.
QRect twipsRect(int left, int top, int width, int height);

} // namespace orebell
