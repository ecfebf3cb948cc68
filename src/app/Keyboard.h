#pragma once

#include "toolkit/Form.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace orebell {

// The main window's label buttons cannot take the focus, so each has a key. A key may serve
// several buttons that are never shown together (minimise and restore): it presses the first
// of them that can be seen.
struct KeyBinding {
    QStringList keys; // portable QKeySequence texts, the first one shown to the user
    struct Target {
        QString name;
        int index = -1;
    };
    std::vector<Target> targets;
};

const std::vector<KeyBinding>& keyBindings();

// The portable key text of a button, or empty when it has none.
QString keyFor(const QString& name, int index);

// The key that opens the sound chooser for the sound row that has the focus; the rows' browse
// buttons cannot take the focus themselves.
inline constexpr const char* BrowseRowKey = "Ctrl+O";

// The browse button of the sound row a control lies on (its check box, path box or delay box),
// when it can be seen; else null.
Control* browseButtonOfRow(Form& form, const Control& control);

// The button a key presses now: the first of its targets that can be seen, or null.
Control* keyTarget(Form& form, const KeyBinding& binding);

// True when the control can be seen: it and its panels are visible and enabled, its middle lies
// inside the window, and no shown panel of the window covers it.
bool canBeSeen(const Form& form, const Control& control);

// The controls that take the focus, in the order Tab visits them: only those that can be seen,
// panel A first, then laser by laser, then the panels to the right; within each, top to bottom
// and left to right.
std::vector<Control*> tabOrder(Form& form);

} // namespace orebell
