#include "toolkit/Control.h"

#include "toolkit/Conventions.h"
#include "toolkit/Form.h"
#include "toolkit/Grid.h"

#include <algorithm>
#include <stdexcept>

namespace orebell {

QString kindName(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Label:
        return QStringLiteral("Label");
    case ControlKind::TextBox:
        return QStringLiteral("TextBox");
    case ControlKind::CheckBox:
        return QStringLiteral("CheckBox");
    case ControlKind::OptionButton:
        return QStringLiteral("OptionButton");
    case ControlKind::ComboBox:
        return QStringLiteral("ComboBox");
    case ControlKind::Frame:
        return QStringLiteral("Frame");
    case ControlKind::Shape:
        return QStringLiteral("Shape");
    case ControlKind::PictureBox:
        return QStringLiteral("PictureBox");
    case ControlKind::Image:
        return QStringLiteral("Image");
    case ControlKind::CommandButton:
        return QStringLiteral("CommandButton");
    case ControlKind::Timer:
        return QStringLiteral("Timer");
    case ControlKind::RichTextBox:
        return QStringLiteral("RichTextBox");
    case ControlKind::Grid:
        return QStringLiteral("MSHFlexGrid");
    case ControlKind::DirListBox:
        return QStringLiteral("DirListBox");
    case ControlKind::FileListBox:
        return QStringLiteral("FileListBox");
    }
    return {};
}

Control::Control(Form& form, ControlKind kind, QString name, int index, QString container)
    : form_(form), kind_(kind), name_(std::move(name)), index_(index), container_(std::move(container))
{
    if (kind_ == ControlKind::Grid)
        grid_ = std::make_unique<Grid>([this] { notify(Prop::GridCells); });
    if (kind_ == ControlKind::Timer)
        enabled_ = false;
    // A shape is drawn and a frame shows its border and caption unless told otherwise.
    if (kind_ == ControlKind::Shape || kind_ == ControlKind::Frame)
        borderStyle_ = 1;
}

Control::~Control() = default;

QString Control::displayName() const
{
    return index_ < 0 ? name_ : QStringLiteral("%1(%2)").arg(name_).arg(index_);
}

void Control::notify(Prop prop) { form_.notify(*this, prop); }

void Control::setCaption(const QString& caption)
{
    if (caption_ == caption)
        return;
    caption_ = caption;
    notify(Prop::Caption);
    if (kind_ == ControlKind::Label && change_)
        change_();
}

void Control::setText(const QString& text)
{
    if (text_ == text)
        return;
    text_ = text;
    notify(Prop::Text);
    if (kind_ == ControlKind::ComboBox) {
        if (click_)
            click_();
    } else if (change_) {
        change_();
    }
}

void Control::userSetText(const QString& text) { setText(text); }

void Control::setTag(const QString& tag)
{
    if (tag_ == tag)
        return;
    tag_ = tag;
    notify(Prop::Tag);
}

void Control::setToolTipText(const QString& tip)
{
    if (toolTip_ == tip)
        return;
    toolTip_ = tip;
    notify(Prop::ToolTip);
}

void Control::setVisible(bool visible)
{
    if (visible_ == visible)
        return;
    visible_ = visible;
    notify(Prop::Visible);
}

void Control::setEnabled(bool enabled)
{
    if (enabled_ == enabled)
        return;
    enabled_ = enabled;
    notify(Prop::Enabled);
}

void Control::setLocked(bool locked)
{
    if (locked_ == locked)
        return;
    locked_ = locked;
    notify(Prop::Locked);
}

void Control::setValue(int value)
{
    if (kind_ == ControlKind::OptionButton)
        value = value != 0 ? 1 : 0;
    if (value_ == value)
        return;
    value_ = value;
    if (kind_ == ControlKind::OptionButton && value_ == 1)
        selectOption();
    notify(Prop::Value);
    // An option button clicks when it becomes selected, a check box on every change.
    if (kind_ == ControlKind::CheckBox || (kind_ == ControlKind::OptionButton && value_ == 1)) {
        if (click_)
            click_();
    }
}

void Control::selectOption()
{
    for (const auto& other : form_.controls()) {
        if (other.get() != this && other->kind() == ControlKind::OptionButton &&
            other->container() == container_ && other->value_ != 0) {
            other->value_ = 0;
            other->notify(Prop::Value);
        }
    }
}

void Control::setBackColor(Color color)
{
    if (backColor_ == color)
        return;
    backColor_ = color;
    notify(Prop::BackColor);
}

void Control::setForeColor(Color color)
{
    if (foreColor_ == color)
        return;
    foreColor_ = color;
    notify(Prop::ForeColor);
}

void Control::setBorderColor(Color color)
{
    if (borderColor_ == color)
        return;
    borderColor_ = color;
    notify(Prop::BorderColor);
}

void Control::setBorderStyle(int style)
{
    if (borderStyle_ == style)
        return;
    borderStyle_ = style;
    notify(Prop::BorderStyle);
}

void Control::setFontSize(double points)
{
    if (fontSize_ == points)
        return;
    fontSize_ = points;
    notify(Prop::Font);
}

void Control::setFontBold(bool bold)
{
    if (fontBold_ == bold)
        return;
    fontBold_ = bold;
    notify(Prop::Font);
}

void Control::setAlignment(int alignment)
{
    if (alignment_ == alignment)
        return;
    alignment_ = alignment;
    notify(Prop::Font);
}

void Control::setSelStart(int start)
{
    start = std::clamp(start, 0, static_cast<int>(text_.size()));
    if (selStart_ == start)
        return;
    selStart_ = start;
    notify(Prop::Selection);
}

void Control::setSelLength(int length)
{
    length = std::clamp(length, 0, static_cast<int>(text_.size()) - selStart_);
    if (selLength_ == length)
        return;
    selLength_ = length;
    notify(Prop::Selection);
}

void Control::setInterval(int ms)
{
    ms = std::max(ms, 0);
    if (interval_ == ms && period_ == ms)
        return;
    interval_ = ms;
    period_ = ms;
    notify(Prop::Interval);
}

void Control::setPeriod(double ms)
{
    if (period_ == ms)
        return;
    period_ = ms;
    notify(Prop::Interval);
}

void Control::fire()
{
    if (kind_ == ControlKind::Timer && enabled_ && interval_ > 0 && timer_) {
        // A tick converts a dozen numbers; none of its handlers sets a locale.
        const SteadyLocale steady;
        timer_();
    }
}

QString Control::list(int i) const
{
    if (i < 0 || i >= list_.size())
        throw std::out_of_range("list index out of range in " + displayName().toStdString());
    return list_.at(i);
}

void Control::addItem(const QString& item)
{
    list_.append(item);
    notify(Prop::List);
}

void Control::clearList()
{
    if (list_.isEmpty())
        return;
    list_.clear();
    notify(Prop::List);
}

void Control::setPath(const QString& path)
{
    if (path_ == path)
        return;
    path_ = path;
    notify(Prop::Path);
    if (kind_ == ControlKind::DirListBox && change_)
        change_();
}

void Control::setFileName(const QString& fileName)
{
    if (fileName_ == fileName)
        return;
    fileName_ = fileName;
    notify(Prop::FileName);
}

Grid& Control::grid()
{
    if (!grid_)
        throw std::out_of_range(displayName().toStdString() + " is not a grid");
    return *grid_;
}

const Grid& Control::grid() const
{
    if (!grid_)
        throw std::out_of_range(displayName().toStdString() + " is not a grid");
    return *grid_;
}

void Control::click()
{
    switch (kind_) {
    case ControlKind::OptionButton:
        if (value_ == 1)
            raiseClick();
        else
            setValue(1);
        break;
    case ControlKind::CheckBox:
        setValue(value_ == 0 ? 1 : 0);
        break;
    default:
        raiseClick();
        break;
    }
}

void Control::raiseClick()
{
    if (click_)
        click_();
}

void Control::dblClick()
{
    click();
    raiseDblClick();
}

void Control::raiseDblClick()
{
    if (dblClick_)
        dblClick_();
}

bool Control::validate()
{
    bool cancel = false;
    if (validate_)
        validate_(cancel);
    return !cancel;
}

void Control::gotFocus()
{
    form_.setFocus(this);
    if (gotFocus_)
        gotFocus_();
}

void Control::mouseMove(int button, int shift, double x, double y)
{
    if (mouseMove_)
        mouseMove_(button, shift, x, y);
}

void Control::mouseDown(int button, int shift, double x, double y)
{
    if (mouseDown_)
        mouseDown_(button, shift, x, y);
}

} // namespace orebell
