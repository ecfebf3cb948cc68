#pragma once

#include "toolkit/MiningLog.h"

#include <QString>

#include <optional>
#include <vector>

namespace orebell {

// The mining log as CSV for a spreadsheet: one row per trip and ore, the trip's own figures
// repeated on each of its rows. Numbers are written in full (C locale, up to 17 significant
// digits) and times in UTC ISO 8601, so that reading the file back gives the same trips.
QString tripsToCsv(const std::vector<Trip>& trips);

// The trips of a file written by tripsToCsv; nothing, with the reason in `error`, when a row does
// not read.
std::optional<std::vector<Trip>> tripsFromCsv(const QString& text, QString* error = nullptr);

// Why an export must not go to `path`, in words for the player; empty for a regular file or a
// new one. A device, a pipe or a file of the system's own (/proc, /sys) could block whoever
// writes it for good, or take the trips nowhere.
QString csvTargetRefusal(const QString& path);

} // namespace orebell
