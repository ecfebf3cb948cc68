#include "gui/ProgramWindows.h"

#include "app/Program.h"
#include "gui/ChooserKeyboard.h"
#include "gui/ControlWidgets.h"
#include "gui/MiningLogOpener.h"
#include "gui/Style.h"
#include "gui/TimerDriver.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QTimer>

namespace orebell {

namespace {

// The program's icon: its emblem on a tile in the panel colour, painted at whatever size is
// asked for. Kept as pixmaps it would hold about 100 KB for the whole session to serve a window
// manager that reads it once.
class ProgramIconEngine final : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override
    {
        const QRectF tile(rect);
        const double radius = tile.width() * 10.0 / 64;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(Qt::NoPen);
        painter->setBrush(QColor(0x31, 0x29, 0x2F));
        painter->drawRoundedRect(tile, radius, radius);
        paintEmblem(*painter, tile);
        painter->restore();
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        paint(&p, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return {QSize(16, 16), QSize(32, 32), QSize(48, 48), QSize(64, 64), QSize(128, 128)};
    }
    QIconEngine* clone() const override { return new ProgramIconEngine; }
    QString key() const override { return QStringLiteral("orebell"); }
};

// Gives a window its icon once it has painted its first frame. Qt converts a window's icon to
// every size it offers and sends it to the X server (about 100 KB), twice for a widget created
// with one: work the first frame need not wait for.
class IconAfterFirstFrame final : public QObject {
public:
    IconAfterFirstFrame(QWidget& window, QIcon icon) : QObject(&window), icon_(std::move(icon))
    {
        window.installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                static_cast<QWidget*>(parent())->setWindowIcon(icon_);
                deleteLater();
            });
        }
        return false;
    }

private:
    QIcon icon_;
};

} // namespace

ProgramWindows::ProgramWindows(Program& program, MessageBoxService& messages,
                               MiningLogWindowMaker makeLogWindow)
    : program_(program), messages_(messages)
{
    useProgramStyle();
    main_ = std::make_unique<FormView>(program.mainForm(), &messages);
    // Windows made from here on take it as they are created. The main window, created without
    // it (one conversion instead of two), is marked as having its own so that setting the
    // program's icon passes it by; its copy follows its first frame.
    const QIcon icon(new ProgramIconEngine); // the icon owns its engine
    main_->setAttribute(Qt::WA_SetWindowIcon);
    QApplication::setWindowIcon(icon);
    new IconAfterFirstFrame(*main_, icon);
    keyboard_ = std::make_unique<KeyboardAccess>(*main_);
    // F2 and the title strip's menu open the mining log; the title strip is button 7.
    if (MiningLog* log = program.platform().miningLog())
        miningLog_ = new MiningLogOpener(
            *main_, program.mainForm().control(QStringLiteral("lblControlButton"), 7), *log, messages,
            std::move(makeLogWindow), &program.platform().store(), program.platform().programFileName());
    if (Form* open = program.browseForm())
        browseFormChanged(open);
    program.onBrowseFormChanged([this](Form* form) { browseFormChanged(form); });
}

ProgramWindows::~ProgramWindows()
{
    program_.onBrowseFormChanged({});
    if (chooser_)
        chooser_->release();
}

void ProgramWindows::bringToFront()
{
    FormView& window = *main_;
    if (window.isMinimized())
        window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    // Shrunk into its tile, the window comes back as a click on the tile brings it; not while a
    // handler waits on a box, whose click would run inside it.
    Form& form = program_.mainForm();
    const QString tile = QStringLiteral("imgMinimized");
    if (form.has(tile) && form.control(tile).visible() && !HandlerGate::busy())
        window.pressByKey(form.control(tile));
    window.raise();
    window.activateWindow();
    // The chooser, when open, stays above the window it belongs to.
    if (chooser_)
        chooser_->raise();
}

void ProgramWindows::browseFormChanged(Form* form)
{
    if (chooser_) {
        // The chooser's form is closing (or gone): the view lets go of it before it is freed.
        chooser_->release();
        chooser_->close();
        chooser_->deleteLater();
        chooser_ = nullptr;
    }
    if (form) { // a window of its own, kept above the main window
        chooser_ = new FormView(*form, &messages_, main_.get());
        chooser_->setDesktopTitle(chooserWindowTitle()); // its caption is never shown
        new ChooserKeyboard(*chooser_);                  // owned by the view
    }
}

} // namespace orebell
