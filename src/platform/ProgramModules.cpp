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

// Calls `then` once no window shown waits for its first frame any more, or after a while
// when the system never puts one on screen.
class AfterFirstFrames : public QObject {
public:
    explicit AfterFirstFrames(std::function<void()> then, QObject* parent = nullptr)
        : QObject(parent), then_(std::move(then))
    {
        const QWindowList windows = QGuiApplication::topLevelWindows();
        const bool framePending = std::any_of(windows.begin(), windows.end(), [](const QWindow* w) {
            return w->isVisible() && !w->isExposed();
        });
        if (!framePending) {
            QTimer::singleShot(0, this, [this] { run(); });
            return;
        }
        QCoreApplication::instance()->installEventFilter(this);
        QTimer::singleShot(WaitMs, this, [this] { run(); });
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // The window paints as this event is handled; what waits follows it.
        if (event->type() == QEvent::Expose && watched->isWindowType())
            QTimer::singleShot(0, this, [this] { run(); });
        return false;
    }

    void setThen(std::function<void()> then) { then_ = std::move(then); }

private:
    void run()
    {
        QCoreApplication::instance()->removeEventFilter(this);
        if (then_)
            std::exchange(then_, nullptr)();
    }

    std::function<void()> then_;
    static constexpr int WaitMs = 500;
};

class ModuleMiningLog : public MiningLog {
public:
    explicit ModuleMiningLog(QString folder) : folder_(std::move(folder)) {}

    ~ModuleMiningLog() override
    {
        if (loader_ && loader_->isRunning())
            loader_->wait();
    }

    bool open() override { return load() && log_->open(); }
    // Loads the module on a thread of its own (mapping Qt SQL takes the memory map's lock a
    // first frame may wait for), then has the log check its file in the background: a log that
    // cannot be used, or a module that is missing, is told at start rather than after a trip.
    void checkInBackground(std::function<void()> done) override
    {
        if (log_ || failed_ || loader_) {
            if (log_)
                log_->checkInBackground(std::move(done));
            else
                QTimer::singleShot(0, &context_, [done] {
                    if (done)
                        done();
                });
            return;
        }
        const QString file = programModulePath(QString::fromLatin1(module::Log), folder_);
        loader_.reset(QThread::create([file] { QLibrary(file).load(); }));
        pendingDone_ = std::move(done);
        QObject::connect(loader_.get(), &QThread::finished, &context_, [this] { finishLoading(); });
        // Mapping Qt SQL takes the memory map's lock, which a first frame being painted would
        // wait for: the loader starts after it.
        afterFirstFrames_ = std::make_unique<AfterFirstFrames>([this] {
            if (loader_ && !loader_->isRunning() && !loader_->isFinished())
                loader_->start();
        });
    }
    bool record(const Trip& trip) override { return load() && log_->record(trip); }
    std::vector<Trip> trips(TripDetail detail) override
    {
        return load() ? log_->trips(detail) : std::vector<Trip>{};
    }
    void readInBackground(TripDetail detail, QObject* context, TripsRead done) override
    {
        if (load())
            log_->readInBackground(detail, context, std::move(done));
        else
            MiningLog::readInBackground(detail, context, std::move(done));
    }
    QString takeNotice() override { return log_ ? log_->takeNotice() : std::exchange(notice_, QString()); }
    QString atRisk() override { return log_ ? log_->atRisk() : QString(); }

private:
    void finishLoading()
    {
        if (!pendingDone_)
            return;
        std::function<void()> done = std::exchange(pendingDone_, nullptr);
        if (load())
            log_->checkInBackground(std::move(done));
        else
            done();
    }

    bool load()
    {
        if (loader_) {
            // Asked for before the loader started: the module loads here, now, and the check
            // that was asked for follows.
            if (loader_->isRunning())
                loader_->wait();
            loader_.reset();
            if (pendingDone_)
                QTimer::singleShot(0, &context_, [this] { finishLoading(); });
        }
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
        return true;
    }

    QString folder_;
    std::unique_ptr<MiningLog> log_;
    std::unique_ptr<QThread> loader_;
    bool failed_ = false;
    QString notice_;
    QObject context_;                   // the loader reports on the thread that asked
    std::function<void()> pendingDone_; // of the start-up check, once the module is there
    std::unique_ptr<AfterFirstFrames> afterFirstFrames_;
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

std::unique_ptr<HandOverLine> makeModuleHandOverLine(const QString& folder)
{
    QString error;
    auto make = reinterpret_cast<module::MakeHandOverLineFn>(resolveProgramModule(
        QString::fromLatin1(module::HandOver), module::MakeHandOverLine, folder, &error));
    if (!make) {
        qWarning("Orebell: %s", qPrintable(error));
        return nullptr;
    }
    return std::unique_ptr<HandOverLine>(make());
}

void runAfterFirstFrames(QObject* context, std::function<void()> then)
{
    auto* waiter = new AfterFirstFrames({}, context); // owned by the context until it has run
    waiter->setThen([waiter, then = std::move(then)] {
        then();
        waiter->deleteLater();
    });
}

} // namespace orebell
