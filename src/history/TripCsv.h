#pragma once

#include "toolkit/MiningLog.h"

#include <QString>

#include <vector>

namespace orebell {

// The mining log as CSV for a spreadsheet: one row per trip, each column one figure (units per
// ore, the estimate and the refined minerals per mineral), then a row of totals wherever adding up
// the column is right. Numbers as the window shows them, in C locale: whole units, seconds and
// minerals, isk to two decimals; each trip's units are the sum of its ore cells, and each total
// the sum of the cells above it. Times in UTC. The columns are described in the README.
QString tripsToCsv(const std::vector<Trip>& trips);

// The records of a CSV text: fields may be quoted, with commas, quotes and line breaks inside.
std::vector<QStringList> csvRecords(const QString& text);

// Why an export must not go to `path`, in words for the player; empty for a regular file or a
// new one. A device, a pipe or a file of the system's own (/proc, /sys) could block whoever
// writes it for good, or take the trips nowhere.
QString csvTargetRefusal(const QString& path);

} // namespace orebell
