#include "gui/MiningLogOpener.h"

#include "gui/MiningLogWindow.h"
#include "gui/Twips.h"
#include "platform/ProgramModules.h"
#include "toolkit/Control.h"
#include "toolkit/Platform.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QShortcut>
#include <QWidget>

namespace orebell {

MiningLogWindowMaker moduleMiningLogWindow(const QString& folder)
{
    return
        [folder](MiningLog& log, MessageBoxService& messages, QWidget* parent, QString* error) -> QWidget* {
            auto make = reinterpret_cast<module::MakeMiningLogWindowFn>(resolveProgramModule(
                QString::fromLatin1(module::LogWindow), module::MakeMiningLogWindow, folder, error));
            return make ? make(log, messages, parent) : nullptr;
        };
}

MiningLogOpener::MiningLogOpener(QWidget& mainView, const Control& titleStrip, MiningLog& log,
                                 MessageBoxService& messages, MiningLogWindowMaker makeWindow)
    : QObject(&mainView), mainView_(mainView), title_(titleStrip), log_(log), messages_(messages),
      makeWindow_(std::move(makeWindow))
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
        QString error;
        window_ = makeWindow_(log_, messages_, &mainView_, &error);
        if (!window_) {
            messages_.show(moduleUnavailableText(QStringLiteral("The mining log window is"), error));
            return;
        }
        window_->setAttribute(Qt::WA_DeleteOnClose, false);
    }
    QMetaObject::invokeMethod(window_, "reload");
    window_->show();
    window_->raise();
    window_->activateWindow();
}

} // namespace orebell
