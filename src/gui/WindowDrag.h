#pragma once

#include "toolkit/Form.h"

#include <QObject>
#include <QWidget>

#include <functional>

namespace orebell {

// Dragging a window that has no title bar of its own. A left press on a drag handle asks the
// window system to move the window (QWindow::startSystemMove): only it can move a window on
// Wayland, and it keeps the window on the screen elsewhere. Where it cannot, the program's own
// drag handler moves the window from the mouse moves, as before. A position the window system
// gave the window is read back into the form, never worked out from mouse offsets.
class WindowDrag : public QObject {
public:
    // deliver runs a model event the way the view runs a gesture (errors reported).
    WindowDrag(QWidget& window, Form& form, std::function<void(const std::function<void()>&)> deliver);

    // A left press at (x, y), twips inside handle (null: the form's background). True when the
    // window system took the move over.
    bool press(Control* handle, double x, double y);
    // While the window system moves the window, the hand-made move stays out of it.
    bool systemMoving() const { return moving_; }
    void release() { moving_ = false; }
    // The form is going away.
    void detach() { form_ = nullptr; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void readBack();

    QWidget& window_;
    Form* form_;
    std::function<void(const std::function<void()>&)> deliver_;
    bool moving_ = false;
    Control* handle_ = nullptr;
    double x_ = 0;
    double y_ = 0;
};

} // namespace orebell
