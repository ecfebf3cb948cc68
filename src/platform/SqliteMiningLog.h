#pragma once

#include "platform/PendingTrips.h"
#include "toolkit/MiningLog.h"

#include <QObject>
#include <QString>

#include <memory>
#include <mutex>
#include <vector>

class QSqlDatabase;
class QThread;
class QThreadPool;

namespace orebell {

// The mining log in an SQLite file (Qt SQL): WAL journal, one transaction per trip, the schema
// version in `user_version`, migrated forward from version 1 when opened.
//
// Only a file that is really damaged (not SQLite, failing its integrity check, or holding tables
// that are not a mining log) is renamed beside itself, never deleted, and a new log started. A
// file that cannot be written now (a full disk, a read-only folder, an I/O error, another
// program holding it) stays where it is: the trips wait in memory and are written at the next
// trip, at the next reading, and when the log is closed. Meanwhile they are also kept in a file
// of their own (PendingTrips), which the next opening merges into the log: every trip has a uid,
// so a trip that reaches the log twice (a kill between the merge and the file's removal, two
// copies) is counted once. A file of a newer or unknown version is left untouched and nothing is
// recorded this session. The player is told once per problem through takeNotice(). It never
// touches the settings store.
class SqliteMiningLog : public MiningLog {
public:
    static constexpr int SchemaVersion = 3;
    // How long the last writes wait for another program holding the file, on the way out.
    static constexpr int ClosingBusyTimeoutMs = 5000;

    // `busyTimeoutMs`: how long a write during the session waits for another program holding
    // the file before the trip is kept for the next try (the window's timers wait meanwhile).
    // `pendingPath`: where trips wait while the file cannot take them; beside it when empty.
    explicit SqliteMiningLog(QString path, int busyTimeoutMs = 250, QString pendingPath = {});
    ~SqliteMiningLog() override;
    SqliteMiningLog(const SqliteMiningLog&) = delete;
    SqliteMiningLog& operator=(const SqliteMiningLog&) = delete;

    // mining-log.sqlite in the user's data folder for Orebell (~/.local/share/Orebell on Linux).
    static QString defaultPath();
    // Beside the settings (~/.config/Orebell on Linux): another folder than the log's, which
    // may be writable when the log's is not.
    static QString defaultPendingPath();

    bool open() override;
    void checkInBackground(std::function<void()> done) override;
    bool record(const Trip& trip) override;
    using MiningLog::trips;
    std::vector<Trip> trips(TripDetail detail) override;
    // On a thread of the log's own, over a connection of its own (WAL readers do not wait for
    // the writer); the trips still waiting in memory come along.
    void readInBackground(TripDetail detail, QObject* context, TripsRead done) override;
    QString takeNotice() override;
    QString atRisk() override;

    const QString& path() const { return path_; }
    const QString& pendingPath() const { return pending_.path(); }
    // How long the writes on the way out wait for another program (tests shorten it).
    void setClosingBusyTimeout(int ms) { closingBusyTimeoutMs_ = ms; }
    // Trips waiting in memory for the file to take them.
    std::size_t waitingTrips() const { return waiting_.size(); }

protected:
    // Runs on each new connection before it is used: where a test injects a fault.
    virtual void connected(QSqlDatabase& db) { (void)db; }

private:
    // What stands in the way of the file.
    enum class Problem {
        None,
        Unavailable, // now: kept in memory, tried again
        Damaged,     // set aside, a new log started
        Foreign,     // a newer or unknown version: left alone for the session
    };
    struct Outcome {
        Problem problem = Problem::None;
        QString why;
    };

    Outcome tryOpen(const QString& connection, bool checkIntegrity);
    Outcome openChecked(const QString& connection, bool checkIntegrity);
    Outcome openLog(); // open(), without telling

    Outcome migrate(QSqlDatabase& db, int from);
    Outcome write(const Trip& trip);
    static Outcome insert(const QSqlDatabase& db, const Trip& trip);
    bool keepWaiting();
    void mergePending(const QString& connection);
    bool setPendingAside(const QString& why);
    static Outcome read(const QSqlDatabase& db, std::vector<Trip>& out, TripDetail detail);
    static Outcome readFile(const QString& path, int busyTimeoutMs, const QString& connection,
                            std::vector<Trip>& out, TripDetail detail);
    bool writeWaiting();
    static void addWaiting(std::vector<Trip>& out, const std::vector<Trip>& waiting,
                           const std::vector<Trip>& pending);
    void close();
    static void closeConnection(const QString& connection);
    static void loadDriverOnThisThread();
    bool setAside(const QString& why);
    void tell(const Outcome& outcome);
    void finishCheck();

    QString path_;
    QString connection_;
    int busyTimeoutMs_;
    int closingBusyTimeoutMs_ = ClosingBusyTimeoutMs;
    bool open_ = false;
    bool foreign_ = false;     // left alone for the session
    bool unavailable_ = false; // told; cleared once a write goes through
    std::vector<Trip> waiting_;
    PendingTrips pending_;
    bool pendingKept_ = false;      // the pending file holds every waiting trip
    QString pendingWhy_;            // why it could not, the last time it was tried
    bool pendingTold_ = false;      // that it could not
    bool pendingStuckTold_ = false; // that a damaged file could not be moved aside
    std::unique_ptr<QThread> check_;
    std::unique_ptr<QThreadPool> readers_; // one at a time, in the order asked
    int reads_ = 0;
    Outcome checked_; // what the background check found; read once it has ended
    bool checkedOnce_ = false;
    QObject context_; // the background check reports on the thread that asked for it
    mutable std::mutex noticeMutex_;
    QString notice_;
    QString pendingNotice_; // that waiting trips cannot be kept on disk either
};

} // namespace orebell
