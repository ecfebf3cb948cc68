#pragma once

#include "toolkit/Control.h"

#include <QString>

namespace orebell {

// What a screen reader says of a control: a name from its caption, tool tip and laser or jet-can
// number ("Laser 3 start", "Laser 3 time to deplete"), and a description from its tool tip.
struct AccessibleText {
    QString name;
    QString description;
    bool button = false; // a label that works as a button
    bool listed = true;  // false: decoration (shapes, bar backgrounds) that readers skip
};

AccessibleText accessibleText(const Control& control);

} // namespace orebell
