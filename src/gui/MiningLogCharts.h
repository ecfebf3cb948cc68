#pragma once

#include "history/LogSummary.h"

#include <QPointer>
#include <QWidget>

#include <optional>

class QBarSet;
class QChartView;
class QHBoxLayout;
class QTabBar;
class QValueAxis;

namespace orebell {

// The mining log's two charts: isk per hour of the last trips and units per day stacked by ore.
// They give way to a small window rather than hold it large: side by side where there is room
// for both, else one at a time under a tab bar; fewer dates along the bottom as they narrow, and
// no legend (the tool tips still say what a bar is) when they are low.
class MiningLogCharts : public QWidget {
public:
    explicit MiningLogCharts(QWidget* parent = nullptr);

    QChartView& iskChart() { return *isk_; }
    QChartView& dailyChart() { return *daily_; }
    bool sideBySide() const { return sideBySide_; }
    // One chart's least size; below it, the charts share the place.
    static QSize chartMinimum() { return {220, 150}; }

    // Draws `summary`. With `redraw` false only the bars of the trip in progress move, where they
    // stand, as long as the scales still hold them: a chart redrawn each second would cost more
    // than the window's whole reading.
    void draw(const LogSummary& summary, bool redraw);

    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void arrange();
    bool moveBarsInProgress(const LogSummary& summary);
    void drawIsk(const LogSummary& summary);
    void drawDaily(const LogSummary& summary);
    // How many dates fit under one chart, and whether a legend fits in it, at its present size.
    int dateRoom() const;
    bool legendRoom() const;
    QSize chartSize() const;

    QTabBar* tabs_ = nullptr;
    QHBoxLayout* row_ = nullptr;
    QChartView* isk_ = nullptr;
    QChartView* daily_ = nullptr;
    bool sideBySide_ = true;
    std::optional<LogSummary> shown_;
    int drawnDateRoom_ = 0;
    bool drawnLegendRoom_ = true;
    // The trip in progress in the charts, while they show it, and the scales it must stay within.
    QPointer<QBarSet> iskInProgress_;
    QPointer<QBarSet> unitsInProgress_;
    QPointer<QValueAxis> iskScale_;
    QPointer<QValueAxis> unitsScale_;
};

} // namespace orebell
