#pragma once

#include "toolkit/Platform.h"

#include <QHash>
#include <QSettings>
#include <QString>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace orebell {

// The settings store over QSettings: the registry on Windows, elsewhere one INI file per
// application name in a folder (the user's configuration folder, or a test's temporary one).
//
// Writes stay in memory until flush(), which writes the whole file once through a temporary file
// and a rename: a process killed during a save leaves the previous file whole. A file that does
// not parse is repaired when first opened: what can be read of the keys the program knows is
// kept (all of it when no one said which those are), the damaged original is copied beside it
// with the suffix ".damaged". So is a file in which a section name repeats with a key of the
// first (a damaged name): the later section is renamed rather than merged into the first.
class QtSettingsStore : public SettingsStore {
public:
    // folder empty: the platform's native per-user location.
    explicit QtSettingsStore(QString folder = {});
    ~QtSettingsStore() override;

    QString value(const QString& app, const QString& section, const QString& key) override;
    // An empty section or key cannot be stored: Invalid procedure call (5).
    void setValue(const QString& app, const QString& section, const QString& key,
                  const QString& value) override;
    void remove(const QString& app, const QString& section, const QString& key) override;
    bool flush() override;
    bool contains(const QString& app, const QString& section, const QString& key) override;

    QString fileFor(const QString& app) const;
    QString sectionPlace(const QString& app, const QString& section) const override;
    // The lock a running copy holds on the store of `app` (SingleInstance): beside the settings
    // file, or where they are in the registry, in the program's data folder (the mining log's).
    // The QSettings lock beside the file is another one.
    QString lockFileFor(const QString& app) const;
    // Why the last flush failed, for the player's message; empty after a good flush.
    QString lastError() const override { return lastError_; }

    void setKnownKeys(KnownKey known) override { known_ = std::move(known); }
    QStringList sections(const QString& app) override;
    // A copy made when the file was opened and repaired is the file as found: that one is kept.
    QString keepDamagedCopy(const QString& app) override;

    // Where a section and key live in QSettings. In an INI file "/" and "\" would split groups, so
    // they (and "%") are escaped. The registry keeps the names the earlier Windows builds wrote
    // ("1/8   Sec.", "R/Units"): its backend takes "\" for a "/" inside a value's name, so no
    // escaping there.
    enum class Backend { Ini, Registry };
    static QString keyPath(Backend backend, const QString& section, const QString& key);
    static QString encodeName(const QString& name);
    // The section and key of an INI path, or nothing for a path keyPath does not make.
    static std::optional<std::pair<QString, QString>> decodeIniPath(const QString& path);
    // The INI text with every later section that repeats an earlier one's name and one of its keys
    // renamed: QSettings would merge the two and keep one value of each shared key. Nothing when
    // no section repeats so.
    static std::optional<QByteArray> separateMergingSections(const QByteArray& ini);

private:
    // A write or removal not yet known to be on disk.
    struct Change {
        bool remove = false;
        QString path;
        QString value;
    };

    QSettings& settings(const QString& app);
    Backend backend() const;
    QString path(const QString& section, const QString& key) const;
    std::shared_ptr<QSettings> open(const QString& app);
    std::shared_ptr<QSettings> openFile(const QString& file);
    void renew(const QString& app);

    QString folder_;
    QHash<QString, std::shared_ptr<QSettings>> byApp_;
    QHash<QString, std::vector<Change>> pending_;
    QString lastError_;
    KnownKey known_;
    QHash<QString, QString> damagedCopies_; // by file
};

} // namespace orebell
