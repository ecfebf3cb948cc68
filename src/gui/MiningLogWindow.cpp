#include "gui/MiningLogWindow.h"

#include "data/Palette.h"
#include "gui/Colors.h"
#include "gui/MiningLogOpener.h"
#include "history/LogSummary.h"
#include "history/TripCsv.h"
#include "toolkit/Platform.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QProgressDialog>
#include <QPushButton>
#include <QSaveFile>
#include <QSortFilterProxyModel>
#include <QStackedBarSeries>
#include <QTableView>
#include <QThread>
#include <QVBoxLayout>

#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace orebell {

namespace {

QString wholeNumber(double v) { return QLocale().toString(v, 'f', 0); }

QString duration(double seconds)
{
    const auto s = static_cast<qint64>(seconds + 0.5);
    return QStringLiteral("%1:%2:%3")
        .arg(s / 3600)
        .arg(s / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(s % 60, 2, 10, QLatin1Char('0'));
}

QString totalsCaption(const QString& title, const LogTotals& t)
{
    return QStringLiteral("<b>%1</b><br>%2 %3 &middot; %4 units<br>%5 isk &middot; %6 isk/h<br>%7 mining")
        .arg(title, QLocale().toString(t.trips),
             t.trips == 1 ? QStringLiteral("trip") : QStringLiteral("trips"), wholeNumber(t.units),
             wholeNumber(t.isk), wholeNumber(t.iskPerHour()), duration(t.miningSeconds));
}

// Dark charts in the main window's panel colour.
void styleChart(QChart* chart, const QString& title)
{
    chart->setTheme(QChart::ChartThemeDark);
    chart->setLocalizeNumbers(true); // "8,000,000" isk, in the player's own digit grouping
    const QColor panel = toQColor(palette::PanelColor);
    const QColor text = toQColor(palette::LightGrey);
    chart->setBackgroundBrush(panel);
    chart->setPlotAreaBackgroundVisible(false);
    chart->setTitle(title);
    chart->setTitleBrush(text);
    chart->legend()->setLabelColor(text);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->setAnimationOptions(QChart::NoAnimation);
}

void styleAxis(QAbstractAxis* axis)
{
    axis->setLabelsColor(toQColor(palette::LightGrey));
    axis->setGridLineColor(toQColor(palette::ButtonSelected));
    QFont font = axis->labelsFont();
    font.setPointSizeF(font.pointSizeF() * 0.8);
    axis->setLabelsFont(font);
}

// The top of a value axis: the highest value, and 1 for a chart without any, whose range of
// nothing the axis cannot round to nice numbers.
double axisTop(const std::vector<double>& values)
{
    double top = 1;
    for (double v : values)
        top = std::max(top, v);
    return top;
}

// The labels show whole numbers, so the ticks must fall on them: a small range (an empty log's
// 0 to 1) gets one tick per unit instead of six labels reading 0, 0, 0, 1, 1, 1.
void useWholeTicks(QValueAxis* axis)
{
    axis->setLabelFormat(QStringLiteral("%.0f"));
    axis->applyNiceNumbers();
    const double top = std::ceil(axis->max());
    axis->setMax(top);
    if (top < axis->tickCount() - 1)
        axis->setTickCount(static_cast<int>(top) + 1);
}

// Days or trips along the bottom, whole numbers up the side, both in the window's colours.
void attachAxes(QChart* chart, QAbstractBarSeries* series, QBarCategoryAxis* x, QValueAxis* y)
{
    styleAxis(x);
    styleAxis(y);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
    useWholeTicks(y);
}

QChartView* chartView(QWidget* parent)
{
    auto* view = new QChartView(new QChart, parent);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(360, 220);
    view->setBackgroundBrush(toQColor(palette::PanelColor));
    return view;
}

} // namespace

// ---- The table -------------------------------------------------------------------------------

void TripTableModel::setTrips(std::vector<Trip> trips)
{
    beginResetModel();
    trips_ = std::move(trips);
    oreTexts_.clear();
    oreTexts_.reserve(trips_.size());
    for (const Trip& t : trips_) {
        QStringList names;
        for (const TripOre& ore : t.ores)
            names << ore.oreName;
        oreTexts_.push_back(names.join(QStringLiteral(", ")));
    }
    endResetModel();
}

int TripTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(trips_.size());
}

int TripTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TripTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    // Newest first without sorting: the log hands the trips over oldest first.
    const auto row = trips_.size() - 1 - static_cast<std::size_t>(index.row());
    const Trip& t = trips_[row];
    if (role == Qt::TextAlignmentRole)
        return index.column() == Ores || index.column() == EndedBy || index.column() == Start
                   ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                   : QVariant(Qt::AlignRight | Qt::AlignVCenter);
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
        return oreTexts_[row];
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
        return t.endedBy;
    default:
        return {};
    }
}

QVariant TripTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char* const titles[] = {"Started",   "Mining", "Ores",  "Units",   "Cycles",
                                         "Mined out", "Isk",    "Isk/h", "Ended by"};
    return section >= 0 && section < ColumnCount ? QVariant(QString::fromLatin1(titles[section]))
                                                 : QVariant();
}

// ---- The window ------------------------------------------------------------------------------

MiningLogWindow::MiningLogWindow(MiningLog& log, MessageBoxService& messages, QWidget* parent)
    : QWidget(parent, Qt::Window), log_(log), messages_(messages)
{
    setWindowTitle(QStringLiteral("Mining log"));
    setObjectName(QStringLiteral("frmMiningLog"));
    setPalette(programPalette());
    setAutoFillBackground(true);
    askSaveFile_ = [this] {
        return QFileDialog::getSaveFileName(this, QStringLiteral("Export mining log"),
                                            QStringLiteral("mining-log.csv"),
                                            QStringLiteral("CSV files (*.csv)"));
    };
    build();
    resize(960, 700);
}

void MiningLogWindow::build()
{
    auto* layout = new QVBoxLayout(this);

    auto* totalsRow = new QHBoxLayout;
    for (QLabel*& label : totals_) {
        label = new QLabel(this);
        label->setTextFormat(Qt::RichText);
        label->setAlignment(Qt::AlignCenter);
        label->setFrameShape(QFrame::StyledPanel);
        label->setMargin(6);
        totalsRow->addWidget(label, 1);
    }
    layout->addLayout(totalsRow);

    auto* charts = new QHBoxLayout;
    iskChart_ = chartView(this);
    dailyChart_ = chartView(this);
    charts->addWidget(iskChart_, 1);
    charts->addWidget(dailyChart_, 1);
    layout->addLayout(charts, 3);

    sorted_ = new QSortFilterProxyModel(this);
    sorted_->setSourceModel(&model_);
    sorted_->setSortRole(TripTableModel::SortRole);
    table_ = new QTableView(this);
    table_->setModel(sorted_);
    // The rows come newest first; the proxy sorts only when the player asks, so that opening the
    // window does not sort thousands of trips into the order they already have.
    QHeaderView* header = table_->horizontalHeader();
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    header->setSortIndicator(TripTableModel::Start, Qt::DescendingOrder);
    connect(header, &QHeaderView::sortIndicatorChanged, sorted_,
            [this](int column, Qt::SortOrder order) { sorted_->sort(column, order); });
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setAlternatingRowColors(true);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->horizontalHeader()->setDefaultSectionSize(
        table_->fontMetrics().horizontalAdvance(QStringLiteral("00,000,000")) + 12);
    table_->horizontalHeader()->setSectionResizeMode(TripTableModel::Ores, QHeaderView::Stretch);
    // Measured on a sample rather than on every row: the log may hold many thousand trips.
    const QString longestStart =
        QLocale().toString(QDateTime(QDate(2026, 12, 28), QTime(23, 58)), QLocale::ShortFormat) +
        QStringLiteral("MM");
    table_->setColumnWidth(TripTableModel::Start, table_->fontMetrics().horizontalAdvance(longestStart));
    layout->addWidget(table_, 2);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* exportButton = new QPushButton(QStringLiteral("Export CSV..."), this);
    connect(exportButton, &QPushButton::clicked, this, [this] { exportRequested(); });
    buttons->addWidget(exportButton);
    layout->addLayout(buttons);
}

MiningLogWindow::~MiningLogWindow()
{
    if (writer_)
        writer_->wait(); // it reports back to this window
}

void MiningLogWindow::reload(const QDate& today)
{
    log_.readInBackground(MiningLog::TripDetail::WithoutMinerals, this,
                          [this, today](std::vector<Trip> trips) { showTrips(std::move(trips), today); });
}

void MiningLogWindow::showTrips(std::vector<Trip> trips, const QDate& today)
{
    model_.setTrips(std::move(trips));
    const QString notice = log_.takeNotice();
    if (!notice.isEmpty())
        messages_.show(notice);
    const LogSummary summary = summarize(model_.trips(), today);
    totals_[0]->setText(totalsCaption(QStringLiteral("Today"), summary.today));
    totals_[1]->setText(totalsCaption(QStringLiteral("Last 7 days"), summary.lastSevenDays));
    totals_[2]->setText(totalsCaption(QStringLiteral("All time"), summary.allTime));
    showCharts(summary);
    emit reloaded();
}

QString MiningLogWindow::totalsText() const
{
    QStringList texts;
    for (const QLabel* label : totals_)
        texts << label->text();
    return texts.join(QLatin1Char('\n'));
}

void MiningLogWindow::showCharts(const LogSummary& summary)
{
    {
        auto* chart = new QChart;
        styleChart(chart,
                   QStringLiteral("Isk per hour of mining, last %1 trips").arg(LogSummary::RecentTrips));
        auto* set = new QBarSet(QStringLiteral("Isk per hour"));
        set->setColor(toQColor(palette::Orange));
        set->setBorderColor(toQColor(palette::Orange));
        QStringList trips;
        for (std::size_t i = 0; i < summary.recentIskPerHour.size(); ++i) {
            *set << summary.recentIskPerHour[i];
            trips << QString::number(summary.recentIds[i]);
        }
        auto* series = new QBarSeries;
        series->append(set);
        series->setBarWidth(0.8);
        chart->addSeries(series);
        // Fifty trip numbers do not fit under the bars; the table has them.
        auto* x = new QBarCategoryAxis;
        x->append(trips);
        x->setLabelsVisible(false);
        auto* y = new QValueAxis;
        y->setRange(0, axisTop(summary.recentIskPerHour));
        attachAxes(chart, series, x, y);
        chart->legend()->hide();
        QChart* old = iskChart_->chart();
        iskChart_->setChart(chart);
        delete old;
    }
    {
        auto* chart = new QChart;
        // Thirty day labels do not fit under the bars: the title names the days they span.
        styleChart(chart, QStringLiteral("Units mined per day, %1 - %2")
                              .arg(QLocale().toString(summary.days.front(), QStringLiteral("d MMM")),
                                   QLocale().toString(summary.days.back(), QStringLiteral("d MMM yyyy"))));
        auto* series = new QStackedBarSeries;
        for (qsizetype o = 0; o < summary.ores.size(); ++o) {
            auto* set = new QBarSet(summary.ores[o]);
            for (double units : summary.unitsByOre[static_cast<std::size_t>(o)])
                *set << units;
            series->append(set);
        }
        series->setBarWidth(0.8);
        chart->addSeries(series);
        auto* x = new QBarCategoryAxis;
        QStringList days;
        for (const QDate& day : summary.days)
            days << day.toString(Qt::ISODate);
        x->append(days);
        x->setLabelsVisible(false);
        x->setGridLineVisible(false);
        auto* y = new QValueAxis;
        std::vector<double> dayTotals(summary.days.size(), 0.0);
        for (const auto& ore : summary.unitsByOre)
            for (std::size_t d = 0; d < ore.size(); ++d)
                dayTotals[d] += ore[d];
        y->setRange(0, axisTop(dayTotals));
        attachAxes(chart, series, x, y);
        chart->legend()->setAlignment(Qt::AlignBottom); // the thirty bars need the width
        chart->legend()->setVisible(!summary.ores.isEmpty());
        QChart* old = dailyChart_->chart();
        dailyChart_->setChart(chart);
        delete old;
    }
}

void MiningLogWindow::exportRequested()
{
    const QString path = askSaveFile_ ? askSaveFile_() : QString();
    if (!path.isEmpty())
        exportCsv(path);
}

bool MiningLogWindow::exportCsv(const QString& path)
{
    QString refusal = csvTargetRefusal(path);
    if (exporting_)
        refusal = QStringLiteral("an export is still under way");
    if (!refusal.isEmpty()) {
        messages_.show(QStringLiteral("The mining log was not exported to %1: %2")
                           .arg(QDir::toNativeSeparators(path), refusal));
        return false;
    }
    exporting_ = true;
    // Shown only when the export lasts; the windows stay usable meanwhile.
    progress_ = new QProgressDialog(QStringLiteral("Exporting the mining log..."), QString(), 0, 0, this);
    progress_->setWindowTitle(windowTitle());
    progress_->setMinimumDuration(400);
    progress_->setAttribute(Qt::WA_DeleteOnClose);
    log_.readInBackground(MiningLog::TripDetail::Full, this,
                          [this, path](std::vector<Trip> trips) { writeCsv(std::move(trips), path); });
    return true;
}

void MiningLogWindow::writeCsv(std::vector<Trip> trips, const QString& path)
{
    if (progress_)
        progress_->setLabelText(QStringLiteral("Exporting %1 trips of the mining log...").arg(trips.size()));
    if (writer_)
        writer_->wait();
    writer_.reset(QThread::create([this, path, trips = std::move(trips)] {
        QSaveFile file(path);
        const QByteArray bytes = tripsToCsv(trips).toUtf8();
        const bool ok = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
        const QString error = ok ? QString() : file.errorString();
        QMetaObject::invokeMethod(
            this, [this, path, error] { exportDone(path, error); }, Qt::QueuedConnection);
    }));
    writer_->start();
}

void MiningLogWindow::exportDone(const QString& path, const QString& error)
{
    if (progress_)
        progress_->close();
    const bool ok = error.isEmpty();
    if (!ok)
        messages_.show(QStringLiteral("The mining log was not exported to %1: %2")
                           .arg(QDir::toNativeSeparators(path), error));
    exporting_ = false;
    emit exported(ok);
}

MiningLogWindowMaker linkedMiningLogWindow()
{
    return [](MiningLog& log, MessageBoxService& messages, QWidget* parent, QString*) -> QWidget* {
        return new MiningLogWindow(log, messages, parent);
    };
}

} // namespace orebell

// Its meta-object code stays in this file, so that programs without the window link none of it.
#include "moc_MiningLogWindow.cpp"
