#pragma once

#include "history/LogSummary.h"
#include "toolkit/MiningLog.h"

#include <QAbstractTableModel>
#include <QDate>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QBarSet;
class QChartView;
class QLabel;
class QProgressDialog;
class QThread;
class QSortFilterProxyModel;
class QTableView;
class QTimer;
class QValueAxis;

namespace orebell {

class MessageBoxService;

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

// "Mining log": isk per hour of the last 50 trips, units per day of the last 30 days stacked by
// ore, totals for today, seven days and all time, the sortable trips, and export to CSV. While it
// shows, the trip in progress is followed live in each of them.
class MiningLogWindow : public QWidget {
    Q_OBJECT
public:
    MiningLogWindow(MiningLog& log, MessageBoxService& messages, QWidget* parent = nullptr);

    // Reads the log again, off the window's thread, and redraws when the trips are there
    // (reloaded()); `today` is the local date the day charts end on. Invokable: the opener
    // reaches a window made by a module through the meta-object.
    Q_INVOKABLE void reload(const QDate& today = QDate::currentDate());
    // Writes the trips to `path` as CSV, reading and writing off the window's thread with a
    // progress box while it lasts; exported() tells how it went. False, after telling the
    // player why, when `path` is refused at once (not a regular or new file, an export under way).
    bool exportCsv(const QString& path);
    bool exporting() const { return exporting_; }
    ~MiningLogWindow() override;

    // How the export asks for a file name; a dialog unless a test replaces it.
    void setSaveFileAsker(std::function<QString()> asker) { askSaveFile_ = std::move(asker); }

    TripTableModel& tripModel() { return model_; }
    QTableView& table() { return *table_; }
    QChartView& iskChart() { return *iskChart_; }
    QChartView& dailyChart() { return *dailyChart_; }
    QString totalsText() const;
    // Brings the trip in progress up to date (the window does so each second while it shows);
    // when the trip has ended, the log is read again for it.
    void followTripInProgress();

signals:
    void reloaded();
    void exported(bool ok);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void build();
    void exportRequested();
    void showTrips(std::vector<Trip> trips);
    void showSummary(bool redrawCharts);
    void showCharts(const LogSummary& summary);
    bool moveBarsInProgress(const LogSummary& summary);
    void showIskChart(const LogSummary& summary);
    void showDailyChart(const LogSummary& summary);
    void writeCsv(std::vector<Trip> trips, const QString& path);
    void exportDone(const QString& path, const QString& error);

    MiningLog& log_;
    MessageBoxService& messages_;
    TripTableModel model_;
    QSortFilterProxyModel* sorted_ = nullptr;
    QTableView* table_ = nullptr;
    QChartView* iskChart_ = nullptr;
    QChartView* dailyChart_ = nullptr;
    QLabel* totals_[3] = {};
    QDate today_ = QDate::currentDate();
    LogSummary ended_; // of the trips read from the log, summed once per reading
    QTimer* follow_ = nullptr;
    // The trip in progress in the charts, while they show it, and the scales it must stay within.
    QPointer<QBarSet> iskInProgress_;
    QPointer<QBarSet> unitsInProgress_;
    QPointer<QValueAxis> iskScale_;
    QPointer<QValueAxis> unitsScale_;
    std::function<QString()> askSaveFile_;
    bool exporting_ = false;
    std::unique_ptr<QThread> writer_;
    QPointer<QProgressDialog> progress_;
};

} // namespace orebell
