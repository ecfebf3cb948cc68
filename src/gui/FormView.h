#pragma once

#include "toolkit/Form.h"

#include <QEvent>
#include <QHash>
#include <QPointF>
#include <QWidget>

#include <exception>
#include <memory>
#include <vector>

namespace orebell {

class MessageBoxService;
class TimerDriver;

// The window of one model Form: a widget per control, laid out from twips, kept in step with the
// model through its observers, and turning the user's gestures into the model's events. The
// widgets hold no program state: what they show is always read from the model.
class FormView : public QWidget {
    Q_OBJECT
public:
    // messages: where a failure that escapes an event handler is reported (else the log).
    explicit FormView(Form& form, MessageBoxService* messages = nullptr, QWidget* parent = nullptr);
    ~FormView() override;

    Form* form() const { return form_; }
    // The widget of a control (made now if its panel has not been shown yet); null for a timer.
    QWidget* widgetFor(const Control& control);
    QWidget* widgetFor(const QString& name, int index = -1);
    TimerDriver* timers() const { return timers_; }

    // The model form is going away: drop every tie to it; the window closes.
    void release();

    static int toPixels(double twips);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* create(Control& c, QWidget* parent);
    void build(Control& c);
    bool shownChain(const QString& frame) const;
    void populate(const QString& frame);
    QWidget* containerFor(const Control& c);
    QWidget* frameWidget(const QString& name, int depth);
    void watch(QWidget* w, Control* c);
    void restack();

    void controlChanged(Control& c, Prop prop);
    void formChanged();
    void applyAll(Control& c, QWidget* w);
    void apply(Control& c, QWidget* w, Prop prop);
    void applyText(Control& c, QWidget* w);
    void applyColors(Control& c, QWidget* w);
    void applyFont(Control& c, QWidget* w);
    void applyGeometry(Control& c, QWidget* w);
    void applySelection(Control& c, QWidget* w);
    void applyList(Control& c, QWidget* w);
    void applyFolder(Control& c, QWidget* w);
    void applyGrid(Control& c, QWidget* w);
    void applyWindow();

    // Gestures: run a model event, report what escapes it, and stop if the form went away.
    template <class F> void deliver(F&& f);
    void report(const std::exception& e);
    bool mouseEvent(QWidget* w, Control* c, QEvent* event);
    void focusIn(Control& c, QFocusEvent* event);
    void focusOut(QWidget* w, Control& c, QFocusEvent* event);
    void pushSelection(Control& c, QWidget* w);
    void comboChosen(Control& c, QWidget* w, int index);

    Form* form_;
    MessageBoxService* messages_;
    TimerDriver* timers_ = nullptr;
    int controlSubscription_ = 0;
    int formSubscription_ = 0;
    QHash<const Control*, QWidget*> widgets_;
    QHash<const QObject*, Control*> owners_; // every widget of a control, inner parts included
    QHash<QString, QWidget*> frames_;
    // Controls of panels never shown yet, by their frame: their widgets are made when it shows.
    QHash<QString, std::vector<Control*>> pending_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true); // read by the form's observers
    bool closing_ = false;                                       // the model unloaded: let the window close
    bool insideClose_ = false;                                   // the close request is being answered
    bool dying_ = false;                                         // in the destructor
    int syncing_ = 0;                        // applying the model to a widget: its signals are not gestures
    QWidget* refocus_ = nullptr;             // a cancelled Validate takes the focus back here
    const Control* doubleClicked_ = nullptr; // its next release ends the double click
    struct LastMouse {
        const Control* control = nullptr;
        QEvent::Type type = QEvent::None;
        quint64 timestamp = 0;
        QPointF global;
    } lastMouse_;
};

} // namespace orebell
