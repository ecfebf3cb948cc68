#include "gui/Twips.h"

#include <algorithm>
#include <cmath>

namespace orebell {

int twipsToPixels(double twips) { return static_cast<int>(std::lround(twips / TwipsPerPixel)); }

QRect twipsRect(int left, int top, int width, int height)
{
    const int x0 = twipsToPixels(left), y0 = twipsToPixels(top);
    const int x1 = twipsToPixels(static_cast<double>(left) + width);
    const int y1 = twipsToPixels(static_cast<double>(top) + height);
    return QRect(x0, y0, std::max(0, x1 - x0), std::max(0, y1 - y0));
}

} // namespace orebell
