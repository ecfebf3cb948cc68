#include "gui/WindowDrag.h"

#include "app/DragHandles.h"
#include "gui/Twips.h"
#include "toolkit/Control.h"

#include <QEvent>
#include <QWindow>

#include <cmath>

namespace orebell {

WindowDrag::WindowDrag(QWidget& window, Form& form, std::function<void(const std::function<void()>&)> deliver)
    : QObject(&window), window_(window), form_(&form), deliver_(std::move(deliver))
{
    window_.installEventFilter(this);
}

bool WindowDrag::press(Control* handle, double x, double y)
{
    moving_ = false;
    if (!form_ || !isDragHandle(*form_, handle))
        return false;
    QWindow* window = window_.windowHandle();
    if (!window || !window->startSystemMove())
        return false;
    moving_ = true;
    handle_ = handle;
    x_ = x;
    y_ = y;
    return true;
}

bool WindowDrag::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &window_ && event->type() == QEvent::Move)
        readBack();
    return false;
}

void WindowDrag::readBack()
{
    if (!form_ || form_->unloaded())
        return;
    const QPoint at = window_.pos();
    const int left = static_cast<int>(std::lround(at.x() * TwipsPerPixel));
    const int top = static_cast<int>(std::lround(at.y() * TwipsPerPixel));
    // The view's own moves land where the form already is; only the window system's differ.
    if (std::lround(form_->left() / TwipsPerPixel) == at.x() &&
        std::lround(form_->top() / TwipsPerPixel) == at.y())
        return;
    Form* form = form_;
    Control* handle = moving_ ? handle_ : nullptr;
    const double x = x_, y = y_;
    const bool dragged = moving_;
    deliver_([form, handle, left, top, x, y, dragged] {
        form->move(left, top);
        // The drag handler records where the window now is (the restore position) from a move
        // of no distance: the window system already did the moving.
        if (dragged) {
            if (handle)
                handle->mouseMove(1, 0, x, y);
            else
                form->mouseMove(1, 0, x, y);
        }
    });
}

} // namespace orebell
