#include "gui/MiningLogOpener.h"

#include "gui/MiningLogWindow.h"
#include "gui/Twips.h"
#include "toolkit/Control.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QShortcut>
#include <QWidget>

namespace orebell {

MiningLogOpener::MiningLogOpener(QWidget& mainView, const Control& titleStrip, MiningLog& log,
                                 MessageBoxService& messages)
    : QObject(&mainView), mainView_(mainView), title_(titleStrip), log_(log), messages_(messages)
{
    auto* shortcut = new QShortcut(QKeySequence(Qt::Key_F2), &mainView);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, &MiningLogOpener::open);
    // The title strip may be a widget of its own or painted on the window, and a control's
    // widget does not pass mouse events on to the window: the menu request is caught on its way
    // to whichever widget of the main window it is for.
    qApp->installEventFilter(this);
}

MiningLogOpener::~MiningLogOpener() { delete window_; }

MiningLogWindow* MiningLogOpener::window() const { return window_; }

bool MiningLogOpener::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ContextMenu)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != &mainView_)
        return false;
    auto* menuEvent = static_cast<QContextMenuEvent*>(event);
    const QPoint at = mainView_.mapFromGlobal(menuEvent->globalPos());
    const QRectF strip(title_.left() / TwipsPerPixel, title_.top() / TwipsPerPixel,
                       title_.width() / TwipsPerPixel, title_.height() / TwipsPerPixel);
    if (!title_.visible() || !strip.contains(at))
        return false;
    QMenu menu(&mainView_);
    menu.addAction(QStringLiteral("Mining log\tF2"), this, &MiningLogOpener::open);
    menu.exec(menuEvent->globalPos());
    return true;
}

void MiningLogOpener::open()
{
    if (!window_) {
        // A window of its own, kept above the always-on-top main window that owns it.
        window_ = new MiningLogWindow(log_, messages_, &mainView_);
        window_->setAttribute(Qt::WA_DeleteOnClose, false);
    }
    window_->reload();
    window_->show();
    window_->raise();
    window_->activateWindow();
}

} // namespace orebell
