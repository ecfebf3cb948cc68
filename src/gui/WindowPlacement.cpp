#include "gui/WindowPlacement.h"

#include <algorithm>

namespace orebell {

namespace {
constexpr int Gap = 8; // between the main window and the one beside it

int clampInto(int start, int length, int areaStart, int areaLength)
{
    return std::clamp(start, areaStart, areaStart + std::max(0, areaLength - length));
}
} // namespace

QRect placeBeside(const QRect& main, const QRect& available, const QSize& wanted,
                  const std::optional<QRect>& remembered)
{
    const QSize size =
        (remembered && remembered->isValid() ? remembered->size() : wanted).boundedTo(available.size());
    if (remembered && remembered->isValid()) {
        return {clampInto(remembered->left(), size.width(), available.left(), available.width()),
                clampInto(remembered->top(), size.height(), available.top(), available.height()),
                size.width(), size.height()};
    }
    const int top = clampInto(main.top(), size.height(), available.top(), available.height());
    const int right = main.right() + 1 + Gap;
    if (right + size.width() <= available.right() + 1)
        return {right, top, size.width(), size.height()};
    const int left = main.left() - Gap - size.width();
    if (left >= available.left())
        return {left, top, size.width(), size.height()};
    // No room on either side: centred on the screen, over the main window.
    return {available.left() + (available.width() - size.width()) / 2,
            available.top() + (available.height() - size.height()) / 2, size.width(), size.height()};
}

} // namespace orebell
