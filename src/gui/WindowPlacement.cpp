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
                  const std::optional<QRect>& remembered, const QSize& smallest)
{
    if (remembered && remembered->isValid()) {
        const QSize size = remembered->size().expandedTo(smallest).boundedTo(available.size());
        return {clampInto(remembered->left(), size.width(), available.left(), available.width()),
                clampInto(remembered->top(), size.height(), available.top(), available.height()),
                size.width(), size.height()};
    }
    const QSize size = wanted.boundedTo(available.size());
    const int least = smallest.isEmpty() ? size.width() : std::min(smallest.width(), size.width());
    const int top = clampInto(main.top(), size.height(), available.top(), available.height());
    const int right = main.right() + 1 + Gap;
    const int roomRight = available.right() + 1 - right;
    const int roomLeft = main.left() - Gap - available.left();
    if (roomRight >= size.width())
        return {right, top, size.width(), size.height()};
    if (roomLeft >= size.width())
        return {main.left() - Gap - size.width(), top, size.width(), size.height()};
    // Narrower, on the side with more room, rather than over the main window.
    if (std::max(roomRight, roomLeft) >= least) {
        if (roomRight >= roomLeft)
            return {right, top, roomRight, size.height()};
        return {available.left(), top, roomLeft, size.height()};
    }
    // No room on either side: centred on the screen, over the main window.
    return {available.left() + (available.width() - size.width()) / 2,
            available.top() + (available.height() - size.height()) / 2, size.width(), size.height()};
}

} // namespace orebell
