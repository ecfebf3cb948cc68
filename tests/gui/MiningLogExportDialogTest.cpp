#include "gui/MiningLogWindow.h"
#include "support/TestPlatform.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

using namespace orebell;

namespace {

// The files of a folder that anyone opened while it was watched, by name.
class OpenedFiles {
public:
    explicit OpenedFiles(const QString& folder) : fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
    {
        if (fd_ >= 0 &&
            inotify_add_watch(fd_, QFile::encodeName(folder).constData(), IN_OPEN | IN_ACCESS) < 0) {
            ::close(fd_);
            fd_ = -1;
        }
    }
    ~OpenedFiles()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    OpenedFiles(const OpenedFiles&) = delete;
    OpenedFiles& operator=(const OpenedFiles&) = delete;

    bool watching() const { return fd_ >= 0; }
    QStringList names() const
    {
        QStringList names;
        alignas(inotify_event) char buffer[8192];
        for (ssize_t n; (n = ::read(fd_, buffer, sizeof buffer)) > 0;) {
            for (const char* p = buffer; p < buffer + n;) {
                const auto* event = reinterpret_cast<const inotify_event*>(p);
                if (event->len > 0 && !(event->mask & IN_ISDIR))
                    names << QString::fromLocal8Bit(event->name);
                p += sizeof(inotify_event) + event->len;
            }
        }
        names.removeDuplicates();
        return names;
    }

private:
    int fd_;
};

// The export dialog starts in the player's Documents folder, and shows a folder, while the player
// types its name, without opening a file in it: one of /proc (kmsg) never answers a read, and the
// dialog's own type sniffing hung the program for good.
TEST(MiningLogExportDialog, StartsInDocumentsAndListsAFolderWithoutReadingItsFiles)
{
    test::TestPlatform platform;
    MiningLogWindow window(*platform.miningLog(), platform.messageBox());
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    // Files that only their first bytes could tell the type of, and a pipe nobody writes to.
    for (const char* name : {"kmsg", "notes"}) {
        QFile f(folder.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("<6>[    0.000000] Linux version\n");
    }
    {
        QFile csv(folder.filePath(QStringLiteral("trips.csv")));
        ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
    }
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder.filePath(QStringLiteral("fd1"))).constData(), 0600), 0);
    OpenedFiles opened(folder.path());
    ASSERT_TRUE(opened.watching());

    QString startedIn;
    QStringList types; // of the files the dialog shows: the CSV file alone
    bool found = false;
    bool listed = false;
    QTimer::singleShot(0, &window, [&] {
        auto* dialog = window.findChild<QFileDialog*>();
        if (!dialog)
            return;
        found = true;
        startedIn = dialog->directory().absolutePath();
        auto* model = dialog->findChild<QFileSystemModel*>();
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (model && name) {
            QStringList loaded;
            // Disconnected before this lambda returns: the model goes on loading in the dialog's loop.
            const auto connection = QObject::connect(model, &QFileSystemModel::directoryLoaded,
                                                     [&loaded](const QString& path) { loaded << path; });
            name->clear();
            // As the player types it, without Return: the dialog lists the folder to complete the name.
            QTest::keyClicks(name, folder.path() + QLatin1Char('/'));
            listed = QTest::qWaitFor([&] { return loaded.contains(folder.path()); }, 10000);
            if (listed) {
                const QModelIndex parent = model->index(folder.path());
                for (int row = 0; row < model->rowCount(parent); ++row)
                    types << model->index(row, 2, parent).data().toString();
            }
            QObject::disconnect(connection);
        }
        dialog->reject();
    });
    auto* exportButton = window.findChild<QPushButton*>();
    ASSERT_TRUE(exportButton);
    exportButton->click();
    ASSERT_TRUE(found) << "no file dialog";

    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    EXPECT_EQ(
        startedIn,
        QDir(!documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath()).absolutePath());
    EXPECT_TRUE(listed) << "the folder was not listed";
    EXPECT_EQ(types.size(), 1);
    EXPECT_EQ(opened.names(), QStringList()) << "the dialog opened files to show them";
    EXPECT_TRUE(platform.messages().isEmpty());
}

} // namespace
