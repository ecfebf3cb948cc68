#include "gui/TripTableModel.h"

#include "data/Palette.h"
#include "gui/Colors.h"
#include "gui/MiningLogText.h"

#include <QCoreApplication>
#include <QFont>
#include <QLocale>

namespace orebell {

void TripTableModel::setTrips(std::vector<Trip> trips)
{
    beginResetModel();
    trips_ = std::move(trips);
    oreTexts_.clear();
    oreTexts_.reserve(trips_.size());
    for (const Trip& t : trips_)
        oreTexts_.push_back(oreText(t));
    endResetModel();
}

void TripTableModel::setTripInProgress(std::optional<Trip> trip)
{
    const bool had = inProgress_.has_value();
    if (had && !trip) {
        beginRemoveRows({}, 0, 0);
        inProgress_.reset();
        endRemoveRows();
        return;
    }
    if (!trip)
        return;
    if (!had)
        beginInsertRows({}, 0, 0);
    inProgress_ = std::move(trip);
    inProgressOres_ = oreText(*inProgress_);
    if (!had)
        endInsertRows();
    else
        emit dataChanged(index(0, 0), index(0, ColumnCount - 1));
}

const Trip& TripTableModel::tripAt(int row) const
{
    if (inProgress_ && row == 0)
        return *inProgress_;
    // Newest first without sorting: the log hands the trips over oldest first.
    return trips_[trips_.size() - static_cast<std::size_t>(row) - (inProgress_ ? 0 : 1)];
}

const QString& TripTableModel::oreTextAt(int row) const
{
    if (inProgress_ && row == 0)
        return inProgressOres_;
    return oreTexts_[oreTexts_.size() - static_cast<std::size_t>(row) - (inProgress_ ? 0 : 1)];
}

int TripTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(trips_.size()) + (inProgress_ ? 1 : 0);
}

int TripTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TripTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Trip& t = tripAt(index.row());
    const bool live = inProgress_ && index.row() == 0;
    if (role == Qt::TextAlignmentRole)
        return index.column() == Ores || index.column() == EndedBy || index.column() == Start
                   ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                   : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role == Qt::FontRole && live) {
        QFont italic;
        italic.setItalic(true);
        return italic;
    }
    if (role == Qt::ForegroundRole && live)
        return toQColor(palette::Orange);
    if (role != Qt::DisplayRole && role != SortRole)
        return {};
    const bool sort = role == SortRole;
    switch (index.column()) {
    case Start:
        return sort ? QVariant(t.start.toMSecsSinceEpoch())
                    : QVariant(QLocale().toString(t.start.toLocalTime(), QLocale::ShortFormat));
    case MiningTime:
        return sort ? QVariant(t.miningSeconds) : QVariant(duration(t.miningSeconds));
    case Ores:
        return oreTextAt(index.row());
    case Units:
        return sort ? QVariant(t.units()) : QVariant(wholeNumber(t.units()));
    case Cycles:
        return t.cycles;
    case MinedOut:
        return t.asteroidsMinedOut;
    case Isk:
        return sort ? QVariant(t.isk) : QVariant(wholeNumber(t.isk));
    case IskPerHour:
        return sort ? QVariant(t.iskPerHour()) : QVariant(wholeNumber(t.iskPerHour()));
    case EndedBy:
        // The log keeps the English word; the player reads it in the window's language.
        return live ? inProgressText() : endedByText(t.endedBy);
    default:
        return {};
    }
}

QVariant TripTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char* const titles[] = {
        QT_TRANSLATE_NOOP("MiningLog", "Started"), QT_TRANSLATE_NOOP("MiningLog", "Mining"),
        QT_TRANSLATE_NOOP("MiningLog", "Ores"),    QT_TRANSLATE_NOOP("MiningLog", "Units"),
        QT_TRANSLATE_NOOP("MiningLog", "Cycles"),  QT_TRANSLATE_NOOP("MiningLog", "Mined out"),
        QT_TRANSLATE_NOOP("MiningLog", "Isk"),     QT_TRANSLATE_NOOP("MiningLog", "Isk/h"),
        QT_TRANSLATE_NOOP("MiningLog", "Ended by")};
    return section >= 0 && section < ColumnCount
               ? QVariant(QCoreApplication::translate("MiningLog", titles[section]))
               : QVariant();
}

} // namespace orebell

// Its meta-object code stays in this file, so that programs without the window link none of it.
#include "moc_TripTableModel.cpp"
