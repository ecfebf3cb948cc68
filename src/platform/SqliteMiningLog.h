#pragma once

#include "toolkit/MiningLog.h"

#include <QString>

namespace orebell {

// The mining log in an SQLite file (Qt SQL): WAL journal, one transaction per trip, the schema
// version in `user_version`, migrated forward from version 1 when opened. A file that cannot be
// used (damaged, locked by another program, written by a newer version) is renamed beside itself,
// never deleted, and a new log is started; the player is told once through takeNotice(). It
// never touches the settings store.
class SqliteMiningLog : public MiningLog {
public:
    static constexpr int SchemaVersion = 2;

    // `busyTimeoutMs`: how long a write waits for another program holding the file before the
    // file counts as locked.
    explicit SqliteMiningLog(QString path, int busyTimeoutMs = 2000);
    ~SqliteMiningLog() override;
    SqliteMiningLog(const SqliteMiningLog&) = delete;
    SqliteMiningLog& operator=(const SqliteMiningLog&) = delete;

    // mining-log.sqlite in the user's data folder for Orebell (~/.local/share/Orebell on Linux).
    static QString defaultPath();

    bool open() override;
    bool record(const Trip& trip) override;
    using MiningLog::trips;
    std::vector<Trip> trips(TripDetail detail) override;
    QString takeNotice() override;

    const QString& path() const { return path_; }

private:
    bool tryOpen(QString& why);
    bool migrate(int from, QString& why);
    bool write(const Trip& trip, QString& why);
    bool read(std::vector<Trip>& out, TripDetail detail, QString& why);
    void close();
    bool setAside(const QString& why);
    void cannotKeep(const QString& why);

    QString path_;
    QString connection_;
    int busyTimeoutMs_;
    bool open_ = false;
    bool broken_ = false; // nothing can be kept in this run; told once
    QString notice_;
};

} // namespace orebell
