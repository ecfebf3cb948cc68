#include "platform/SingleInstance.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QThread>

#include <algorithm>

namespace orebell {

namespace {

// The same store reached through a link is the same store.
QString canonical(const QString& path)
{
    const QFileInfo info(path);
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? info.absoluteFilePath() : folder + QLatin1Char('/') + info.fileName();
}

// The socket a copy holding this lock listens on: named from the lock's path, hashed so that any
// path makes a valid pipe and file name.
QString socketName(const QString& lockPath)
{
    const QString name =
        QStringLiteral("orebell-") +
        QString::fromLatin1(QCryptographicHash::hash(canonical(lockPath).toUtf8(), QCryptographicHash::Sha256)
                                .toHex()
                                .left(24));
#ifdef Q_OS_WIN
    return name; // a named pipe: the system's, per session
#else
    // In the user's own runtime folder, which no other account can write, rather than the shared
    // temporary folder.
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? name : QDir(runtime).filePath(name);
#endif
}

} // namespace

SingleInstance::SingleInstance(const QString& lockPath, HandOverLineMaker makeLine)
    : lockPath_(lockPath), makeLine_(std::move(makeLine))
{}

SingleInstance::~SingleInstance() { stopListening(); }

void SingleInstance::stopListening()
{
    if (!listening_)
        return;
    listening_ = false;
    line_.reset();
    QFile::remove(socketNotePath());
}

HandOverLine* SingleInstance::line()
{
    if (!line_ && makeLine_)
        line_ = std::exchange(makeLine_, nullptr)();
    return line_.get();
}

void SingleInstance::claimInBackground()
{
    if (!claiming_.valid())
        claiming_ = std::async(std::launch::async, [this] { return takeLock(); });
}

bool SingleInstance::claim() { return claiming_.valid() ? claiming_.get() : takeLock(); }

bool SingleInstance::takeLock()
{
    if (lock_)
        return true;
    QDir().mkpath(QFileInfo(lockPath_).absolutePath());
    auto lock = std::make_unique<QLockFile>(lockPath_);
    // Held for the whole session: only a holder that no longer runs makes it stale, never its age.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        if (lock->error() == QLockFile::LockFailedError)
            return false;
        // A store whose folder cannot be written cannot be overwritten by a second copy either:
        // the player keeps the program, and hears of the store when it is saved.
        qWarning("Orebell: cannot make %s; a second copy will not be noticed",
                 qPrintable(QDir::toNativeSeparators(lockPath_)));
        return true;
    }
    lock_ = std::move(lock);
    return true;
}

void SingleInstance::release()
{
    if (claiming_.valid())
        claiming_.wait();
    stopListening();
    lock_.reset();
}

void SingleInstance::listen()
{
    if (!lock_ || listening_)
        return;
    HandOverLine* socket = line();
    QString fullName;
    QString error = QStringLiteral("its part of the program could not be loaded");
    if (!socket || !socket->listen(
                       socketName(lockPath_),
                       [this] {
                           if (raise_)
                               raise_();
                       },
                       &fullName, &error)) {
        qWarning("Orebell: a second copy cannot hand over (%s)", qPrintable(error));
        return;
    }
    listening_ = true;
    // The socket goes with the event loop, before the application it belongs to.
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, [this] { stopListening(); });
    QSaveFile note(socketNotePath());
    if (!note.open(QIODevice::WriteOnly) || note.write(fullName.toUtf8()) < 0 || !note.commit())
        qWarning("Orebell: cannot write %s; a second copy started elsewhere may not reach this one",
                 qPrintable(QDir::toNativeSeparators(socketNotePath())));
}

bool SingleInstance::handOver(int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    HandOverLine* socket = line();
    if (!socket)
        return false;
    // The running copy may have taken the lock and not be listening yet: try until it answers.
    // It says where it listens, which for a copy started with another runtime folder is not
    // where this one would.
    const QString ownName = socketName(lockPath_);
    int attempt = 0;
    do {
        QString name = ownName;
        if (QFile note(socketNotePath()); attempt++ % 2 == 0 && note.open(QIODevice::ReadOnly))
            name = QString::fromUtf8(note.read(4096)).trimmed();
        if (socket->ask(name, deadline))
            return true;
        QThread::msleep(50);
    } while (!deadline.hasExpired());
    return false;
}

} // namespace orebell
