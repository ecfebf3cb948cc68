#pragma once

#include "gui/TripTableModel.h"
#include "history/LogSummary.h"
#include "toolkit/MiningLog.h"

#include <QDate>
#include <QWidget>

#include <functional>

class QChartView;
class QLabel;
class QSortFilterProxyModel;
class QTableView;
class QTimer;

namespace orebell {

class MessageBoxService;
class MiningLogCharts;
class TripExport;

// "Mining log": isk per hour of the last 50 trips, units per day of the last 30 days stacked by
// ore, totals for today, seven days and all time, the sortable trips, and export to CSV. While it
// shows, the trip in progress is followed live in each of them.
class MiningLogWindow : public QWidget {
    Q_OBJECT
    // The folder the export dialog starts in: the last one exported to. The opener keeps it
    // between runs through the meta-object, since a window made by a module is of its own class.
    Q_PROPERTY(QString exportFolder READ exportFolder WRITE setExportFolder NOTIFY exportFolderChanged)
public:
    MiningLogWindow(MiningLog& log, MessageBoxService& messages, QWidget* parent = nullptr);

    // Reads the log again, off the window's thread, and redraws when the trips are there
    // (reloaded()); `today` is the local date the day charts end on. Invokable: the opener
    // reaches a window made by a module through the meta-object.
    Q_INVOKABLE void reload(const QDate& today = QDate::currentDate());
    // Writes the trips to `path` as CSV, reading and writing off the window's thread with a
    // progress box while it lasts; exported() tells how it went, and so does the status line.
    // False, after telling the player why, when `path` is refused at once (not a regular or new
    // file, an export under way).
    bool exportCsv(const QString& path);
    bool exporting() const;
    ~MiningLogWindow() override;

    // How the export asks for a file name; a dialog unless a test replaces it.
    void setSaveFileAsker(std::function<QString()> asker) { askSaveFile_ = std::move(asker); }
    // A folder that is gone (or none) reads as the Documents folder.
    QString exportFolder() const;
    void setExportFolder(const QString& folder);

    TripTableModel& tripModel() { return model_; }
    QTableView& table() { return *table_; }
    MiningLogCharts& charts() { return *charts_; }
    QChartView& iskChart();
    QChartView& dailyChart();
    QString totalsText() const;
    QString statusText() const;
    // Brings the trip in progress up to date (the window does so each second while it shows);
    // when the trip has ended, the log is read again for it.
    void followTripInProgress();

signals:
    void reloaded();
    void exported(bool ok);
    void exportFolderChanged(const QString& folder);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void build();
    void exportRequested();
    void exportDone(const QString& path, int trips, const QString& error);
    void showTrips(std::vector<Trip> trips);
    void showSummary(bool redrawCharts);

    MiningLog& log_;
    MessageBoxService& messages_;
    TripTableModel model_;
    QSortFilterProxyModel* sorted_ = nullptr;
    QTableView* table_ = nullptr;
    MiningLogCharts* charts_ = nullptr;
    QLabel* totals_[3] = {};
    QLabel* status_ = nullptr;
    QDate today_ = QDate::currentDate();
    LogSummary ended_; // of the trips read from the log, summed once per reading
    QTimer* follow_ = nullptr;
    std::function<QString()> askSaveFile_;
    QString exportFolder_;
    TripExport* export_ = nullptr;
};

} // namespace orebell
