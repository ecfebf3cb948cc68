#pragma once

#include "toolkit/Control.h"

#include <QColor>
#include <QPalette>

namespace orebell {

// A model colour as Qt draws it: &HBBGGRR (low byte red), or a system colour (&H800000nn) taken
// from the application palette.
QColor toQColor(Color color, const QPalette& palette);
QColor toQColor(Color color);

} // namespace orebell
