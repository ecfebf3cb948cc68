#pragma once

#include "toolkit/Control.h"
#include "toolkit/Form.h"

namespace orebell {

// Where a window without a title bar of its own is dragged: the main window by its title label,
// the sound chooser by its heading or its background (control null).
bool isDragHandle(const Form& form, const Control* control);

} // namespace orebell
