#include "sound/BrowseForm.h"

#include "data/Palette.h"
#include "data/Shared.h"
#include "toolkit/Conventions.h"

#include <QDir>

#include <algorithm>
#include <cmath>
#include <limits>

namespace orebell {

namespace {

const QString Dir1 = QStringLiteral("Dir1");
const QString File1 = QStringLiteral("File1");
const QString lblSelectSound = QStringLiteral("lblSelectSound");
const QString lblAccept = QStringLiteral("lblAccept");
const QString lblCancel = QStringLiteral("lblCancel");
const QString shpBox = QStringLiteral("shpBox");

using namespace palette;
constexpr Color TextColor = LightGrey;
constexpr Color ListColor = 0x1C181B; // a shade darker than the panel, like the main window's boxes

// A pointer position in twips as a whole number; never fails, whatever the view delivers.
std::int32_t wholeTwips(double value)
{
    if (!std::isfinite(value))
        return 0;
    const double r = roundHalfEven(value);
    return static_cast<std::int32_t>(std::clamp(r, double(std::numeric_limits<std::int32_t>::min()),
                                                double(std::numeric_limits<std::int32_t>::max())));
}

// Names with letter case ignored; names that differ only in case in a fixed order.
QStringList sortedNames(QStringList names)
{
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int order = a.compare(b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
    return names;
}

} // namespace

BrowseForm::BrowseForm(Form& main, Shared& shared, Platform& platform, int selectedSoundIndex,
                       std::function<void()> playClick, std::function<void()> closed)
    : form_(QStringLiteral("frmBrowse"), QStringLiteral("Form1")), main_(main), shared_(shared),
      platform_(platform), selectedSoundIndex_(selectedSoundIndex), playClick_(std::move(playClick)),
      closed_(std::move(closed))
{
    build();

    form_.onLoad([this] { Form_Load(); });
    form_.onActivate([this] { Form_Activate(); });
    form_.onCloseRequest([this] { close(); }); // the system's close: like Cancel, without the click
    form_.onFormMouseDown([this](int b, int s, double x, double y) { Form_MouseDown(b, s, x, y); });
    form_.onFormMouseMove([this](int b, int s, double x, double y) { Form_MouseMove(b, s, x, y); });
    form_.control(Dir1).onChange([this] { Dir1_Change(); });
    form_.control(File1).onDblClick([this] { File1_DblClick(); });
    form_.onClick(lblAccept, [this](int i) { lblAccept_Click(i); });
    form_.onClick(lblCancel, [this](int i) { lblCancel_Click(i); });
    form_.control(lblSelectSound).onMouseDown([this](int b, int s, double x, double y) {
        lblSelectSound_MouseDown(b, s, x, y);
    });
    form_.control(lblSelectSound).onMouseMove([this](int b, int s, double x, double y) {
        lblSelectSound_MouseMove(b, s, x, y);
    });
    form_.onMouseMove(lblAccept, [this](int i, int, int, double, double) { lblAccept_MouseMove(i); });
    form_.onMouseMove(lblCancel, [this](int i, int, int, double, double) { lblCancel_MouseMove(i); });

    // Both lists start in the process's current folder.
    showFolder(QDir::currentPath());
}

BrowseForm::~BrowseForm() = default;

void BrowseForm::build()
{
    auto label = [this](const QString& name, int index, const QString& caption, int left, int top, int width,
                        int height, Color back) -> Control& {
        Control& c = form_.add(ControlKind::Label, name, index);
        c.setCaption(caption);
        c.move(left, top, width, height);
        c.setBackColor(back);
        c.setForeColor(TextColor);
        return c;
    };
    label(lblSelectSound, -1, QStringLiteral("Select .WAV file for "), 120, 90, 4575, 255, PanelColor);

    Control& dir = form_.add(ControlKind::DirListBox, Dir1);
    dir.move(120, 360, 4575, 1440);
    Control& file = form_.add(ControlKind::FileListBox, File1);
    file.move(120, 1905, 4575, 1200);
    for (Control* list : {&dir, &file}) {
        list->setBackColor(ListColor);
        list->setForeColor(TextColor);
    }

    label(lblAccept, 0, QStringLiteral("Accept"), 2520, 3210, 1035, 255, ButtonRest).setAlignment(2);
    label(lblCancel, 0, QStringLiteral("Cancel"), 3660, 3210, 1035, 255, ButtonRest).setAlignment(2);

    Control& box = form_.add(ControlKind::Shape, shpBox);
    box.move(0, 0, 4800, 3600);
    box.setBackColor(PanelColor);
    box.setBorderColor(0x808080);

    form_.setBackColor(PanelColor);
    // Over the main window, where the player's eyes already are.
    form_.move(main_.left() + std::max(0, (main_.width() - 4815) / 2), main_.top() + 240);
}

void BrowseForm::Form_Load()
{
    const Control& box = form_.control(shpBox);
    form_.setWidth(box.width() + 15);
    form_.setHeight(box.height() + 15);
    platform_.desktop().setAlwaysOnTop(form_, true);
}

void BrowseForm::Form_Activate()
{
    const QString event = QLatin1Char('"') +
                          main_.control(QStringLiteral("chkSoundEffect"), selectedSoundIndex_).caption() +
                          QLatin1Char('"');
    form_.control(lblSelectSound).setCaption(QStringLiteral("Select .WAV file for ") + event);
    form_.control(Dir1).setToolTipText(event);
    form_.control(File1).setToolTipText(event);
}

void BrowseForm::Dir1_Change()
{
    if (syncing_)
        return;
    // The view moves the path; code may set either the path or the text.
    const Control& dir = form_.control(Dir1);
    showFolder(dir.path() != folder_ ? dir.path() : dir.text());
}

void BrowseForm::showFolder(const QString& folder)
{
    // A relative name (a subfolder, "..") is taken from the folder shown now.
    const QDir base(folder_.isEmpty() ? QDir::currentPath() : QDir::fromNativeSeparators(folder_));
    const QString absolute =
        QDir::toNativeSeparators(QDir::cleanPath(base.absoluteFilePath(QDir::fromNativeSeparators(folder))));
    folder_ = absolute;

    Control& dir = form_.control(Dir1);
    syncing_ = true;
    dir.setPath(absolute);
    dir.setText(absolute);
    syncing_ = false;

    const QDir shown(QDir::fromNativeSeparators(absolute));
    dir.clearList();
    for (const QString& sub : sortedNames(shown.entryList(QDir::Dirs | QDir::NoDotAndDotDot)))
        dir.addItem(sub);

    // Every file shows: there is no file pattern. A folder that cannot be read lists nothing.
    Control& file = form_.control(File1);
    file.setPath(absolute);
    file.clearList();
    for (const QString& name : sortedNames(shown.entryList(QDir::Files)))
        file.addItem(name);
    file.setText(QString());
}

void BrowseForm::File1_DblClick() { lblAccept_Click(0); }

void BrowseForm::lblAccept_Click(int)
{
    const QString name = form_.control(File1).text();
    if (!name.endsWith(QLatin1String("wav")) && !name.endsWith(QLatin1String("WAV")))
        return;
    playClick_();
    // joinProgramPath keeps a root folder's own separator from being doubled.
    Control& box = main_.control(QStringLiteral("txtPathSoundEffect"), selectedSoundIndex_);
    box.setText(joinProgramPath(folder_, name));
    box.setToolTipText(QLatin1Char(' ') + name + QLatin1Char(' '));
    close();
}

void BrowseForm::lblCancel_Click(int)
{
    playClick_();
    close();
}

void BrowseForm::close()
{
    if (closing_)
        return;
    closing_ = true;
    form_.unload();
    if (closed_)
        closed_();
}

void BrowseForm::Form_MouseDown(int, int, double X, double Y)
{
    ChooserDragX = wholeTwips(X);
    ChooserDragY = wholeTwips(Y);
}

void BrowseForm::lblSelectSound_MouseDown(int Button, int Shift, double X, double Y)
{
    Form_MouseDown(Button, Shift, X, Y);
}

void BrowseForm::Form_MouseMove(int Button, int, double X, double Y)
{
    for (const QString& name : {lblAccept, lblCancel})
        for (Control* c : form_.elements(name))
            c->setBackColor(c->tag() == QLatin1String("selected") ? ButtonSelected : ButtonRest);
    // The main window's repaint: no element of its bar (highest index -1), then its title label
    // and buttons 6 and 14, as every SetButtonBackColor call ends.
    Shared::call(shared_.routines.SetButtonBackColor, QStringLiteral("lblControlButton"), ButtonRest, -1);
    dragTo(Button, X, Y);
}

void BrowseForm::lblSelectSound_MouseMove(int Button, int, double X, double Y) { dragTo(Button, X, Y); }

void BrowseForm::dragTo(int Button, double X, double Y)
{
    if (Button != LeftButton)
        return;
    const auto left = static_cast<double>(form_.left()) + (wholeTwips(X) - double(ChooserDragX));
    const auto top = static_cast<double>(form_.top()) + (wholeTwips(Y) - double(ChooserDragY));
    form_.move(wholeTwips(left), wholeTwips(top));
}

void BrowseForm::lblAccept_MouseMove(int Index) { form_.control(lblAccept, Index).setBackColor(ButtonHover); }

void BrowseForm::lblCancel_MouseMove(int Index) { form_.control(lblCancel, Index).setBackColor(ButtonHover); }

} // namespace orebell
