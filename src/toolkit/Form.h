#pragma once

#include "toolkit/Control.h"
#include "toolkit/Grid.h"

#include <QHash>
#include <QString>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

namespace orebell {

// A window: its controls in a fixed order (the order the settings store walks), control arrays,
// geometry in twips, its own events, and observers a view subscribes to.
class Form : public Placement<Form> {
public:
    using Observer = std::function<void(Control&, Prop)>;
    using FormObserver = std::function<void(Form&)>;
    using IndexHandler = std::function<void(int index)>;
    using IndexValidate = std::function<void(int index, bool& cancel)>;
    using IndexMouse = std::function<void(int index, int button, int shift, double x, double y)>;
    using MouseHandler = std::function<void(int button, int shift, double x, double y)>;

    explicit Form(QString name, QString caption = {});
    ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const QString& name() const { return name_; }
    const QString& caption() const { return caption_; }

    // Building: controls are appended in control order.
    Control& add(ControlKind kind, const QString& name, int index = -1, const QString& container = {});

    // Lookup; throws std::out_of_range naming the missing control.
    Control& control(const QString& name, int index = -1);
    const Control& control(const QString& name, int index = -1) const;
    bool has(const QString& name, int index = -1) const;
    int count(const QString& name) const; // elements of a control array (1 for a single control)
    int ubound(const QString& name) const;
    int lbound(const QString& name) const;
    std::vector<Control*> elements(const QString& name) const; // in index order
    Grid& grid(const QString& name);

    // Enumeration in control order.
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }

    // Control-array handlers: bound to every element (present now) with its index.
    void onClick(const QString& name, IndexHandler h);
    void onDblClick(const QString& name, IndexHandler h);
    void onChange(const QString& name, IndexHandler h);
    void onGotFocus(const QString& name, IndexHandler h);
    void onTimer(const QString& name, IndexHandler h);
    void onValidate(const QString& name, IndexValidate h);
    void onMouseMove(const QString& name, IndexMouse h);
    void onMouseDown(const QString& name, IndexMouse h);

    // Window geometry (twips: left(), top(), width(), height(), setLeft() ... move(), from
    // Placement) and state.
    bool visible() const { return visible_; }
    bool modal() const { return modal_; }
    void show(bool modal = false);
    void hide();
    bool onTop() const { return onTop_; }
    void setOnTop(bool onTop);
    Color backColor() const { return backColor_; } // &HBBGGRR, as for controls
    void setBackColor(Color color);

    // Window events.
    void onLoad(std::function<void()> h) { load_ = std::move(h); }
    void onActivate(std::function<void()> h) { activate_ = std::move(h); }
    void onUnload(std::function<void()> h) { unload_ = std::move(h); }
    // The system asks the window to close (window manager, desktop logout): runs the handler,
    // or unloads when there is none.
    void onCloseRequest(std::function<void()> h) { closeRequest_ = std::move(h); }
    void requestClose();
    void onFormMouseMove(MouseHandler h) { mouseMove_ = std::move(h); }
    void onFormMouseDown(MouseHandler h) { mouseDown_ = std::move(h); }
    void load();
    void activate();
    void unload(); // the window closes: observers are told, then the unload handler runs
    bool unloaded() const { return unloaded_; }
    void mouseMove(int button, int shift, double x, double y);
    void mouseDown(int button, int shift, double x, double y);

    // Whoever drives the form's timers runs every tick already due here; an event from outside
    // (a click, a key, an exit) calls it first, so that it acts after the ticks that fell due
    // before it, as it would beside timers that are never late.
    // `atExit`: the session ends, so the ticks run even while a handler waits on a box (a click
    // that opened one): what is saved then holds the ore they brought.
    void onDueTicks(std::function<void(bool atExit)> run) { dueTicks_ = std::move(run); }
    void runDueTicks()
    {
        if (dueTicks_)
            dueTicks_(false);
    }
    void runDueTicksAtExit()
    {
        if (dueTicks_)
            dueTicks_(true);
    }

    // Focus: the control that has the focus (the view keeps it in step).
    Control* focused() const { return focused_; }
    void setFocus(Control* control);

    // Observers of control and window changes; the returned id unsubscribes. An observer that
    // names the properties it watches is not called for the others (a tick changes several).
    int subscribe(Observer observer);
    int subscribe(Observer observer, std::initializer_list<Prop> watched);
    int subscribeForm(FormObserver observer);
    void unsubscribe(int id);
    void notify(Control& control, Prop prop);
    void notifyForm();

private:
    friend class Placement<Form>;
    void placementChanged() { notifyForm(); }
    struct Array {
        std::vector<Control*> byIndex; // sparse: null where no element exists
        int count = 0;
    };
    Array* array(const QString& name);
    const Array* array(const QString& name) const;
    template <class F> void forEach(const QString& name, F&& f);

    QString name_;
    QString caption_;
    std::vector<std::unique_ptr<Control>> controls_;
    QHash<QString, Array> arrays_;
    QHash<QString, Control*> singles_;

    bool visible_ = false;
    bool modal_ = false;
    bool onTop_ = false;
    Color backColor_ = 0;
    bool unloaded_ = false;
    Control* focused_ = nullptr;

    std::function<void()> load_;
    std::function<void()> activate_;
    std::function<void()> unload_;
    std::function<void()> closeRequest_;
    std::function<void(bool)> dueTicks_;
    MouseHandler mouseMove_;
    MouseHandler mouseDown_;

    int nextId_ = 1;
    struct Watcher {
        int id = 0;
        std::uint32_t props = 0; // a bit per Prop watched
        Observer observer;
    };
    std::vector<Watcher> observers_;
    std::vector<std::pair<int, FormObserver>> formObservers_;
};

} // namespace orebell
