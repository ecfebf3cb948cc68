#include "gui/MiningLogExport.h"

#include "history/TripCsv.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QMimeDatabase>
#include <QProgressDialog>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStyle>
#include <QThread>

namespace orebell {

QString documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QIcon NameOnlyIconProvider::icon(const QFileInfo& info) const
{
    // The style's icons, never the desktop theme's, which may look inside the file as well.
    QStyle* style = QApplication::style();
    if (info.isDir())
        return style->standardIcon(info.isSymLink() ? QStyle::SP_DirLinkIcon : QStyle::SP_DirIcon);
    return style->standardIcon(info.isSymLink() ? QStyle::SP_FileLinkIcon : QStyle::SP_FileIcon);
}

QString NameOnlyIconProvider::type(const QFileInfo& info) const
{
    if (!info.isFile())
        return QFileIconProvider::type(info); // folders and drives: nothing is read for them
    const QMimeType mime = QMimeDatabase().mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
    return mime.comment().isEmpty() ? mime.name() : mime.comment();
}

QString askExportFile(QWidget* parent, const QString& folder)
{
    NameOnlyIconProvider icons; // not owned by the dialog: made first, it outlives it
    QFileDialog dialog(parent, QCoreApplication::translate("MiningLog", "Export mining log"),
                       QDir(folder).filePath(QStringLiteral("mining-log.csv")),
                       QCoreApplication::translate("MiningLog", "CSV files (*.csv)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontUseCustomDirectoryIcons);
    dialog.setIconProvider(&icons);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

TripExport::TripExport(MiningLog& log, QWidget& window) : QObject(&window), log_(log), window_(window) {}

TripExport::~TripExport()
{
    if (writer_)
        writer_->wait(); // it reports back to this object
}

QString TripExport::start(const QString& path)
{
    if (busy_)
        return QCoreApplication::translate("MiningLog", "an export is still under way");
    const QString refusal = csvTargetRefusal(path);
    if (!refusal.isEmpty())
        return refusal;
    busy_ = true;
    // Shown only when the export lasts; the windows stay usable meanwhile.
    progress_ = new QProgressDialog(QCoreApplication::translate("MiningLog", "Exporting the mining log..."),
                                    QString(), 0, 0, &window_);
    progress_->setWindowTitle(window_.windowTitle());
    progress_->setMinimumDuration(400);
    progress_->setAttribute(Qt::WA_DeleteOnClose);
    log_.readInBackground(MiningLog::TripDetail::Full, this,
                          [this, path](std::vector<Trip> trips) { write(std::move(trips), path); });
    return {};
}

void TripExport::write(std::vector<Trip> trips, const QString& path)
{
    if (progress_)
        progress_->setLabelText(
            QCoreApplication::translate("MiningLog", "Exporting %1 trips of the mining log...")
                .arg(trips.size()));
    if (writer_)
        writer_->wait();
    writer_.reset(QThread::create([this, path, trips = std::move(trips)] {
        QSaveFile file(path);
        const QByteArray bytes = tripsToCsv(trips).toUtf8();
        const bool ok = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
        const QString error = ok ? QString() : file.errorString();
        const int count = static_cast<int>(trips.size());
        QMetaObject::invokeMethod(
            this, [this, path, count, error] { done(path, count, error); }, Qt::QueuedConnection);
    }));
    writer_->start();
}

void TripExport::done(const QString& path, int trips, const QString& error)
{
    if (progress_)
        progress_->close();
    busy_ = false;
    emit finished(path, trips, error);
}

} // namespace orebell

// Its meta-object code stays in this file, so that programs without the window link none of it.
#include "moc_MiningLogExport.cpp"
