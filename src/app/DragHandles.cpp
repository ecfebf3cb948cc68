#include "app/DragHandles.h"

namespace orebell {

bool isDragHandle(const Form& form, const Control* control)
{
    if (form.name() == QStringLiteral("frmOrebell"))
        return control && control->name() == QStringLiteral("lblControlButton") && control->index() == 7;
    if (form.name() == QStringLiteral("frmBrowse"))
        return !control || control->name() == QStringLiteral("lblSelectSound");
    return false;
}

} // namespace orebell
