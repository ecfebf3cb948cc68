#include "gui/MiningLogWindow.h"

#include "gui/Colors.h"
#include "gui/MiningLogCharts.h"
#include "gui/MiningLogExport.h"
#include "gui/MiningLogOpener.h"
#include "gui/MiningLogText.h"
#include "toolkit/Platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace orebell {

namespace {

QString totalsCaption(const QString& title, const LogTotals& t)
{
    return QCoreApplication::translate(
               "MiningLog", "<b>%1</b><br>%2 %3 &middot; %4 units<br>%5 isk &middot; %6 isk/h<br>%7 mining")
        .arg(title, QLocale().toString(t.trips),
             t.trips == 1 ? QCoreApplication::translate("MiningLog", "trip")
                          : QCoreApplication::translate("MiningLog", "trips"),
             wholeNumber(t.units), wholeNumber(t.isk), wholeNumber(t.iskPerHour()),
             duration(t.miningSeconds));
}

} // namespace

MiningLogWindow::MiningLogWindow(MiningLog& log, MessageBoxService& messages, QWidget* parent)
    : QWidget(parent, Qt::Window), log_(log), messages_(messages)
{
    setWindowTitle(QCoreApplication::translate("MiningLog", "Mining log"));
    setObjectName(QStringLiteral("frmMiningLog"));
    setPalette(programPalette());
    setAutoFillBackground(true);
    askSaveFile_ = [this] { return askExportFile(this, exportFolder()); };
    export_ = new TripExport(log_, *this);
    connect(export_, &TripExport::finished, this, &MiningLogWindow::exportDone);
    build();
    resize(960, 700); // the opener makes it smaller where the screen is
    follow_ = new QTimer(this);
    follow_->setInterval(1000);
    connect(follow_, &QTimer::timeout, this, &MiningLogWindow::followTripInProgress);
}

void MiningLogWindow::build()
{
    auto* layout = new QVBoxLayout(this);

    // Each total wraps its lines where the window is narrow rather than holding it wide.
    auto* totalsRow = new QHBoxLayout;
    for (QLabel*& label : totals_) {
        label = new QLabel(this);
        label->setTextFormat(Qt::RichText);
        label->setAlignment(Qt::AlignCenter);
        label->setFrameShape(QFrame::StyledPanel);
        label->setMargin(4);
        label->setWordWrap(true);
        totalsRow->addWidget(label, 1);
    }
    layout->addLayout(totalsRow);

    // The player decides how the height is shared between the charts and the trips.
    auto* split = new QSplitter(Qt::Vertical, this);
    split->setChildrenCollapsible(false);
    charts_ = new MiningLogCharts(split);
    split->addWidget(charts_);

    sorted_ = new QSortFilterProxyModel(this);
    sorted_->setSourceModel(&model_);
    sorted_->setSortRole(TripTableModel::SortRole);
    table_ = new QTableView(split);
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
    // A header and three rows at least: the rest scrolls.
    table_->setMinimumHeight(header->sizeHint().height() +
                             3 * table_->verticalHeader()->defaultSectionSize() + 2 * table_->frameWidth());
    split->addWidget(table_);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    layout->addWidget(split, 1);

    auto* buttons = new QHBoxLayout;
    // What the last export wrote; a long path must not hold the window wide.
    status_ = new QLabel(this);
    status_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    buttons->addWidget(status_, 1);
    auto* exportButton = new QPushButton(QCoreApplication::translate("MiningLog", "Export CSV..."), this);
    connect(exportButton, &QPushButton::clicked, this, [this] { exportRequested(); });
    buttons->addWidget(exportButton);
    layout->addLayout(buttons);
}

MiningLogWindow::~MiningLogWindow() = default;

QChartView& MiningLogWindow::iskChart() { return charts_->iskChart(); }

QChartView& MiningLogWindow::dailyChart() { return charts_->dailyChart(); }

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
    totals_[0]->setText(totalsCaption(QCoreApplication::translate("MiningLog", "Today"), summary.today));
    totals_[1]->setText(
        totalsCaption(QCoreApplication::translate("MiningLog", "Last 7 days"), summary.lastSevenDays));
    totals_[2]->setText(totalsCaption(QCoreApplication::translate("MiningLog", "All time"), summary.allTime));
    charts_->draw(summary, redrawCharts);
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

QString MiningLogWindow::statusText() const { return status_->text(); }

QString MiningLogWindow::exportFolder() const
{
    return !exportFolder_.isEmpty() && QFileInfo(exportFolder_).isDir() ? exportFolder_ : documentsFolder();
}

void MiningLogWindow::setExportFolder(const QString& folder)
{
    if (folder == exportFolder_)
        return;
    exportFolder_ = folder;
    emit exportFolderChanged(folder);
}

bool MiningLogWindow::exporting() const { return export_->busy(); }

void MiningLogWindow::exportRequested()
{
    const QString path = askSaveFile_ ? askSaveFile_() : QString();
    if (!path.isEmpty())
        exportCsv(path);
}

bool MiningLogWindow::exportCsv(const QString& path)
{
    const QString refusal = export_->start(path);
    if (!refusal.isEmpty()) {
        status_->clear();
        messages_.show(QCoreApplication::translate("MiningLog", "The mining log was not exported to %1: %2")
                           .arg(QDir::toNativeSeparators(path), refusal));
        return false;
    }
    return true;
}

void MiningLogWindow::exportDone(const QString& path, int trips, const QString& error)
{
    const bool ok = error.isEmpty();
    if (ok) {
        status_->setText(QCoreApplication::translate("MiningLog", "Exported %1 %2 to %3")
                             .arg(QLocale().toString(trips),
                                  trips == 1 ? QCoreApplication::translate("MiningLog", "trip")
                                             : QCoreApplication::translate("MiningLog", "trips"),
                                  QDir::toNativeSeparators(path)));
        status_->setToolTip(status_->text());
        setExportFolder(QFileInfo(path).absolutePath());
    } else {
        status_->clear();
        status_->setToolTip({});
        messages_.show(QCoreApplication::translate("MiningLog", "The mining log was not exported to %1: %2")
                           .arg(QDir::toNativeSeparators(path), error));
    }
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
