#include "gui/MiningLogWindow.h"

#include "data/OreCatalogue.h"
#include "data/Palette.h"
#include "gui/Colors.h"
#include "gui/MiningLogOpener.h"
#include "history/LogSummary.h"
#include "history/TripCsv.h"
#include "toolkit/Platform.h"

#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCursor>
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
#include <QTimer>
#include <QToolTip>
#include <QVBoxLayout>

#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace orebell {

namespace {

const QString InProgress = QStringLiteral("In progress");

QString wholeNumber(double v) { return QLocale().toString(v, 'f', 0); }

QString dayText(const QDate& day) { return QLocale().toString(day, QStringLiteral("d MMM")); }

QString oreText(const Trip& trip)
{
    QStringList names;
    for (const TripOre& ore : trip.ores)
        names << ore.oreName;
    return names.join(QStringLiteral(", "));
}

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

// Each ore keeps its colour from one log to the next: a hue per base ore, spread around the
// circle so that neighbours in the list differ, its two variants a lighter and a deeper shade.
// A name the ore list does not know gets a pale colour of its own, from its letters.
QColor oreColor(const QString& oreName)
{
    const int base = baseOreIndex(oreName);
    if (base < 0) {
        quint32 hash = 2166136261u; // FNV-1a: the same every run, unlike qHash
        for (QChar c : oreName)
            hash = (hash ^ c.unicode()) * 16777619u;
        return QColor::fromHsv(static_cast<int>(hash % 360), 60, 200);
    }
    const int hue = (base * 137 + 30) % 360; // the golden angle, near enough
    const auto& variants = baseOres()[static_cast<std::size_t>(base)].variants;
    if (oreName == QLatin1String(variants[0]))
        return QColor::fromHsv(hue, 90, 255);
    if (oreName == QLatin1String(variants[1]))
        return QColor::fromHsv(hue, 230, 170);
    return QColor::fromHsv(hue, 170, 230);
}

// The trip in progress: hatched, so that it reads as not yet kept.
void markInProgress(QBarSet* set)
{
    const QColor colour = toQColor(palette::LightGrey);
    set->setBrush(QBrush(colour, Qt::BDiagPattern));
    set->setBorderColor(colour);
}

// Bar i stands at i on a value axis that names some of the bars: `labels` holds their indexes and
// texts, in order; a text already used is left out (the axis needs each once).
QCategoryAxis* barAxis(int bars, const std::vector<std::pair<int, QString>>& labels)
{
    auto* x = new QCategoryAxis;
    x->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    x->setRange(-0.5, std::max(bars, 1) - 0.5);
    x->setGridLineVisible(false);
    QStringList used;
    for (const auto& [index, text] : labels) {
        if (used.contains(text))
            continue;
        used << text;
        x->append(text, index);
    }
    x->setStartValue(-0.5);
    return x;
}

// Shows what a bar is while the pointer rests on it.
void explainBars(QBarSet* set, QWidget* view, std::function<QString(int)> text)
{
    QObject::connect(set, &QBarSet::hovered, view, [view, text = std::move(text)](bool on, int index) {
        if (on)
            QToolTip::showText(QCursor::pos(), text(index), view);
        else
            QToolTip::hideText();
    });
}

// Trips or days along the bottom, whole numbers up the side, both in the window's colours.
void attachAxes(QChart* chart, QAbstractBarSeries* series, QAbstractAxis* x, QValueAxis* y)
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
        return live ? InProgress : t.endedBy;
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
    follow_ = new QTimer(this);
    follow_->setInterval(1000);
    connect(follow_, &QTimer::timeout, this, &MiningLogWindow::followTripInProgress);
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
    today_ = today;
    log_.readInBackground(MiningLog::TripDetail::WithoutMinerals, this,
                          [this](std::vector<Trip> trips) { showTrips(std::move(trips)); });
}

void MiningLogWindow::showTrips(std::vector<Trip> trips)
{
    model_.setTrips(std::move(trips));
    ended_ = summarize(model_.trips(), today_);
    model_.setTripInProgress(log_.tripInProgress());
    const QString notice = log_.takeNotice();
    if (!notice.isEmpty())
        messages_.show(notice);
    showSummary(true);
    emit reloaded();
}

void MiningLogWindow::followTripInProgress()
{
    const std::optional<Trip> before = model_.tripInProgress();
    std::optional<Trip> now = log_.tripInProgress();
    if (before && (!now || now->start != before->start)) {
        reload(today_); // it has ended and is in the log now
        return;
    }
    if (!before && !now)
        return;
    model_.setTripInProgress(std::move(now));
    showSummary(!before);
}

void MiningLogWindow::showSummary(bool redrawCharts)
{
    const std::optional<Trip>& live = model_.tripInProgress();
    const LogSummary summary = live ? withTripInProgress(ended_, *live) : ended_;
    totals_[0]->setText(totalsCaption(QStringLiteral("Today"), summary.today));
    totals_[1]->setText(totalsCaption(QStringLiteral("Last 7 days"), summary.lastSevenDays));
    totals_[2]->setText(totalsCaption(QStringLiteral("All time"), summary.allTime));
    if (redrawCharts || !moveBarsInProgress(summary))
        showCharts(summary);
}

// The bars of the trip in progress follow it where they stand, as long as the charts' scales
// hold them: a chart redrawn each second would cost more than the window's whole reading.
bool MiningLogWindow::moveBarsInProgress(const LogSummary& summary)
{
    if (summary.recent.empty() || !summary.recent.back().inProgress || !iskInProgress_ || !iskScale_ ||
        !unitsScale_ || (summary.unitsInProgress > 0) != static_cast<bool>(unitsInProgress_))
        return false;
    const double isk = summary.recent.back().iskPerHour;
    double today = summary.unitsInProgress;
    for (const auto& ore : summary.unitsByOre)
        today += ore.empty() ? 0.0 : ore.back();
    if (isk > iskScale_->max() || today > unitsScale_->max())
        return false;
    iskInProgress_->replace(iskInProgress_->count() - 1, isk);
    if (unitsInProgress_)
        unitsInProgress_->replace(unitsInProgress_->count() - 1, summary.unitsInProgress);
    return true;
}

void MiningLogWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    follow_->start();
}

void MiningLogWindow::hideEvent(QHideEvent* event)
{
    follow_->stop();
    QWidget::hideEvent(event);
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
    showIskChart(summary);
    showDailyChart(summary);
}

void MiningLogWindow::showIskChart(const LogSummary& summary)
{
    auto* chart = new QChart;
    styleChart(chart, QStringLiteral("Isk per hour of mining, last %1 trips").arg(LogSummary::RecentTrips));
    // Stacked, one of the two empty at each trip, so that the trip in progress has a bar as wide
    // as the others and a look of its own.
    auto* ended = new QBarSet(QStringLiteral("Ended trips"));
    ended->setColor(toQColor(palette::Orange));
    ended->setBorderColor(toQColor(palette::Orange));
    auto* live = new QBarSet(InProgress);
    markInProgress(live);
    std::vector<double> values;
    std::vector<QDate> days;
    for (const LogSummary::RecentTrip& trip : summary.recent) {
        *ended << (trip.inProgress ? 0.0 : trip.iskPerHour);
        *live << (trip.inProgress ? trip.iskPerHour : 0.0);
        values.push_back(trip.iskPerHour);
        days.push_back(trip.end.toLocalTime().date());
    }
    // A date under the first trip of a day, the latest day first, where the next leaves room.
    const int bars = static_cast<int>(days.size());
    const int room = std::max(1, bars / 6);
    std::vector<std::pair<int, QString>> labels;
    int nextLabel = bars + room;
    for (int i = bars - 1; i >= 0; --i) {
        const auto day = days[static_cast<std::size_t>(i)];
        const bool firstOfDay = i == 0 || days[static_cast<std::size_t>(i) - 1] != day;
        if (firstOfDay && nextLabel - i >= room) {
            labels.insert(labels.begin(), {i, dayText(day)});
            nextLabel = i;
        }
    }
    auto* series = new QStackedBarSeries;
    series->append(ended);
    const bool hasLive = !summary.recent.empty() && summary.recent.back().inProgress;
    if (hasLive)
        series->append(live);
    else
        delete live;
    series->setBarWidth(0.8);
    chart->addSeries(series);
    const auto tip = [recent = summary.recent](int index) {
        if (index < 0 || index >= static_cast<int>(recent.size()))
            return QString();
        const LogSummary::RecentTrip& trip = recent[static_cast<std::size_t>(index)];
        if (trip.inProgress)
            return QStringLiteral("Trip in progress: %1 isk/h so far").arg(wholeNumber(trip.iskPerHour));
        return QStringLiteral("Trip %1, ended %2: %3 isk/h")
            .arg(trip.id)
            .arg(QLocale().toString(trip.end.toLocalTime(), QLocale::ShortFormat),
                 wholeNumber(trip.iskPerHour));
    };
    for (QBarSet* set : series->barSets())
        explainBars(set, iskChart_, tip);
    auto* y = new QValueAxis;
    y->setRange(0, axisTop(values));
    attachAxes(chart, series, barAxis(bars, labels), y);
    chart->legend()->setVisible(hasLive); // says what the hatched bar is
    chart->legend()->setAlignment(Qt::AlignBottom);
    iskInProgress_ = hasLive ? live : nullptr;
    iskScale_ = y;
    QChart* old = iskChart_->chart();
    iskChart_->setChart(chart);
    delete old;
}

void MiningLogWindow::showDailyChart(const LogSummary& summary)
{
    auto* chart = new QChart;
    styleChart(chart, QStringLiteral("Units mined per day, last %1 days").arg(LogSummary::Days));
    auto* series = new QStackedBarSeries;
    const auto dayTip = [days = summary.days](const QString& what, int index, double units) {
        const QDate day = index >= 0 && index < static_cast<int>(days.size())
                              ? days[static_cast<std::size_t>(index)]
                              : QDate();
        return QStringLiteral("%1, %2: %3 units")
            .arg(what, QLocale().toString(day, QLocale::LongFormat), wholeNumber(units));
    };
    for (qsizetype o = 0; o < summary.ores.size(); ++o) {
        auto* set = new QBarSet(summary.ores[o]);
        set->setColor(oreColor(summary.ores[o]));
        set->setBorderColor(set->color());
        for (double units : summary.unitsByOre[static_cast<std::size_t>(o)])
            *set << units;
        series->append(set);
        explainBars(set, dailyChart_,
                    [set, dayTip](int index) { return dayTip(set->label(), index, set->at(index)); });
    }
    unitsInProgress_ = nullptr;
    if (summary.unitsInProgress > 0) {
        auto* live = new QBarSet(InProgress);
        unitsInProgress_ = live;
        markInProgress(live);
        for (std::size_t d = 0; d + 1 < summary.days.size(); ++d)
            *live << 0.0;
        *live << summary.unitsInProgress;
        series->append(live);
        explainBars(live, dailyChart_, [live, dayTip](int index) {
            return dayTip(QStringLiteral("Trip in progress"), index, live->at(index));
        });
    }
    series->setBarWidth(0.8);
    chart->addSeries(series);
    // A date under every fifth day, today's last.
    std::vector<std::pair<int, QString>> labels;
    const int days = static_cast<int>(summary.days.size());
    for (int d = (days - 1) % 5; d < days; d += 5)
        labels.emplace_back(d, dayText(summary.days[static_cast<std::size_t>(d)]));
    auto* y = new QValueAxis;
    std::vector<double> dayTotals(summary.days.size(), 0.0);
    for (const auto& ore : summary.unitsByOre)
        for (std::size_t d = 0; d < ore.size(); ++d)
            dayTotals[d] += ore[d];
    if (!dayTotals.empty())
        dayTotals.back() += summary.unitsInProgress;
    y->setRange(0, axisTop(dayTotals));
    attachAxes(chart, series, barAxis(days, labels), y);
    unitsScale_ = y;
    chart->legend()->setAlignment(Qt::AlignBottom); // the thirty bars need the width
    chart->legend()->setVisible(!series->barSets().isEmpty());
    QChart* old = dailyChart_->chart();
    dailyChart_->setChart(chart);
    delete old;
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
