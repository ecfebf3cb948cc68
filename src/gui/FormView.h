#pragma once

#include "gui/ModelBinder.h"
#include "gui/WidgetBuilder.h"
#include "toolkit/Form.h"

#include <QWidget>

#include <memory>
#include <optional>

namespace orebell {

class GestureRouter;
class MessageBoxService;
class MonotonicClock;
class TimerDriver;

// The window of one model Form: its widgets made by a WidgetBuilder, kept in step with the model by
// a ModelBinder through the form's observers, and the user's gestures turned into the model's
// events by a GestureRouter. The widgets hold no program state: what they show is always read from
// the model.
class FormView : public QWidget {
    Q_OBJECT
public:
    // messages: where a failure that escapes an event handler is reported (else the log).
    // clock: what the form's timers run on; null for the system's monotonic clock.
    explicit FormView(Form& form, MessageBoxService* messages = nullptr, QWidget* parent = nullptr,
                      const MonotonicClock* clock = nullptr);
    ~FormView() override;

    Form* form() const { return form_; }
    // The widget of a control (made now if its panel has not been shown yet); null for a timer.
    QWidget* widgetFor(const Control& control);
    QWidget* widgetFor(const QString& name, int index = -1);
    TimerDriver* timers() const { return timers_; }

    // A label or border painted on its container rather than a widget of its own: the container,
    // where it lies there and how its caption is aligned. None for a control with a widget.
    struct PaintedItem {
        QWidget* container = nullptr;
        QRect rect;
        Qt::Alignment alignment;
    };
    std::optional<PaintedItem> paintedItem(const QString& name, int index = -1);

    // The title the desktop shows (task switcher, window list) in place of the form's caption.
    void setDesktopTitle(const QString& title);

    // The control a widget (or an inner part of one) shows; null for none.
    Control* controlOf(const QObject* widget) const { return builder_.owner(widget); }
    // The labels a container paints itself, if it paints any.
    Surface* surfaceOf(const QWidget* container) const { return builder_.surfaceOf(container); }

    // A key pressed the control: the same as a click on it.
    void pressByKey(Control& c);

    // The model form is going away: drop every tie to it; the window closes.
    void release();

    static int toPixels(double twips);

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void controlChanged(Control& c, Prop prop);
    void applyWindow();

    Form* form_;
    ModelBinder binder_;
    WidgetBuilder builder_;
    GestureRouter* router_ = nullptr;
    TimerDriver* timers_ = nullptr;
    int controlSubscription_ = 0;
    int formSubscription_ = 0;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true); // read by the form's observers
    QString desktopTitle_;
    bool closing_ = false;     // the model unloaded: let the window close
    bool insideClose_ = false; // the close request is being answered
};

} // namespace orebell
