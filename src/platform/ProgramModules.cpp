#include "platform/ProgramModules.h"

#include <QApplication>
#include <QDir>
#include <QLibrary>
#include <QPointer>
#include <QThread>

#include <utility>

namespace orebell {

QString programModulePath(const QString& name, const QString& folder)
{
    const QString dir = folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder;
    return QDir(dir).filePath(name + QStringLiteral(".so"));
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
        if (!loader_)
            startLoading();
    }

private:
    void startLoading()
    {
        // Loading the module maps and relocates Qt Multimedia and the sound libraries: a few
        // milliseconds that the first frame need not wait for.
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
    bool failed_ = false;
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
