#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <vector>

class QShortcut;

namespace orebell {

class Control;
class FormView;

// A control's tool tip with its key, in the words of the user's keyboard (" Timer (Alt+T) ").
QString toolTipWithKey(const Control& control);

// The main window on the keyboard: Tab and Shift+Tab over what can be seen in reading order,
// Return and Enter press a button as Space does, a key for each label button, and a frame that
// shows which control has the focus, whatever its kind; Ctrl+O opens the sound chooser for the
// focused sound row. Owned beside the view and destroyed
// before it: the view's widgets must not be asked about while they go.
class KeyboardAccess : public QObject {
    Q_OBJECT
public:
    explicit KeyboardAccess(FormView& view);
    ~KeyboardAccess() override;

    // The widgets Tab visits now, in order.
    std::vector<QWidget*> tabStops() const;
    // The widget the focus frame surrounds (null when it is hidden).
    QWidget* ringTarget() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void focusFirst();
    void browseFocusedRow();
    void keepFocusInSight();
    bool moveFocus(QWidget* from, bool forward);
    void focusChanged(QWidget* now);
    void placeRing();

    FormView& view_;
    QWidget* ring_;
    QPointer<QWidget> target_;
    std::vector<QShortcut*> shortcuts_;
    bool focusedAtStart_ = false;
};

} // namespace orebell
