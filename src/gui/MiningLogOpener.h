#pragma once

#include "gui/MiningLogWindow.h"

#include <QObject>
#include <QPointer>

#include <functional>

class QWidget;

namespace orebell {

class Control;
class MessageBoxService;
class MiningLog;
class SettingsStore;

// Makes the "Mining log" window, parented to `parent`; null with `error` set when it cannot.
using MiningLogWindowMaker =
    std::function<QWidget*(MiningLog& log, MessageBoxService& messages, QWidget* parent, QString* error)>;
// The window linked into the calling program (tests, benchmarks).
MiningLogWindowMaker linkedMiningLogWindow();
// The window from its module, loaded at the first opening, as the shipped program makes it (Qt
// Charts and its OpenGL libraries load only then). `folder` empty: the executable's folder.
MiningLogWindowMaker moduleMiningLogWindow(const QString& folder = {});

// Opens the "Mining log" window from the main window: with F2, and from a menu on a right click
// on the title strip. Nothing else of the main window changes; the log window is made at its
// first opening and read again at each.
class MiningLogOpener : public QObject {
    Q_OBJECT
public:
    // store and app: where the window's place and size are kept between runs (none: not kept).
    MiningLogOpener(QWidget& mainView, const Control& titleStrip, MiningLog& log, MessageBoxService& messages,
                    MiningLogWindowMaker makeWindow = linkedMiningLogWindow(), SettingsStore* store = nullptr,
                    QString app = {});
    ~MiningLogOpener() override;

    // Shows the window, made at the first opening; when it cannot be made the player is told.
    void open();
    // F2: opens the window, or closes it when it shows.
    void toggle();

    // The store section of the window's place and size.
    static QString storeSection() { return QStringLiteral("MiningLogWindow"); }
    // The store section of the folder last exported to (key "Folder").
    static QString exportSection() { return QStringLiteral("MiningLogExport"); }
    QWidget* windowWidget() const { return window_; }
    // Null when the window came from a module, whose classes are its own.
    MiningLogWindow* window() const { return qobject_cast<MiningLogWindow*>(window_.data()); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void rememberExportFolder(const QString& folder);

private:
    void prepare(QWidget& window);
    void keepAboveMain(QWidget& window);
    void rememberPlace();

    QWidget& mainView_;
    const Control& title_;
    MiningLog& log_;
    MessageBoxService& messages_;
    MiningLogWindowMaker makeWindow_;
    QPointer<QWidget> window_;
    SettingsStore* store_;
    QString app_;
};

} // namespace orebell
