#include "gui/MiningLogCharts.h"

#include "data/OreCatalogue.h"
#include "data/Palette.h"
#include "gui/Colors.h"
#include "gui/MiningLogText.h"

#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QCursor>
#include <QHBoxLayout>
#include <QLocale>
#include <QResizeEvent>
#include <QStackedBarSeries>
#include <QTabBar>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <functional>

namespace orebell {

namespace {

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
    view->setMinimumSize(MiningLogCharts::chartMinimum());
    view->setBackgroundBrush(toQColor(palette::PanelColor));
    return view;
}

} // namespace

MiningLogCharts::MiningLogCharts(QWidget* parent) : QWidget(parent)
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    tabs_ = new QTabBar(this);
    tabs_->addTab(QCoreApplication::translate("MiningLog", "Isk per hour"));
    tabs_->addTab(QCoreApplication::translate("MiningLog", "Units per day"));
    tabs_->setExpanding(false);
    tabs_->setDrawBase(false);
    column->addWidget(tabs_);
    row_ = new QHBoxLayout;
    isk_ = chartView(this);
    daily_ = chartView(this);
    row_->addWidget(isk_, 1);
    row_->addWidget(daily_, 1);
    column->addLayout(row_, 1);
    connect(tabs_, &QTabBar::currentChanged, this, [this] { arrange(); });
    arrange();
}

QSize MiningLogCharts::minimumSizeHint() const
{
    // One chart under its tabs: what the window needs, whichever way the charts stand now.
    return {chartMinimum().width(), chartMinimum().height() + tabs_->sizeHint().height()};
}

void MiningLogCharts::arrange()
{
    sideBySide_ = width() >= 2 * chartMinimum().width() + row_->spacing();
    tabs_->setVisible(!sideBySide_);
    isk_->setVisible(sideBySide_ || tabs_->currentIndex() == 0);
    daily_->setVisible(sideBySide_ || tabs_->currentIndex() == 1);
}

void MiningLogCharts::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    arrange();
    if (shown_ && (dateRoom() != drawnDateRoom_ || legendRoom() != drawnLegendRoom_)) {
        const LogSummary summary = *shown_;
        draw(summary, true);
    }
}

QSize MiningLogCharts::chartSize() const
{
    const int w = sideBySide_ ? (width() - row_->spacing()) / 2 : width();
    return {w, height() - (sideBySide_ ? 0 : tabs_->sizeHint().height())};
}

int MiningLogCharts::dateRoom() const
{
    // Not laid out yet: as many as the charts ever show.
    if (!testAttribute(Qt::WA_WState_Visible))
        return 1000;
    QFont font = this->font();
    font.setPointSizeF(font.pointSizeF() * 0.8); // as styleAxis() draws them
    const int date = QFontMetrics(font).horizontalAdvance(QStringLiteral("00 MMM")) * 3 / 2;
    const int valueLabels = QFontMetrics(font).horizontalAdvance(QStringLiteral("000,000")) + 16;
    return std::max(2, (chartSize().width() - valueLabels) / std::max(1, date));
}

bool MiningLogCharts::legendRoom() const
{
    return !testAttribute(Qt::WA_WState_Visible) || chartSize().height() >= 15 * fontMetrics().height();
}

void MiningLogCharts::draw(const LogSummary& summary, bool redraw)
{
    shown_ = summary;
    if (!redraw && moveBarsInProgress(summary))
        return;
    drawnDateRoom_ = dateRoom();
    drawnLegendRoom_ = legendRoom();
    drawIsk(summary);
    drawDaily(summary);
}

bool MiningLogCharts::moveBarsInProgress(const LogSummary& summary)
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

void MiningLogCharts::drawIsk(const LogSummary& summary)
{
    auto* chart = new QChart;
    styleChart(chart, QCoreApplication::translate("MiningLog", "Isk per hour of mining, last %1 trips")
                          .arg(LogSummary::RecentTrips));
    // Stacked, one of the two empty at each trip, so that the trip in progress has a bar as wide
    // as the others and a look of its own.
    auto* ended = new QBarSet(QCoreApplication::translate("MiningLog", "Ended trips"));
    ended->setColor(toQColor(palette::Orange));
    ended->setBorderColor(toQColor(palette::Orange));
    auto* live = new QBarSet(inProgressText());
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
    const int room = std::max({1, bars / 6, (bars + dateRoom() - 1) / dateRoom()});
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
            return QCoreApplication::translate("MiningLog", "Trip in progress: %1 isk/h so far")
                .arg(wholeNumber(trip.iskPerHour));
        return QCoreApplication::translate("MiningLog", "Trip %1, ended %2: %3 isk/h")
            .arg(trip.id)
            .arg(QLocale().toString(trip.end.toLocalTime(), QLocale::ShortFormat),
                 wholeNumber(trip.iskPerHour));
    };
    for (QBarSet* set : series->barSets())
        explainBars(set, isk_, tip);
    auto* y = new QValueAxis;
    y->setRange(0, axisTop(values));
    attachAxes(chart, series, barAxis(bars, labels), y);
    chart->legend()->setVisible(hasLive && legendRoom()); // says what the hatched bar is
    chart->legend()->setAlignment(Qt::AlignBottom);
    iskInProgress_ = hasLive ? live : nullptr;
    iskScale_ = y;
    QChart* old = isk_->chart();
    isk_->setChart(chart);
    delete old;
}

void MiningLogCharts::drawDaily(const LogSummary& summary)
{
    auto* chart = new QChart;
    styleChart(
        chart,
        QCoreApplication::translate("MiningLog", "Units mined per day, last %1 days").arg(LogSummary::Days));
    auto* series = new QStackedBarSeries;
    const auto dayTip = [days = summary.days](const QString& what, int index, double units) {
        const QDate day = index >= 0 && index < static_cast<int>(days.size())
                              ? days[static_cast<std::size_t>(index)]
                              : QDate();
        return QCoreApplication::translate("MiningLog", "%1, %2: %3 units")
            .arg(what, QLocale().toString(day, QLocale::LongFormat), wholeNumber(units));
    };
    for (qsizetype o = 0; o < summary.ores.size(); ++o) {
        auto* set = new QBarSet(summary.ores[o]);
        set->setColor(oreColor(summary.ores[o]));
        set->setBorderColor(set->color());
        for (double units : summary.unitsByOre[static_cast<std::size_t>(o)])
            *set << units;
        series->append(set);
        explainBars(set, daily_,
                    [set, dayTip](int index) { return dayTip(set->label(), index, set->at(index)); });
    }
    unitsInProgress_ = nullptr;
    if (summary.unitsInProgress > 0) {
        auto* live = new QBarSet(inProgressText());
        unitsInProgress_ = live;
        markInProgress(live);
        for (std::size_t d = 0; d + 1 < summary.days.size(); ++d)
            *live << 0.0;
        *live << summary.unitsInProgress;
        series->append(live);
        explainBars(live, daily_, [live, dayTip](int index) {
            return dayTip(QCoreApplication::translate("MiningLog", "Trip in progress"), index,
                          live->at(index));
        });
    }
    series->setBarWidth(0.8);
    chart->addSeries(series);
    // A date under every fifth day (or fewer, as many as there is room for), today's last.
    std::vector<std::pair<int, QString>> labels;
    const int days = static_cast<int>(summary.days.size());
    const int step = std::max(5, (days + dateRoom() - 1) / dateRoom());
    for (int d = (days - 1) % step; d < days; d += step)
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
    chart->legend()->setVisible(!series->barSets().isEmpty() && legendRoom());
    QChart* old = daily_->chart();
    daily_->setChart(chart);
    delete old;
}

} // namespace orebell
