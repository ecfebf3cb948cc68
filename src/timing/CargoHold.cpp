#include "timing/CargoHold.h"

#include "data/Palette.h"
#include "toolkit/Conventions.h"

namespace orebell {

namespace {

using namespace palette;
const QString M3 = QStringLiteral(" m3");
const QString Empty = QStringLiteral("0 m3");
} // namespace

CargoHold::CargoHold(Form& main, Shared&, Platform&)
    : chkMonitor_(main.control(QStringLiteral("chkMonitorCargoHold"), 0)),
      txtCargoHold_(main.control(QStringLiteral("txtCargoHold"), 0)),
      lblCargoHold_(main.control(QStringLiteral("lblCargoHold"), 0)),
      bar_(main.control(QStringLiteral("lblCargoHoldProgressPercBar"), 0)),
      barBackground_(main.control(QStringLiteral("lblCargoHoldProgress_bkgrnd"), 0)),
      lblStopMining_(main.control(QStringLiteral("lblStopMining"), 0)),
      capacityTip_(txtCargoHold_.toolTipText()), capacityColor_(txtCargoHold_.foreColor())
{
    main.onClick(QStringLiteral("chkMonitorCargoHold"), [this](int i) { chkMonitorCargoHold_Click(i); });
    main.onDblClick(QStringLiteral("lblCargoHold"), [this](int i) { lblCargoHold_DblClick(i); });
}

void CargoHold::fillStep(double unitsPulled, double unitVolume)
{
    if (lblCargoHold_.tag().isEmpty())
        lblCargoHold_.setTag(QStringLiteral("0"));
    const double fill = unitsPulled * unitVolume + textToNumber(lblCargoHold_.tag());
    lblCargoHold_.setTag(numberToText(fill));
    QString number = formatNumber(fill, QStringLiteral("0.0"));
    QString caption = number + M3;
    lblCargoHold_.setCaption(caption);
    // The tick's read-back of this caption finds its number without stripping it again (a
    // number's text holds no " m3"); a caption set by anyone else in between is stripped.
    shownCaption_ = std::move(caption);
    shownNumber_ = std::move(number);
    shownStripped_ = true;
}

void CargoHold::displayStep()
{
    const QString& caption = lblCargoHold_.caption();
    if (!shownStripped_ || caption != shownCaption_) {
        shownCaption_ = caption;
        shownNumber_ = caption;
        shownNumber_.remove(M3);
        shownStripped_ = true;
    }
    const double filled = shown_.textToNumber(shownNumber_);
    double capacity = 0;
    if (!capacityUsable(capacity)) {
        // Without a capacity there is nothing to measure against: the fill still counts and shows.
        bar_.setVisible(false);
        lblStopMining_.setVisible(false);
        lblCargoHold_.setForeColor(LightGrey);
        return;
    }
    const double full = barBackground_.width();
    double width = roundHalfEven(full * (filled / capacity));
    if (width >= full)
        width = full;
    bar_.setWidth(static_cast<int>(width));
    bar_.setVisible(width > 0);
    const bool over = capacity < filled;
    lblStopMining_.setVisible(over);
    lblCargoHold_.setForeColor(over ? Red : LightGrey);
}

// A capacity that is not a number above 0 would divide by nothing: the box says so instead.
bool CargoHold::capacityUsable(double& capacity)
{
    const std::optional<double> value = capacity_.numericValue(txtCargoHold_.text());
    const bool usable = value && *value > 0;
    capacity = usable ? *value : 0;
    markCapacity(usable);
    return usable;
}

void CargoHold::markCapacity(bool usable)
{
    if (usable) {
        txtCargoHold_.setToolTipText(capacityTip_);
        txtCargoHold_.setForeColor(capacityColor_);
    } else {
        txtCargoHold_.setToolTipText(
            QStringLiteral(" Enter the cargo hold's capacity: a number of m3 above 0 "));
        txtCargoHold_.setForeColor(Red);
    }
}

void CargoHold::chkMonitorCargoHold_Click(int)
{
    const QString text = txtCargoHold_.text();
    if (!isNumeric(text) || textToNumber(text) <= 0)
        txtCargoHold_.setText(QStringLiteral("1000"));
    markCapacity(true);
    lblCargoHold_.setCaption(Empty);
    bar_.setWidth(0);
    bar_.setVisible(false);
    lblStopMining_.setVisible(false);
    lblCargoHold_.setForeColor(LightGrey);
}

void CargoHold::lblCargoHold_DblClick(int)
{
    if (anyLaserRunning_ && anyLaserRunning_())
        return;
    lblCargoHold_.setCaption(Empty);
    lblCargoHold_.setTag(QStringLiteral("0"));
    lblStopMining_.setVisible(false);
    lblCargoHold_.setForeColor(LightGrey);
    bar_.setVisible(false);
}

} // namespace orebell
