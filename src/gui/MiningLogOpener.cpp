#include "gui/MiningLogOpener.h"

#include "gui/MiningLogWindow.h"
#include "gui/Twips.h"
#include "gui/WindowPlacement.h"
#include "platform/ProgramModules.h"
#include "toolkit/Control.h"
#include "toolkit/Platform.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QMenu>
#include <QScreen>
#include <QShortcut>
#include <QWidget>

#include <optional>
#include <utility>

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
                                 MessageBoxService& messages, MiningLogWindowMaker makeWindow,
                                 SettingsStore* store, QString app)
    : QObject(&mainView), mainView_(mainView), title_(titleStrip), log_(log), messages_(messages),
      makeWindow_(std::move(makeWindow)), store_(store), app_(std::move(app))
{
    auto* shortcut = new QShortcut(QKeySequence(Qt::Key_F2), &mainView);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, &MiningLogOpener::toggle);
    // The title strip may be a widget of its own or painted on the window, and a control's
    // widget does not pass mouse events on to the window: the menu request is caught on its way
    // to whichever widget of the main window it is for.
    qApp->installEventFilter(this);
}

MiningLogOpener::~MiningLogOpener() { delete window_; }

bool MiningLogOpener::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Hide && watched == window_.data()) {
        rememberPlace();
        return false;
    }
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
    menu.addAction(QCoreApplication::translate("MiningLog", "Mining log\tF2"), this, &MiningLogOpener::open);
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
        prepare(*window_);
    }
    keepAboveMain(*window_);
    QMetaObject::invokeMethod(window_, "reload");
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void MiningLogOpener::toggle()
{
    if (window_ && window_->isVisible())
        window_->close();
    else
        open();
}

void MiningLogOpener::prepare(QWidget& window)
{
    // Closed from the keyboard as other windows are; F2 toggles it from here too.
    for (const QKeySequence& key :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W), QKeySequence(Qt::Key_F2)}) {
        auto* shortcut = new QShortcut(key, &window);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, &window, &QWidget::close);
    }
    // Tab goes from part to part of the window; the arrows move inside a table or list.
    for (auto* view : window.findChildren<QAbstractItemView*>())
        view->setTabKeyNavigation(false);

    std::optional<QRect> remembered;
    if (store_) {
        QList<int> numbers;
        for (const char* key : {"Left", "Top", "Width", "Height"}) {
            bool ok = false;
            const int n = store_->value(app_, storeSection(), QString::fromLatin1(key)).toInt(&ok);
            if (ok)
                numbers << n;
        }
        if (numbers.size() == 4 && numbers[2] > 0 && numbers[3] > 0)
            remembered = QRect(numbers[0], numbers[1], numbers[2], numbers[3]);
    }
    const QScreen* screen = mainView_.screen() ? mainView_.screen() : QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(QPoint(0, 0), window.size());
    // The place is the window's inside; room is kept for the window manager's frame, which is not
    // known before the first showing, so that the title bar stays on the screen wherever the
    // place was remembered (at another scale, or where no window manager drew a frame).
    const QRect inside = available.marginsRemoved(QMargins(4, 32, 4, 4));
    window.ensurePolished(); // the style's margins count in the least size
    const QSize smallest = window.minimumSizeHint().expandedTo(window.minimumSize());
    window.setGeometry(placeBeside(mainView_.frameGeometry(), inside, window.size(), remembered, smallest));

    if (store_) {
        const QString folder = store_->value(app_, exportSection(), QStringLiteral("Folder"));
        if (!folder.isEmpty())
            window.setProperty("exportFolder", folder);
        connect(&window, SIGNAL(exportFolderChanged(QString)), this, SLOT(rememberExportFolder(QString)));
    }
}

void MiningLogOpener::keepAboveMain(QWidget& window)
{
    // Where there was no room beside it, the log lies over the main window, which is kept on top
    // of every other: the log must be too, or the main window hides what it was opened for.
    const bool over = mainView_.windowFlags().testFlag(Qt::WindowStaysOnTopHint) &&
                      window.frameGeometry().intersects(mainView_.frameGeometry());
    if (window.windowFlags().testFlag(Qt::WindowStaysOnTopHint) != over) {
        // A new flag makes a new native window, placed by its frame: the inside stays where it was.
        const QRect place = window.geometry();
        window.setWindowFlag(Qt::WindowStaysOnTopHint, over);
        window.setGeometry(place);
    }
}

void MiningLogOpener::rememberExportFolder(const QString& folder)
{
    if (store_)
        store_->setValue(app_, exportSection(), QStringLiteral("Folder"), folder);
}

void MiningLogOpener::rememberPlace()
{
    if (!store_ || !window_)
        return;
    const QRect r = window_->geometry();
    const std::pair<const char*, int> values[] = {
        {"Left", r.left()}, {"Top", r.top()}, {"Width", r.width()}, {"Height", r.height()}};
    for (const auto& [key, value] : values)
        store_->setValue(app_, storeSection(), QString::fromLatin1(key), QString::number(value));
}

} // namespace orebell
