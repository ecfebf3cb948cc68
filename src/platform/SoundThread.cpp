#include "platform/SoundThread.h"

namespace orebell {

void SoundWorker::reportStarted(const QString& path) { emit player_.started(path); }

void SoundWorker::reportFinished(const QString& path) { emit player_.finished(path); }

void SoundWorker::reportFellBack(const QString& path)
{
    emit player_.fellBack(path);
    beep();
}

void ThreadedSoundPlayer::run(std::unique_ptr<SoundWorker> worker)
{
    worker_ = worker.release();
    thread_.setObjectName(QStringLiteral("Orebell sound"));
    worker_->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
    thread_.start();
}

ThreadedSoundPlayer::~ThreadedSoundPlayer()
{
    ++latest_;
    QMetaObject::invokeMethod(
        worker_, [w = worker_] { w->release(); }, Qt::BlockingQueuedConnection);
    thread_.quit();
    thread_.wait();
}

void ThreadedSoundPlayer::play(const QString& path)
{
    const std::uint64_t generation = ++latest_;
    QMetaObject::invokeMethod(
        worker_,
        [this, path, generation] {
            if (generation == latest_.load()) // else a newer request is queued behind this one
                worker_->play(path);
        },
        Qt::QueuedConnection);
}

void ThreadedSoundPlayer::stop()
{
    ++latest_;
    QMetaObject::invokeMethod(
        worker_, [w = worker_] { w->release(); }, Qt::QueuedConnection);
}

} // namespace orebell
