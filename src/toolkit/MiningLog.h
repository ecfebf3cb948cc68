#pragma once

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QString>

#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace orebell {

// Units of one ore credited to the ore-mined grid during a trip.
struct TripOre {
    QString oreName;
    double units = 0;
};

// One trip of the mining log: from the first laser start after the last record to the Refine,
// Reset or exit that closed it.
struct Trip {
    static constexpr int Minerals = 8; // in the mineral order of the yield table

    qint64 id = 0;            // given by the log when recorded
    QDateTime start;          // UTC
    QDateTime end;            // UTC
    double miningSeconds = 0; // time with at least one laser running
    std::vector<TripOre> ores;
    int cycles = 0;
    int asteroidsMinedOut = 0;
    std::array<double, Minerals> estimate{};             // what the ore refines to, at the figures of the end
    double isk = 0;                                      // the estimate's value at the prices of the end
    QString endedBy;                                     // one of the TripEnd texts
    std::optional<std::array<double, Minerals>> refined; // what a Refine moved into the refined amounts
    // Given by the log when the trip is handed to it: a trip kept twice (waiting in a file, written
    // by another copy) is still counted once.
    QString uid;

    double units() const;
    // Isk of the estimate per hour with a laser running; 0 for a trip without mining time.
    double iskPerHour() const;
};

namespace TripEnd {
inline const QString Refine = QStringLiteral("Refine");
inline const QString Reset = QStringLiteral("Reset");
inline const QString Close = QStringLiteral("Close");
inline const QString Exit = QStringLiteral("Exit");
} // namespace TripEnd

// The mining log: finished trips in, every trip out.
class MiningLog {
public:
    virtual ~MiningLog() = default;
    // Opens the log now rather than at its first use; false when nothing can be kept.
    virtual bool open() = 0;
    // Opens the log and checks its file off the caller's path (on a thread of its own where the
    // log can); `done` runs on the caller's thread afterwards, when takeNotice() may have news.
    virtual void checkInBackground(std::function<void()> done)
    {
        open();
        if (done)
            done();
    }
    // Keeps one trip, all of it or nothing. False when it could not be kept in the log now (it
    // may still wait in memory for a later try).
    virtual bool record(const Trip& trip) = 0;
    // Every trip kept, oldest first.
    std::vector<Trip> trips() { return trips(TripDetail::Full); }
    // Without the minerals (estimate and refined left empty), as the log window reads them.
    enum class TripDetail { Full, WithoutMinerals };
    virtual std::vector<Trip> trips(TripDetail detail) = 0;
    // The same trips read off the caller's thread where the log can, so that a long log does not
    // hold up the window and its timers: `done` gets them on the caller's thread, later, unless
    // `context` is gone by then.
    using TripsRead = std::function<void(std::vector<Trip>)>;
    virtual void readInBackground(TripDetail detail, QObject* context, TripsRead done)
    {
        QMetaObject::invokeMethod(
            context, [done = std::move(done), read = trips(detail)]() mutable { done(std::move(read)); },
            Qt::QueuedConnection);
    }
    // What would be lost if the program ended now: trips neither in the log nor kept on disk for
    // it. Empty when there are none. For the close's message, where it stands for any notice that
    // said the same.
    virtual QString atRisk() { return {}; }
    // What the player must hear about the log (it was damaged and set aside, it cannot be
    // written), once: empty when there is nothing new.
    virtual QString takeNotice() = 0;

    // The trip under way, which the log keeps only once it has ended: whoever cuts the session
    // into trips says where to find it, and the log window shows it live. On the window's thread.
    using TripInProgress = std::function<std::optional<Trip>()>;
    void setTripInProgress(TripInProgress source) { tripInProgress_ = std::move(source); }
    std::optional<Trip> tripInProgress() const
    {
        return tripInProgress_ ? tripInProgress_() : std::optional<Trip>();
    }

private:
    TripInProgress tripInProgress_;
};

} // namespace orebell
