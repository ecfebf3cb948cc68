#pragma once

#include <QFont>

namespace orebell {

// The font the windows are drawn in, and in which text widths are measured: a plain sans serif at
// the given size (points), so captions laid out in twips keep their proportions on every desktop.
QFont windowFont(double points = 8.25, bool bold = false);

} // namespace orebell
