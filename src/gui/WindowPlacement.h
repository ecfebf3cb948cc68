#pragma once

#include <QRect>
#include <QSize>

#include <optional>

namespace orebell {

// Where a secondary window opens: inside `available` (the free area of the screen the main
// window is on), at its remembered place and size when there is one, else at `wanted` size beside
// the main window (right, else left) where there is room, narrowed down to `smallest` (when
// given) to stay beside it, else over it. Never larger than the area, never partly off it.
QRect placeBeside(const QRect& main, const QRect& available, const QSize& wanted,
                  const std::optional<QRect>& remembered = std::nullopt, const QSize& smallest = {});

} // namespace orebell
