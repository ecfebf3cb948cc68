#pragma once

#include "toolkit/Form.h"

#include <QEvent>
#include <QObject>
#include <QPointF>

#include <exception>

class QFocusEvent;
class QHelpEvent;
class QMouseEvent;
class QWidget;

namespace orebell {

class MessageBoxService;
class ModelBinder;
class Surface;
class WidgetBuilder;
class WindowDrag;

// Turns the user's gestures on a form's window and its widgets (mouse, focus, a widget's own
// signals) into the model's events. Each event runs behind a handler gate; what escapes it is
// reported, and nothing more is delivered once the form has gone.
class GestureRouter : public QObject {
    Q_OBJECT
public:
    // messages: where a failure that escapes an event handler is reported (else the log).
    GestureRouter(Form& form, QWidget& window, WidgetBuilder& widgets, ModelBinder& binder,
                  MessageBoxService* messages);

    // Connects a new widget's own signals (edits, clicks, choices) to its control's events.
    void wire(Control& c, QWidget* w);
    // The window's close button: the program decides whether the window closes.
    void requestClose();
    void report(const std::exception& e);
    // A key pressed the control: its click.
    void pressByKey(Control& c);

    // The form is going away: no more events reach it.
    void release();
    // The window is being destroyed: events its parts still see are ignored.
    void windowDying() { dying_ = true; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Runs a model event and reports what escapes it.
    template <class F> void deliver(F&& f);
    bool mouseEvent(QWidget* w, Control* c, QEvent* event);
    // A label painted on its container: it takes the mouse as its widget did.
    Control* paintedTarget(Surface& s, const QMouseEvent* me);
    bool itemMouseEvent(const Surface& s, Control& item, QMouseEvent* me);
    bool deliverMouse(Control* c, const QPointF& pos, const QRect& area, bool consume, QMouseEvent* me);
    bool toolTip(QWidget* container, QHelpEvent* event);
    void focusIn(Control& c, QFocusEvent* event);
    void focusOut(QWidget* w, Control& c, QFocusEvent* event);
    void pushSelection(Control& c, QWidget* w);
    void comboChosen(Control& c, QWidget* w, int index);

    Form* form_;
    QWidget& window_;
    WidgetBuilder& widgets_;
    ModelBinder& binder_;
    MessageBoxService* messages_;
    WindowDrag* drag_; // a child: the window system's move where it has one, else the program's
    bool dying_ = false;
    QWidget* refocus_ = nullptr;             // a cancelled Validate takes the focus back here
    const Control* doubleClicked_ = nullptr; // its next release ends the double click
    struct LastMouse {
        const Control* control = nullptr;
        QEvent::Type type = QEvent::None;
        quint64 timestamp = 0;
        QPointF global;
    } lastMouse_;
    // The painted label a button went down on: it has the mouse until the button is released, as
    // a widget would.
    struct Grab {
        const Surface* surface = nullptr;
        Control* item = nullptr;
    } grab_;
};

} // namespace orebell
