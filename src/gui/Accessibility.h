#pragma once

class QWidget;

namespace orebell {

class Control;
class FormView;

// Gives a control's widget the name and description a screen reader says (app/AccessibleNames).
void nameForReaders(const Control& control, QWidget& widget);

// Lets screen readers see the labels a view paints itself (the labels used as buttons among
// them) and leaves out what cannot be seen: the view and each of its panels list their shown
// controls, widgets and painted labels alike, in the form's order.
void exposePaintedLabels(FormView& view);

} // namespace orebell
