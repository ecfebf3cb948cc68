#pragma once

#include "toolkit/MiningLog.h"

#include <QAbstractTableModel>

#include <optional>
#include <vector>

namespace orebell {

// The trips as a table: one row per trip, sortable by any column (numbers sort as numbers), the
// trip in progress first, marked as such.
class TripTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Start, MiningTime, Ores, Units, Cycles, MinedOut, Isk, IskPerHour, EndedBy, ColumnCount };
    static constexpr int SortRole = Qt::UserRole;

    void setTrips(std::vector<Trip> trips);
    const std::vector<Trip>& trips() const { return trips_; }
    void setTripInProgress(std::optional<Trip> trip);
    const std::optional<Trip>& tripInProgress() const { return inProgress_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const Trip& tripAt(int row) const;
    const QString& oreTextAt(int row) const;

    std::vector<Trip> trips_;
    std::vector<QString> oreTexts_; // made once per trip: the table asks for them on every paint
    std::optional<Trip> inProgress_;
    QString inProgressOres_;
};

} // namespace orebell
