#pragma once

#include "toolkit/MiningLog.h"

#include <QLockFile>
#include <QString>

#include <optional>
#include <vector>

namespace orebell {

// Trips the mining log could not take, kept in a small file of their own (in another folder than
// the log where the platform has one) until a later try or the next start merges them into it.
//
// The file is replaced whole (QSaveFile), so a kill leaves the old one or the new one. Its first
// line names the format and holds a checksum of the rest: a file that fails it is damaged, and is
// set aside beside itself, never deleted. Copies of the program share the file: every read,
// change and removal happens under `Guard`.
class PendingTrips {
public:
    explicit PendingTrips(QString path);

    const QString& path() const { return path_; }

    // Holds the file's lock for one read-change-write, or fails (why() says so).
    class Guard {
    public:
        explicit Guard(const QString& path);
        bool held() const { return held_; }
        // Held by another copy, rather than impossible to make.
        bool busy() const { return lock_.error() == QLockFile::LockFailedError; }
        QString why() const;

    private:
        QLockFile lock_;
        bool held_ = false;
    };

    // What the file holds; no file is no trips. Damage comes back as text, the file untouched.
    struct Contents {
        std::vector<Trip> trips;
        QString damage; // why the file cannot be read as ours; empty when it can
    };
    Contents read() const;
    // Replaces the file with `trips`; false (and `why`) when it cannot be written.
    bool write(const std::vector<Trip>& trips, QString* why) const;
    // Removes the file once its trips are in the log.
    bool remove() const;
    // Renames a damaged file beside itself; where it went, or nothing when it could not be moved.
    std::optional<QString> setAside() const;

    static QByteArray encode(const std::vector<Trip>& trips);
    static std::optional<std::vector<Trip>> decode(const QByteArray& bytes, QString* why);

private:
    QString path_;
};

} // namespace orebell
