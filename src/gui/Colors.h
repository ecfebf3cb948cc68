#pragma once

#include "toolkit/Control.h"

#include <QColor>
#include <QPalette>

namespace orebell {

// A model colour as Qt draws it: &HBBGGRR (low byte red), or a system colour (&H800000nn) in the
// program's own dark desktop scheme, the same in every widget whatever its own palette holds.
QColor toQColor(Color color);

// The program's dark desktop scheme as a palette: panels, entry boxes, text, highlight, tips.
QPalette programPalette();

} // namespace orebell
