#include "gui/MiningLogWindow.h"

#include "gui/MiningLogCharts.h"

#include "data/OreCatalogue.h"
#include "history/TripCsv.h"
#include "platform/ProgramModules.h"
#include "support/TestPlatform.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLegend>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedBarSeries>
#include <QTabBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolTip>
#include <QValueAxis>

#include <cmath>
#include <map>
#include <set>

#include <gtest/gtest.h>

using namespace orebell;

namespace {

const QDate Today(2026, 12, 7);

struct MiningLogWindowTest : ::testing::Test {
    test::TestPlatform platform;
    MiningLog& log = *platform.miningLog();

    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        // 60 trips, one every six hours up to today noon, isk per hour rising with the trip.
        const QDateTime noon(Today, QTime(12, 0));
        for (int i = 0; i < 60; ++i) {
            Trip t;
            t.end = noon.addSecs(-6 * 3600 * (59 - i)).toUTC();
            t.start = t.end.addSecs(-3600);
            t.miningSeconds = 1800;
            t.ores = {{i % 2 ? QStringLiteral("Veldspar") : QStringLiteral("Dense Veldspar"), 100.0 + i}};
            if (i % 3 == 0)
                t.ores.push_back({QStringLiteral("Omber"), 5});
            t.isk = 1000.0 * (i + 1);
            t.cycles = i;
            t.endedBy = TripEnd::Reset;
            ASSERT_TRUE(log.record(t));
        }
    }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }
};

// The window reads the log off its thread: wait (without sleeping) for the trips to be shown.
bool reloaded(MiningLogWindow& window, const QDate& today = Today)
{
    QSignalSpy shown(&window, &MiningLogWindow::reloaded);
    window.reload(today);
    return shown.wait(10000);
}

// Starts an export and waits for it; whether it went through.
bool exported(MiningLogWindow& window, const QString& path)
{
    QSignalSpy done(&window, &MiningLogWindow::exported);
    if (!window.exportCsv(path))
        return false;
    return done.wait(10000) && done.first().first().toBool();
}

TEST_F(MiningLogWindowTest, ShowsTheLogAsChartsTotalsAndASortableTable)
{
    MiningLogWindow window(log, platform.messageBox());
    ASSERT_TRUE(reloaded(window));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Mining log"));

    auto* bars = qobject_cast<QAbstractBarSeries*>(window.iskChart().chart()->series().value(0));
    ASSERT_TRUE(bars);
    ASSERT_EQ(bars->barSets().size(), 1); // no trip in progress
    const QBarSet* isk = bars->barSets().first();
    ASSERT_EQ(isk->count(), 50);
    EXPECT_EQ(isk->at(0), 22000); // trip 11 of 60: 11,000 isk in half an hour
    EXPECT_EQ(isk->at(49), 120000);

    auto* stacked = qobject_cast<QStackedBarSeries*>(window.dailyChart().chart()->series().value(0));
    ASSERT_TRUE(stacked);
    ASSERT_EQ(stacked->barSets().size(), 3); // one set per ore
    double today = 0;
    for (const QBarSet* set : stacked->barSets()) {
        EXPECT_EQ(set->count(), 30);
        today += set->at(29);
    }
    // Today's trips end at 00:00, 06:00 and 12:00: trips 57, 58 and 59 (one with Omber).
    EXPECT_EQ(today, 157 + 158 + 159 + 5);
    EXPECT_TRUE(window.totalsText().contains(QStringLiteral("3 trips")));
    EXPECT_TRUE(window.totalsText().contains(QStringLiteral("60 trips")));
    EXPECT_TRUE(window.totalsText().contains(QStringLiteral("1,830,000 isk"))); // all time

    QTableView& table = window.table();
    ASSERT_EQ(table.model()->rowCount(), 60);
    // Newest first; then by isk as a number (a text sort would put 9,000 above 60,000).
    EXPECT_EQ(table.model()->index(0, TripTableModel::Cycles).data().toInt(), 59);
    table.sortByColumn(TripTableModel::Isk, Qt::AscendingOrder);
    EXPECT_EQ(table.model()->index(0, TripTableModel::Isk).data().toString(), QStringLiteral("1,000"));
    EXPECT_EQ(table.model()->index(9, TripTableModel::Isk).data().toString(), QStringLiteral("10,000"));
    EXPECT_TRUE(platform.messages().isEmpty());
}

// A trip under way shows as the first row, a hatched bar and a hatched part of today's bar,
// marked "In progress", follows its figures while the window shows, and once it has ended is
// read back from the log like any other trip.
TEST_F(MiningLogWindowTest, TheTripInProgressIsFollowedLiveAndReadFromTheLogOnceItEnds)
{
    std::optional<Trip> live;
    log.setTripInProgress([&] { return live; });
    MiningLogWindow window(log, platform.messageBox());
    ASSERT_TRUE(reloaded(window));
    ASSERT_EQ(window.tripModel().rowCount(), 60);
    window.followTripInProgress(); // nothing under way: nothing changes
    ASSERT_EQ(window.tripModel().rowCount(), 60);

    live.emplace();
    live->start = QDateTime(Today, QTime(12, 30)).toUTC();
    live->end = live->start.addSecs(600);
    live->miningSeconds = 600;
    live->ores = {{QStringLiteral("Omber"), 30}};
    live->isk = 600;
    window.followTripInProgress();
    const QAbstractItemModel& rows = *window.table().model();
    ASSERT_EQ(rows.rowCount(), 61);
    EXPECT_EQ(rows.index(0, TripTableModel::EndedBy).data().toString(), QStringLiteral("In progress"));
    EXPECT_TRUE(rows.index(0, TripTableModel::Units).data(Qt::FontRole).value<QFont>().italic());
    EXPECT_FALSE(rows.index(1, TripTableModel::Units).data(Qt::FontRole).isValid());
    EXPECT_TRUE(window.totalsText().contains(QStringLiteral("4 trips"))); // today's three and this one

    const auto setNamed = [](QChartView& view, const QString& name) -> QBarSet* {
        auto* series = qobject_cast<QAbstractBarSeries*>(view.chart()->series().value(0));
        for (QBarSet* set : series ? series->barSets() : QList<QBarSet*>())
            if (set->label() == name)
                return set;
        return nullptr;
    };
    QBarSet* iskBar = setNamed(window.iskChart(), QStringLiteral("In progress"));
    ASSERT_TRUE(iskBar);
    ASSERT_EQ(iskBar->count(), 50); // the forty-nine latest and this one
    EXPECT_EQ(iskBar->at(49), 3600);
    EXPECT_EQ(iskBar->at(48), 0);
    EXPECT_EQ(iskBar->brush().style(), Qt::BDiagPattern);
    QBarSet* todayPart = setNamed(window.dailyChart(), QStringLiteral("In progress"));
    ASSERT_TRUE(todayPart);
    EXPECT_EQ(todayPart->at(29), 30);

    // Time passes: the bar follows, where it stands (no chart is redrawn each second); ore
    // comes in: the day's part too.
    live->miningSeconds = 1200;
    window.followTripInProgress();
    EXPECT_EQ(setNamed(window.iskChart(), QStringLiteral("In progress")), iskBar);
    EXPECT_EQ(iskBar->at(49), 1800);
    live->ores.front().units = 90;
    live->isk = 1800;
    window.followTripInProgress();
    EXPECT_EQ(setNamed(window.dailyChart(), QStringLiteral("In progress"))->at(29), 90);
    EXPECT_EQ(rows.index(0, TripTableModel::Units).data().toString(), QStringLiteral("90"));

    // It ends: kept by the log, it is read back as an ended trip.
    Trip ended = *live;
    ended.endedBy = TripEnd::Refine;
    ASSERT_TRUE(log.record(ended));
    live.reset();
    QSignalSpy shown(&window, &MiningLogWindow::reloaded);
    window.followTripInProgress();
    ASSERT_TRUE(shown.wait(10000));
    ASSERT_EQ(rows.rowCount(), 61);
    EXPECT_EQ(rows.index(0, TripTableModel::EndedBy).data().toString(), QStringLiteral("Refine"));
    EXPECT_FALSE(setNamed(window.iskChart(), QStringLiteral("In progress")));
    EXPECT_FALSE(setNamed(window.dailyChart(), QStringLiteral("In progress")));
    EXPECT_TRUE(window.totalsText().contains(QStringLiteral("4 trips")));
    log.setTripInProgress({});
}

// The bottoms of the charts say when: dates under the days and under the trips, each bar
// explained by a tool tip; an ore has one colour whichever log shows it, and no two ores share one.
TEST_F(MiningLogWindowTest, ChartsNameTheirDaysAndTripsAndEachOreKeepsItsColour)
{
    MiningLogWindow window(log, platform.messageBox());
    ASSERT_TRUE(reloaded(window));
    const auto labelsOf = [](QChartView& view) {
        auto* x = qobject_cast<QCategoryAxis*>(view.chart()->axes(Qt::Horizontal).value(0));
        return x ? x->categoriesLabels() : QStringList();
    };
    const QStringList days = labelsOf(window.dailyChart());
    EXPECT_EQ(days.size(), 6);
    EXPECT_EQ(days.last(), QStringLiteral("7 Dec"));
    EXPECT_TRUE(days.contains(QStringLiteral("2 Dec")));
    const QStringList trips = labelsOf(window.iskChart());
    EXPECT_GE(trips.size(), 4);
    EXPECT_LE(trips.size(), 8); // fifty bars leave room for a few dates
    EXPECT_TRUE(trips.contains(QStringLiteral("7 Dec")));

    window.show();
    auto* iskSeries = qobject_cast<QAbstractBarSeries*>(window.iskChart().chart()->series().value(0));
    ASSERT_TRUE(iskSeries);
    emit iskSeries->barSets().first()->hovered(true, 49);
    EXPECT_TRUE(QToolTip::text().startsWith(QStringLiteral("Trip 60, ended")))
        << QToolTip::text().toStdString();
    EXPECT_TRUE(QToolTip::text().endsWith(QStringLiteral("120,000 isk/h")));
    auto* daySeries = qobject_cast<QAbstractBarSeries*>(window.dailyChart().chart()->series().value(0));
    ASSERT_TRUE(daySeries);
    emit daySeries->barSets().first()->hovered(true, 29);
    EXPECT_TRUE(QToolTip::text().contains(QStringLiteral("December 7, 2026")))
        << QToolTip::text().toStdString();
    QToolTip::hideText();

    const auto coloursOf = [](QChartView& view) {
        std::map<QString, QRgb> colours;
        for (QBarSet* set : qobject_cast<QAbstractBarSeries*>(view.chart()->series().value(0))->barSets())
            colours[set->label()] = set->color().rgb();
        return colours;
    };
    const auto first = coloursOf(window.dailyChart());
    // Every ore of the list mined today, in another log: Omber keeps its colour among them.
    SqliteMiningLog all(platform.storeFolder() + QStringLiteral("/all.sqlite"));
    Trip t;
    t.end = QDateTime(Today, QTime(12, 0)).toUTC();
    t.start = t.end.addSecs(-600);
    t.endedBy = TripEnd::Reset;
    for (const QString& ore : oreListNames())
        t.ores.push_back({ore, 10});
    t.ores.push_back({QStringLiteral("Unknown Rock"), 10});
    ASSERT_TRUE(all.record(t));
    MiningLogWindow other(all, platform.messageBox());
    ASSERT_TRUE(reloaded(other));
    const auto colours = coloursOf(other.dailyChart());
    ASSERT_EQ(colours.size(), 49u);
    EXPECT_EQ(colours.at(QStringLiteral("Omber")), first.at(QStringLiteral("Omber")));
    EXPECT_EQ(colours.at(QStringLiteral("Veldspar")), first.at(QStringLiteral("Veldspar")));
    std::set<QRgb> distinct;
    for (const auto& [ore, colour] : colours)
        distinct.insert(colour);
    EXPECT_EQ(distinct.size(), colours.size());
}

// A new player's log: charts with nothing to show still get a range to draw.
TEST_F(MiningLogWindowTest, AnEmptyLogDrawsEmptyChartsWithUsableAxes)
{
    SqliteMiningLog empty(platform.storeFolder() + QStringLiteral("/empty.sqlite"));
    MiningLogWindow window(empty, platform.messageBox());
    ASSERT_TRUE(reloaded(window));
    for (QChartView* view : {&window.iskChart(), &window.dailyChart()}) {
        const auto axes = view->chart()->axes(Qt::Vertical);
        ASSERT_EQ(axes.size(), 1);
        auto* y = qobject_cast<QValueAxis*>(axes.first());
        ASSERT_TRUE(y);
        EXPECT_EQ(y->min(), 0);
        EXPECT_TRUE(std::isfinite(y->max()) && y->max() > 0);
        // Whole-number labels on whole-number steps: no "0, 0, 0, 1, 1, 1".
        const double step = y->max() / (y->tickCount() - 1);
        EXPECT_EQ(step, std::round(step)) << y->max() << " over " << y->tickCount() << " ticks";
    }
    EXPECT_EQ(window.tripModel().rowCount(), 0);
    EXPECT_TRUE(window.totalsText().contains(QStringLiteral("0 trips")));
}

// After an export the window says what it wrote, and the next starts in that folder; a failure
// keeps its message box and claims nothing, and its folder is not remembered.
TEST_F(MiningLogWindowTest, AnExportSaysWhatItWroteAndTheNextStartsInItsFolder)
{
    MiningLogWindow window(log, platform.messageBox());
    ASSERT_TRUE(reloaded(window));
    EXPECT_TRUE(window.statusText().isEmpty());
    const QString folder = platform.storeFolder() + QStringLiteral("/exports");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/trips.csv");
    QSignalSpy folderChanged(&window, &MiningLogWindow::exportFolderChanged);
    ASSERT_TRUE(exported(window, path));
    EXPECT_EQ(window.statusText(), QStringLiteral("Exported 60 trips to ") + QDir::toNativeSeparators(path));
    EXPECT_EQ(window.exportFolder(), folder);
    ASSERT_EQ(folderChanged.size(), 1);
    EXPECT_EQ(folderChanged.first().first().toString(), folder);

    EXPECT_FALSE(exported(window, platform.storeFolder())); // a folder is refused
    EXPECT_TRUE(window.statusText().isEmpty());
    EXPECT_EQ(platform.messages().size(), 1);
    EXPECT_EQ(window.exportFolder(), folder);

    // A remembered folder that is gone: the Documents folder (or home) again, never the current one.
    window.setExportFolder(folder + QStringLiteral("/gone"));
    EXPECT_NE(window.exportFolder(), folder + QStringLiteral("/gone"));
    EXPECT_TRUE(QFileInfo(window.exportFolder()).isDir());
}

// The charts give way to a small window: side by side where both fit, else one at a time under
// tabs, with fewer dates and no legend; the window's least size leaves room beside the main
// window at 200 per cent on a 1920x1080 screen (960 x 540 logical pixels, a main window 457 wide).
TEST_F(MiningLogWindowTest, TheChartsGiveWayToASmallWindow)
{
    MiningLogWindow window(log, platform.messageBox());
    ASSERT_TRUE(reloaded(window));
    window.resize(960, 700);
    window.show();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const auto dates = [](QChartView& view) {
        auto* x = qobject_cast<QCategoryAxis*>(view.chart()->axes(Qt::Horizontal).value(0));
        return x ? x->categoriesLabels().size() : -1;
    };
    MiningLogCharts& charts = window.charts();
    EXPECT_TRUE(charts.sideBySide());
    EXPECT_TRUE(window.iskChart().isVisible() && window.dailyChart().isVisible());
    const int wideDates = dates(window.dailyChart());
    EXPECT_GE(wideDates, 4);

    const QSize least = window.minimumSizeHint();
    EXPECT_LE(least.width(), 440);
    EXPECT_LE(least.height(), 440);
    window.resize(least);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    EXPECT_EQ(window.size(), least);
    EXPECT_FALSE(charts.sideBySide());
    auto* tabs = charts.findChild<QTabBar*>();
    ASSERT_TRUE(tabs);
    EXPECT_TRUE(tabs->isVisible());
    for (int tab : {1, 0}) {
        tabs->setCurrentIndex(tab);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QChartView& shown = tab == 0 ? window.iskChart() : window.dailyChart();
        QChartView& hidden = tab == 0 ? window.dailyChart() : window.iskChart();
        EXPECT_TRUE(shown.isVisible());
        EXPECT_FALSE(hidden.isVisible());
        EXPECT_GE(shown.width(), MiningLogCharts::chartMinimum().width());
        EXPECT_GE(shown.height(), MiningLogCharts::chartMinimum().height());
    }
    const int smallDates = dates(window.dailyChart());
    EXPECT_LT(smallDates, wideDates);
    EXPECT_GE(dates(window.dailyChart()), 2);
    EXPECT_FALSE(window.dailyChart().chart()->legend()->isVisible());

    // Wide again: both charts, every date.
    window.resize(960, 700);
    QCoreApplication::processEvents(); // the resize reaches the charts (a platform may post it)
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    EXPECT_TRUE(charts.sideBySide());
    EXPECT_GT(dates(window.dailyChart()), smallDates);
    EXPECT_TRUE(window.dailyChart().chart()->legend()->isVisible());
}

TEST_F(MiningLogWindowTest, ExportWritesTheTripsTheLogHolds)
{
    MiningLogWindow window(log, platform.messageBox());
    ASSERT_TRUE(reloaded(window));
    const QString path = platform.storeFolder() + QStringLiteral("/export.csv");
    window.setSaveFileAsker([&] { return path; });
    auto* button = window.findChild<QPushButton*>();
    ASSERT_TRUE(button);
    QSignalSpy done(&window, &MiningLogWindow::exported);
    button->click();
    ASSERT_TRUE(done.wait(10000));

    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const auto records = csvRecords(QString::fromUtf8(f.readAll()));
    const auto kept = log.trips();
    ASSERT_EQ(records.size(), kept.size() + 2); // the header, every trip, the totals
    const qsizetype isk = records.front().indexOf(QStringLiteral("isk"));
    double iskKept = 0;
    for (std::size_t i = 0; i < kept.size(); ++i) {
        EXPECT_EQ(records[i + 1].first(), QString::number(kept[i].id));
        iskKept += kept[i].isk;
    }
    EXPECT_EQ(records.back().value(isk), QString::number(iskKept, 'f', 2));

    // A place that cannot be written is refused with a message, not a crash.
    EXPECT_FALSE(exported(window, platform.storeFolder() + QStringLiteral("/no/such/folder/x.csv")));
    ASSERT_EQ(platform.messages().size(), 1);
    EXPECT_TRUE(platform.messages().first().startsWith(QStringLiteral("The mining log was not exported")));
}

// Only a regular file or a new one takes an export: a folder, a pipe or a file of the system's own
// is refused with a message at once and left as it was (a file of /proc could block the window
// for good; a pipe or a device was replaced by a regular file).
TEST_F(MiningLogWindowTest, AnExportGoesOnlyToARegularOrNewFile)
{
    MiningLogWindow window(log, platform.messageBox());
    QStringList refused = {platform.storeFolder()};
    const QString pipe = platform.storeFolder() + QStringLiteral("/pipe.csv");
    if (QProcess::execute(QStringLiteral("mkfifo"), {pipe}) == 0)
        refused << pipe;
#ifndef Q_OS_WIN // under Wine, /proc is the Linux host's, reached through drive Z:
    if (QFileInfo::exists(QStringLiteral("/proc/self/status")))
        refused << QStringLiteral("/proc/self/status");
#endif
    for (const QString& path : refused) {
        SCOPED_TRACE(path.toStdString());
        platform.clearRecords();
        EXPECT_FALSE(window.exportCsv(path));
        ASSERT_EQ(platform.messages().size(), 1);
        EXPECT_TRUE(
            platform.messages().first().startsWith(QStringLiteral("The mining log was not exported")));
        if (path != QStringLiteral("/proc/self/status")) {
            EXPECT_FALSE(QFileInfo(path).isFile()); // still what it was
        }
    }
    const QString existing = platform.storeFolder() + QStringLiteral("/old.csv");
    {
        QFile f(existing);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("old");
    }
    EXPECT_TRUE(exported(window, existing));
    EXPECT_TRUE(exported(window, platform.storeFolder() + QStringLiteral("/new.csv")));
}

} // namespace

#include "app/Program.h"
#include "gui/MiningLogOpener.h"
#include "gui/ProgramWindows.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <QTimer>

namespace {

// F2 and the title strip's menu open the log; elsewhere a right click opens nothing.
TEST_F(MiningLogWindowTest, F2AndTheTitleStripMenuOpenTheWindow)
{
    Program program(platform);
    program.run();
    ProgramWindows windows(program, platform.messageBox());
    FormView& main = windows.mainView();
    ASSERT_TRUE(windows.miningLog());
    QApplication::setActiveWindow(&main);
    QTest::keyClick(&main, Qt::Key_F2);
    MiningLogWindow* window = windows.miningLog()->window();
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->isVisible());
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->tripModel().rowCount() == 60; }, 10000));
    window->close();

    QStringList offered;
    const auto rightClick = [&](QPoint at) {
        QTimer::singleShot(0, [&] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                for (QAction* a : menu->actions())
                    offered << a->text();
                menu->actions().first()->trigger();
                menu->close();
            }
        });
        // To the widget under the pointer, as the window system delivers it.
        QWidget* target = main.childAt(at) ? main.childAt(at) : &main;
        QContextMenuEvent event(QContextMenuEvent::Mouse, target->mapFrom(&main, at), main.mapToGlobal(at));
        QApplication::sendEvent(target, &event);
        QApplication::processEvents();
    };
    const Control& title = program.mainForm().control(QStringLiteral("lblControlButton"), 7);
    rightClick(QPoint(title.left() / 15 + 10, title.top() / 15 + 5));
    EXPECT_EQ(offered, QStringList{QStringLiteral("Mining log\tF2")});
    EXPECT_TRUE(window->isVisible());
    window->close();

    offered.clear();
    const Control& firstLaser = program.mainForm().control(QStringLiteral("btnActivateTimer"), 0);
    rightClick(QPoint(firstLaser.left() / 15 + 5, firstLaser.top() / 15 + 5));
    EXPECT_TRUE(offered.isEmpty());
    EXPECT_FALSE(window->isVisible());
}

// The shipped program makes the window from its module at the first F2; a missing or broken
// module is told, each time the player asks, and the main window goes on.
TEST_F(MiningLogWindowTest, TheWindowFromItsModuleOpensAndWithoutItThePlayerIsTold)
{
    QTemporaryDir broken;
    {
        QFile junk(programModulePath(QString::fromLatin1(module::LogWindow), broken.path()));
        ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
        junk.write("not a shared object");
    }
    for (const QString& folder :
         {QTemporaryDir().path(), broken.path(), QStringLiteral(OREBELL_RUNTIME_DIR)}) {
        SCOPED_TRACE(folder.toStdString());
        platform.clearRecords();
        Program program(platform);
        program.run();
        ProgramWindows windows(program, platform.messageBox(), moduleMiningLogWindow(folder));
        FormView& main = windows.mainView();
        QApplication::setActiveWindow(&main);
        QTest::keyClick(&main, Qt::Key_F2);
        QWidget* window = windows.miningLog()->windowWidget();
        if (folder != QLatin1String(OREBELL_RUNTIME_DIR)) {
            EXPECT_FALSE(window);
            ASSERT_EQ(platform.messages().size(), 1);
            EXPECT_TRUE(platform.messages().first().startsWith(
                QStringLiteral("The mining log window is unavailable")))
                << platform.messages().first().toStdString();
            QTest::keyClick(&main, Qt::Key_F2);
            EXPECT_EQ(platform.messages().size(), 2);
            program.mainForm()
                .control(QStringLiteral("lblControlButton"), 1)
                .click(); // the window still answers
            continue;
        }
        ASSERT_TRUE(window);
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(window->windowTitle(), QStringLiteral("Mining log"));
        EXPECT_FALSE(windows.miningLog()->window()); // the module's class is its own
        auto* table = window->findChild<QTableView*>();
        ASSERT_TRUE(table);
        // reloaded through the meta-object, off the window's thread
        EXPECT_TRUE(QTest::qWaitFor([&] { return table->model()->rowCount() == 60; }, 10000));
        EXPECT_TRUE(platform.messages().isEmpty());
        window->close();
    }
}

// The folder of the last export is kept between runs, in a section of its own.
TEST_F(MiningLogWindowTest, TheExportFolderIsKeptBetweenRuns)
{
    Program program(platform);
    program.run();
    const QString folder = platform.storeFolder() + QStringLiteral("/exports");
    ASSERT_TRUE(QDir().mkpath(folder));
    {
        ProgramWindows windows(program, platform.messageBox());
        QApplication::setActiveWindow(&windows.mainView());
        QTest::keyClick(&windows.mainView(), Qt::Key_F2);
        MiningLogWindow* window = windows.miningLog()->window();
        ASSERT_TRUE(window);
        ASSERT_TRUE(exported(*window, folder + QStringLiteral("/a.csv")));
        EXPECT_EQ(platform.storeValue(MiningLogOpener::exportSection(), QStringLiteral("Folder")), folder);
    }
    ProgramWindows again(program, platform.messageBox());
    QApplication::setActiveWindow(&again.mainView());
    QTest::keyClick(&again.mainView(), Qt::Key_F2);
    ASSERT_TRUE(again.miningLog()->window());
    EXPECT_EQ(again.miningLog()->window()->exportFolder(), folder);
}

} // namespace
