#include "platform/ProgramModules.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLibrary>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <utility>

namespace orebell {

QString programModulePath(const QString& name, const QString& folder)
{
    const QString dir = folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder;
    return QDir(dir).filePath(name + QStringLiteral(OREBELL_MODULE_SUFFIX));
}

QFunctionPointer resolveProgramModule(const QString& name, const char* symbol, const QString& folder,
                                      QString* error)
{
    // Never unloaded: what the module made lives until the program ends.
    QLibrary library(programModulePath(name, folder));
    if (!library.load()) {
        if (error)
            *error = library.errorString();
        return nullptr;
    }
    const QFunctionPointer entry = library.resolve(symbol);
    if (!entry && error)
        *error = library.errorString();
    return entry;
}

QString moduleUnavailableText(const QString& feature, const QString& error)
{
    return QStringLiteral("%1 unavailable: a part of the program could not be loaded (%2). "
                          "Reinstalling Orebell should mend it; everything else works as usual.")
        .arg(feature, error);
}

namespace {

class ModuleSoundPlayer : public QObject, public SoundPlayer {
public:
    ModuleSoundPlayer(MessageBoxService& messages, QString folder)
        : messages_(messages), folder_(std::move(folder))
    {}

    ~ModuleSoundPlayer() override
    {
        if (loader_)
            loader_->wait(); // it posts back to this object
    }

    void play(const QString& path) override
    {
        if (player_) {
            player_->play(path);
            return;
        }
        if (failed_) {
            QApplication::beep();
            return;
        }
        pending_ = path;
        if (!loader_ && !loadAsked_) {
            loadAsked_ = true;
            // The start-up click is asked for while the window is still being built.
            QTimer::singleShot(0, this, [this] { startLoadingAfterFirstFrames(); });
        }
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && watched->isWindowType()) {
            // The window paints as this event is handled; the loader starts after it.
            QCoreApplication::instance()->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] { startLoading(); });
        }
        return false;
    }

private:
    // Loading the module maps and relocates Qt Multimedia and the sound libraries, on another
    // thread but in the same address space: about 10 ms of CPU and the memory map's lock, which a
    // window painting its first frame on a busy machine would wait for. So a window shown and not
    // yet on the screen goes first; the click follows its first frame.
    void startLoadingAfterFirstFrames()
    {
        const QWindowList windows = QGuiApplication::topLevelWindows();
        const bool framePending = std::any_of(windows.begin(), windows.end(), [](const QWindow* w) {
            return w->isVisible() && !w->isExposed();
        });
        if (!framePending) {
            startLoading();
            return;
        }
        QCoreApplication::instance()->installEventFilter(this);
        // A window the system never puts on screen must not keep the sound away for good.
        QTimer::singleShot(FirstFrameWaitMs, this, [this] { startLoading(); });
    }

    void startLoading()
    {
        if (loader_)
            return;
        QCoreApplication::instance()->removeEventFilter(this);
        const QString file = programModulePath(QString::fromLatin1(module::Sound), folder_);
        loader_.reset(QThread::create([this, file] {
            QLibrary library(file);
            const QString error = library.load() ? QString() : library.errorString();
            QMetaObject::invokeMethod(
                this, [this, error] { loaded(error); }, Qt::QueuedConnection);
        }));
        loader_->start();
    }

    void loaded(const QString& loadError)
    {
        QString error = loadError;
        auto make = error.isEmpty()
                        ? reinterpret_cast<module::MakeSoundPlayerFn>(resolveProgramModule(
                              QString::fromLatin1(module::Sound), module::MakeSoundPlayer, folder_, &error))
                        : nullptr;
        if (make)
            player_.reset(make());
        const QString path = std::exchange(pending_, QString());
        if (player_) {
            player_->play(path);
            return;
        }
        failed_ = true;
        QApplication::beep();
        messages_.show(moduleUnavailableText(QStringLiteral("Sound is"), error));
    }

    MessageBoxService& messages_;
    QString folder_;
    std::unique_ptr<QThread> loader_;
    std::unique_ptr<SoundPlayer> player_;
    QString pending_;
    bool loadAsked_ = false;
    bool failed_ = false;
    static constexpr int FirstFrameWaitMs = 500;
};

class ModuleMiningLog : public MiningLog {
public:
    explicit ModuleMiningLog(QString folder) : folder_(std::move(folder)) {}

    bool open() override { return !failed_; }
    bool record(const Trip& trip) override { return load() && log_->record(trip); }
    std::vector<Trip> trips(TripDetail detail) override
    {
        return load() ? log_->trips(detail) : std::vector<Trip>{};
    }
    QString takeNotice() override { return log_ ? log_->takeNotice() : std::exchange(notice_, QString()); }

private:
    bool load()
    {
        if (log_)
            return true;
        if (failed_)
            return false;
        QString error;
        auto make = reinterpret_cast<module::MakeMiningLogFn>(
            resolveProgramModule(QString::fromLatin1(module::Log), module::MakeMiningLog, folder_, &error));
        if (make)
            log_.reset(make());
        if (!log_) {
            failed_ = true;
            notice_ = moduleUnavailableText(QStringLiteral("The mining log is"), error) +
                      QStringLiteral(" Trips are not kept in this run.");
            return false;
        }
        log_->open();
        return true;
    }

    QString folder_;
    std::unique_ptr<MiningLog> log_;
    bool failed_ = false;
    QString notice_;
};

} // namespace

std::unique_ptr<SoundPlayer> makeModuleSoundPlayer(MessageBoxService& messages, const QString& folder)
{
    return std::make_unique<ModuleSoundPlayer>(messages, folder);
}

std::unique_ptr<MiningLog> makeModuleMiningLog(const QString& folder)
{
    return std::make_unique<ModuleMiningLog>(folder);
}

} // namespace orebell
