#pragma once

#include "toolkit/MiningLog.h"

#include <QFileIconProvider>
#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

class QProgressDialog;
class QThread;
class QWidget;

namespace orebell {

// Where an export is first offered: the player's Documents folder, else the home folder.
QString documentsFolder();

// Tells a file dialog what a file is by its name alone. Qt's own provider works out a file's type
// from its first bytes, on the dialog's thread: a file of /proc such as kmsg never answers, and
// the program hung as soon as the player typed "/proc/" in the file name box.
class NameOnlyIconProvider : public QFileIconProvider {
public:
    QIcon icon(IconType type) const override { return QFileIconProvider::icon(type); }
    QIcon icon(const QFileInfo& info) const override;
    QString type(const QFileInfo& info) const override;
};

// Asks for the file to export to, starting in `folder` with mining-log.csv offered; empty when
// the player cancels.
QString askExportFile(QWidget* parent, const QString& folder);

// Reads the trips (with their minerals) and writes them as CSV, both off the window's thread, with
// a progress box over `window` while it lasts.
class TripExport : public QObject {
    Q_OBJECT
public:
    TripExport(MiningLog& log, QWidget& window);
    ~TripExport() override;

    // Why the export cannot start (the path is refused, one is under way), in words for the
    // player; empty when it has started and finished() will follow.
    QString start(const QString& path);
    bool busy() const { return busy_; }

signals:
    // `error` empty when `trips` trips were written to `path`.
    void finished(const QString& path, int trips, const QString& error);

private:
    void write(std::vector<Trip> trips, const QString& path);
    void done(const QString& path, int trips, const QString& error);

    MiningLog& log_;
    QWidget& window_;
    bool busy_ = false;
    std::unique_ptr<QThread> writer_;
    QPointer<QProgressDialog> progress_;
};

} // namespace orebell
