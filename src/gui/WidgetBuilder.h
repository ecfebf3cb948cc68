#pragma once

#include "gui/Surface.h"
#include "toolkit/Form.h"

#include <QHash>
#include <QString>

#include <functional>
#include <vector>

class QObject;
class QWidget;

namespace orebell {

// Makes the widget of each control of a form, on the right container and in the right stacking
// order, and remembers which control every widget (inner parts included) belongs to. Labels and
// borders get no widget: they are items of their container's Surface, except a caption written on
// a picture, which has to lie above the picture's widget. The controls
// of a panel never shown yet wait until it first shows: most of the window is panels, and the
// program starts on the timers.
class WidgetBuilder {
public:
    struct Hooks {
        // A new widget's own signals become the model's events.
        std::function<void(Control&, QWidget*)> wire;
        // A new widget, stacked, takes on its control's state.
        std::function<void(Control&, QWidget*)> show;
        // Sees every event of every part of every control's widget.
        QObject* filter = nullptr;
    };

    WidgetBuilder(Form& form, QWidget& window);

    // Makes the widgets of every control that shows now.
    void build(Hooks hooks);
    // The form is going away: nothing more is made.
    void release() { form_ = nullptr; }

    QWidget* widget(const Control* c) const { return made(c).widget; }
    // The surface a label or border is painted on (null for a control with a widget of its own).
    Surface* surface(const Control* c) const { return made(c).surface; }
    // The surface a container paints, if it has one.
    Surface* surfaceOf(const QWidget* container) const { return surfaces_.value(container); }
    // The widget of a control, made now if its panel has not been shown yet.
    QWidget* widgetFor(const Control& c);
    // The painted item of a label or border (null for a control with a widget), its panel's
    // items made now if they were waiting.
    const Surface::Item* itemFor(const Control& c);
    // The control a widget or one of its inner parts belongs to.
    Control* owner(const QObject* part) const { return owners_.value(part); }
    bool owns(const QObject* part) const { return owners_.contains(part); }

    // A panel became visible: its waiting controls are made if its whole chain shows.
    void panelShown(const Control& frame);

private:
    static QWidget* create(Control& c, QWidget* parent);
    bool shownChain(const QString& frame) const;
    void populate(const QString& frame);
    QWidget* containerFor(const Control& c);
    QWidget* frameWidget(const QString& name, int depth);
    QWidget* make(Control& c, QWidget* parent);
    bool paintable(const Control& c) const;
    Surface* surfaceFor(QWidget* container);
    void watch(QWidget* w, Control* c);
    void restack();

    // What was made for a control, found by its place in the form: a model change reaches its
    // widget or surface with no look-up in a hash.
    struct Made {
        const Control* control = nullptr;
        QWidget* widget = nullptr;
        Surface* surface = nullptr;
    };
    const Made& made(const Control* c) const
    {
        static const Made none;
        const auto at = c ? static_cast<std::size_t>(c->order()) : made_.size();
        return at < made_.size() && made_[at].control == c ? made_[at] : none;
    }
    Made& slot(const Control& c);

    Form* form_;
    QWidget& window_;
    Hooks hooks_;
    std::vector<Made> made_;                 // by the controls' order in the form
    QHash<const QObject*, Control*> owners_; // every widget of a control, inner parts included
    QHash<QString, QWidget*> frames_;
    QHash<const QWidget*, Surface*> surfaces_; // each owned by its container
    // The pictures of each container: a label on one keeps a widget (paintable).
    QHash<QString, std::vector<const Control*>> images_;
    // Controls of panels never shown yet, by their frame: their widgets are made when it shows.
    QHash<QString, std::vector<Control*>> pending_;
};

} // namespace orebell
