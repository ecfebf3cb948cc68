#pragma once

#include "toolkit/Placement.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>

namespace orebell {

class Form;
class Grid;

enum class ControlKind {
    Label,
    TextBox,
    CheckBox,
    OptionButton,
    ComboBox,
    Frame,
    Shape,
    PictureBox,
    Image,
    CommandButton,
    Timer,
    RichTextBox,
    Grid,
    DirListBox,
    FileListBox,
};

QString kindName(ControlKind kind);

// Colours are 24-bit &HBBGGRR values; the top bit names a system colour.
using Color = std::uint32_t;

// What changed, so a view can update one widget property instead of all of them.
enum class Prop {
    Caption,
    Text,
    Tag,
    ToolTip,
    Visible,
    Enabled,
    Locked,
    Value,
    BackColor,
    ForeColor,
    BorderColor,
    BorderStyle,
    Font,
    Geometry,
    Selection,
    Interval,
    List,
    Path,
    FileName,
    GridCells,
    Focus,
};

enum MouseButton { LeftButton = 1, RightButton = 2, MiddleButton = 4 };

// One control of a window: a property bag for every kind, with the window toolkit's event rules.
// Setting Text, a label's Caption or Value from code runs the Change or Click handler before the
// setter returns, and only when the value really changes.
class Control : public Placement<Control> {
public:
    using Handler = std::function<void()>;
    using ValidateHandler = std::function<void(bool& cancel)>;
    using MouseHandler = std::function<void(int button, int shift, double x, double y)>;

    Control(Form& form, ControlKind kind, QString name, int index, QString container);
    ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    Form& form() const { return form_; }
    ControlKind kind() const { return kind_; }
    const QString& name() const { return name_; }
    int index() const { return index_; } // -1 for a control outside any array
    bool isArrayElement() const { return index_ >= 0; }
    const QString& container() const { return container_; } // frame name; empty = the window
    // The control's place in its form's control order (0 first), fixed when the form adds it: a
    // view keeps what it made for each control in a table by it instead of looking controls up.
    int order() const { return order_; }
    QString displayName() const; // name(index)

    // Properties
    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);
    const QString& text() const { return text_; }
    void setText(const QString& text);
    const QString& tag() const { return tag_; }
    void setTag(const QString& tag);
    const QString& toolTipText() const { return toolTip_; }
    void setToolTipText(const QString& tip);
    bool visible() const { return visible_; }
    void setVisible(bool visible);
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    bool locked() const { return locked_; }
    void setLocked(bool locked);
    int value() const { return value_; }
    void setValue(int value);
    Color backColor() const { return backColor_; }
    void setBackColor(Color color);
    Color foreColor() const { return foreColor_; }
    void setForeColor(Color color);
    Color borderColor() const { return borderColor_; }
    void setBorderColor(Color color);
    int borderStyle() const { return borderStyle_; } // 0 none; shapes and frames start at 1 (solid)
    void setBorderStyle(int style);
    double fontSize() const { return fontSize_; }
    void setFontSize(double points);
    bool fontBold() const { return fontBold_; }
    void setFontBold(bool bold);
    int alignment() const { return alignment_; } // 0 left, 1 right, 2 centre
    void setAlignment(int alignment);
    // Combo boxes, fixed when the window is built: 0 drop-down combo (typing allowed),
    // 2 drop-down list (choice only).
    int style() const { return style_; }
    void setStyle(int style) { style_ = style; }

    // Geometry (twips): left(), top(), width(), height(), setLeft() ... move(), from Placement.

    int selStart() const { return selStart_; }
    int selLength() const { return selLength_; }
    void setSelStart(int start);
    void setSelLength(int length);

    // Timers
    int interval() const { return interval_; }
    void setInterval(int ms); // also sets the period to ms
    // The nominal tick length a driver schedules against (62.5 for an Interval of 62).
    double period() const { return period_; }
    void setPeriod(double ms);
    void fire(); // one tick: runs the Timer handler when enabled and the interval is not 0

    // Combo boxes
    int listCount() const { return static_cast<int>(list_.size()); }
    QString list(int i) const;
    const QStringList& items() const { return list_; }
    void addItem(const QString& item);
    void clearList();
    int listIndex() const { return static_cast<int>(list_.indexOf(text_)); }

    // Folder list, file list and rich-text viewer
    const QString& path() const { return path_; }
    void setPath(const QString& path);
    const QString& fileName() const { return fileName_; }
    void setFileName(const QString& fileName);

    // Grid kind only
    Grid& grid();
    const Grid& grid() const;

    // User gestures, as the view delivers them
    void click();    // option: becomes selected; check box: toggles; combo: re-applies its text
    void dblClick(); // Click, then DblClick
    bool validate(); // true when the focus may leave
    void gotFocus();
    void mouseMove(int button, int shift, double x, double y);
    void mouseDown(int button, int shift, double x, double y);
    void userSetText(const QString& text); // typing: same as code, but named for the view

    // Handlers (one per event; a control array's handler is bound per element with its index)
    void onClick(Handler h) { click_ = std::move(h); }
    void onDblClick(Handler h) { dblClick_ = std::move(h); }
    void onChange(Handler h) { change_ = std::move(h); }
    void onGotFocus(Handler h) { gotFocus_ = std::move(h); }
    void onTimer(Handler h) { timer_ = std::move(h); }
    void onValidate(ValidateHandler h) { validate_ = std::move(h); }
    void onMouseMove(MouseHandler h) { mouseMove_ = std::move(h); }
    void onMouseDown(MouseHandler h) { mouseDown_ = std::move(h); }

    // Runs the Click handler without changing a value (a program's own press of a label button).
    void raiseClick();
    // Runs only the DblClick handler: the second press of a double click, whose Click the first
    // press already delivered.
    void raiseDblClick();

    void notify(Prop prop); // tells the form's observers

private:
    friend class Placement<Control>;
    friend class Form;
    void placementChanged() { notify(Prop::Geometry); }
    void selectOption();

    Form& form_;
    ControlKind kind_;
    QString name_;
    int index_;
    QString container_;
    int order_ = -1;

    QString caption_;
    QString text_;
    QString tag_;
    QString toolTip_;
    bool visible_ = true;
    bool enabled_ = true;
    bool locked_ = false;
    int value_ = 0;
    Color backColor_ = 0;
    Color foreColor_ = 0xC0C0C0;
    Color borderColor_ = 0x808080;
    int borderStyle_ = 0;
    double fontSize_ = 8.25;
    bool fontBold_ = false;
    int alignment_ = 0;
    int style_ = 0;
    int selStart_ = 0;
    int selLength_ = 0;
    int interval_ = 0;
    double period_ = 0;
    QStringList list_;
    QString path_;
    QString fileName_;
    std::unique_ptr<Grid> grid_;

    Handler click_;
    Handler dblClick_;
    Handler change_;
    Handler gotFocus_;
    Handler timer_;
    ValidateHandler validate_;
    MouseHandler mouseMove_;
    MouseHandler mouseDown_;
};

} // namespace orebell
