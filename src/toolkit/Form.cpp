#include "toolkit/Form.h"

#include <stdexcept>

namespace orebell {

Form::Form(QString name, QString caption) : name_(std::move(name)), caption_(std::move(caption)) {}

Form::~Form() = default;

Control& Form::add(ControlKind kind, const QString& name, int index, const QString& container)
{
    if (has(name, index))
        throw std::logic_error("duplicate control " + name.toStdString() + "(" + std::to_string(index) + ")");
    controls_.push_back(std::make_unique<Control>(*this, kind, name, index, container));
    Control* c = controls_.back().get();
    c->order_ = static_cast<int>(controls_.size()) - 1;
    if (index < 0) {
        singles_.insert(name, c);
    } else {
        Array& a = arrays_[name];
        if (static_cast<int>(a.byIndex.size()) <= index)
            a.byIndex.resize(index + 1, nullptr);
        a.byIndex[index] = c;
        ++a.count;
    }
    return *c;
}

Form::Array* Form::array(const QString& name)
{
    auto it = arrays_.find(name);
    return it == arrays_.end() ? nullptr : &it.value();
}

const Form::Array* Form::array(const QString& name) const
{
    auto it = arrays_.constFind(name);
    return it == arrays_.cend() ? nullptr : &it.value();
}

bool Form::has(const QString& name, int index) const
{
    if (index < 0)
        return singles_.contains(name);
    const Array* a = array(name);
    return a && index < static_cast<int>(a->byIndex.size()) && a->byIndex[index];
}

Control& Form::control(const QString& name, int index)
{
    return const_cast<Control&>(std::as_const(*this).control(name, index));
}

const Control& Form::control(const QString& name, int index) const
{
    if (index < 0) {
        auto it = singles_.constFind(name);
        if (it != singles_.cend())
            return **it;
    } else if (const Array* a = array(name);
               a && index < static_cast<int>(a->byIndex.size()) && a->byIndex[index]) {
        return *a->byIndex[index];
    }
    throw std::out_of_range("no control " + name.toStdString() +
                            (index < 0 ? std::string() : "(" + std::to_string(index) + ")") + " on " +
                            name_.toStdString());
}

int Form::count(const QString& name) const
{
    if (const Array* a = array(name))
        return a->count;
    return singles_.contains(name) ? 1 : 0;
}

int Form::ubound(const QString& name) const
{
    const Array* a = array(name);
    if (!a)
        throw std::out_of_range("no control array " + name.toStdString());
    return static_cast<int>(a->byIndex.size()) - 1;
}

int Form::lbound(const QString& name) const
{
    const Array* a = array(name);
    if (!a)
        throw std::out_of_range("no control array " + name.toStdString());
    for (int i = 0; i < static_cast<int>(a->byIndex.size()); ++i)
        if (a->byIndex[i])
            return i;
    return 0;
}

std::vector<Control*> Form::elements(const QString& name) const
{
    std::vector<Control*> out;
    if (const Array* a = array(name)) {
        for (Control* c : a->byIndex)
            if (c)
                out.push_back(c);
    } else if (auto it = singles_.constFind(name); it != singles_.cend()) {
        out.push_back(*it);
    }
    return out;
}

Grid& Form::grid(const QString& name) { return control(name).grid(); }

template <class F> void Form::forEach(const QString& name, F&& f)
{
    auto list = elements(name);
    if (list.empty())
        throw std::out_of_range("no control " + name.toStdString() + " on " + name_.toStdString());
    for (Control* c : list)
        f(*c, c->index());
}

void Form::onClick(const QString& name, IndexHandler h)
{
    forEach(name, [&](Control& c, int i) { c.onClick([h, i] { h(i); }); });
}

void Form::onDblClick(const QString& name, IndexHandler h)
{
    forEach(name, [&](Control& c, int i) { c.onDblClick([h, i] { h(i); }); });
}

void Form::onChange(const QString& name, IndexHandler h)
{
    forEach(name, [&](Control& c, int i) { c.onChange([h, i] { h(i); }); });
}

void Form::onGotFocus(const QString& name, IndexHandler h)
{
    forEach(name, [&](Control& c, int i) { c.onGotFocus([h, i] { h(i); }); });
}

void Form::onTimer(const QString& name, IndexHandler h)
{
    forEach(name, [&](Control& c, int i) { c.onTimer([h, i] { h(i); }); });
}

void Form::onValidate(const QString& name, IndexValidate h)
{
    forEach(name, [&](Control& c, int i) { c.onValidate([h, i](bool& cancel) { h(i, cancel); }); });
}

void Form::onMouseMove(const QString& name, IndexMouse h)
{
    forEach(name, [&](Control& c, int i) {
        c.onMouseMove([h, i](int b, int s, double x, double y) { h(i, b, s, x, y); });
    });
}

void Form::onMouseDown(const QString& name, IndexMouse h)
{
    forEach(name, [&](Control& c, int i) {
        c.onMouseDown([h, i](int b, int s, double x, double y) { h(i, b, s, x, y); });
    });
}

void Form::show(bool modal)
{
    modal_ = modal;
    if (visible_)
        return;
    visible_ = true;
    notifyForm();
}

void Form::hide()
{
    if (!visible_)
        return;
    visible_ = false;
    notifyForm();
}

void Form::setOnTop(bool onTop)
{
    if (onTop_ == onTop)
        return;
    onTop_ = onTop;
    notifyForm();
}

void Form::setBackColor(Color color)
{
    if (backColor_ == color)
        return;
    backColor_ = color;
    notifyForm();
}

void Form::load()
{
    if (load_)
        load_();
}

void Form::activate()
{
    if (activate_)
        activate_();
}

void Form::unload()
{
    if (unloaded_)
        return;
    unloaded_ = true;
    visible_ = false;
    notifyForm();
    if (unload_)
        unload_();
}

void Form::requestClose()
{
    if (closeRequest_)
        closeRequest_();
    else
        unload();
}

void Form::mouseMove(int button, int shift, double x, double y)
{
    if (mouseMove_)
        mouseMove_(button, shift, x, y);
}

void Form::mouseDown(int button, int shift, double x, double y)
{
    if (mouseDown_)
        mouseDown_(button, shift, x, y);
}

void Form::setFocus(Control* control)
{
    if (focused_ == control)
        return;
    focused_ = control;
    if (control)
        notify(*control, Prop::Focus);
}

namespace {
std::uint32_t propBit(Prop prop) { return std::uint32_t{1} << static_cast<unsigned>(prop); }
static_assert(static_cast<unsigned>(Prop::Focus) < 32, "a bit per property");
} // namespace

int Form::subscribe(Observer observer) { return subscribe(std::move(observer), {}); }

int Form::subscribe(Observer observer, std::initializer_list<Prop> watched)
{
    std::uint32_t props = 0;
    for (const Prop p : watched)
        props |= propBit(p);
    observers_.push_back({nextId_, watched.size() == 0 ? ~std::uint32_t{0} : props, std::move(observer)});
    return nextId_++;
}

int Form::subscribeForm(FormObserver observer)
{
    formObservers_.emplace_back(nextId_, std::move(observer));
    return nextId_++;
}

void Form::unsubscribe(int id)
{
    std::erase_if(observers_, [id](const Watcher& w) { return w.id == id; });
    std::erase_if(formObservers_, [id](const auto& p) { return p.first == id; });
}

void Form::notify(Control& control, Prop prop)
{
    const std::uint32_t bit = propBit(prop);
    for (auto& w : observers_)
        if (w.props & bit)
            w.observer(control, prop);
}

void Form::notifyForm()
{
    for (auto& [id, observer] : formObservers_)
        observer(*this);
}

} // namespace orebell
