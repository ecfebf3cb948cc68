#include "toolkit/Form.h"

#include <gtest/gtest.h>

using namespace orebell;

namespace {

struct ControlEvents : ::testing::Test {
    Form form{QStringLiteral("frmTest")};
    QStringList log;
};

TEST_F(ControlEvents, SettersFireOnceSynchronouslyAndOnlyOnRealChange)
{
    Control& box = form.add(ControlKind::TextBox, QStringLiteral("txtBox"), 0);
    Control& label = form.add(ControlKind::Label, QStringLiteral("lblLabel"), 0);
    Control& check = form.add(ControlKind::CheckBox, QStringLiteral("chkBox"), 0);
    form.onChange(QStringLiteral("txtBox"),
                  [&](int i) { log << QStringLiteral("txt%1:%2").arg(i).arg(box.text()); });
    form.onChange(QStringLiteral("lblLabel"), [&](int) { log << QStringLiteral("lbl:") + label.caption(); });
    form.onClick(QStringLiteral("chkBox"), [&](int) { log << QStringLiteral("chk:%1").arg(check.value()); });

    box.setText(QStringLiteral("12"));
    EXPECT_EQ(log, QStringList{QStringLiteral("txt0:12")}); // ran before the setter returned
    box.setText(QStringLiteral("12"));
    label.setCaption(QStringLiteral("a"));
    label.setCaption(QStringLiteral("a"));
    check.setValue(1);
    check.setValue(1);
    check.setValue(0);
    EXPECT_EQ(log, (QStringList{QStringLiteral("txt0:12"), QStringLiteral("lbl:a"), QStringLiteral("chk:1"),
                                QStringLiteral("chk:0")}));
}

TEST_F(ControlEvents, DoubleClickDeliversClickThenDblClick)
{
    Control& label = form.add(ControlKind::Label, QStringLiteral("lblSize"), 3);
    form.onClick(QStringLiteral("lblSize"), [&](int i) { log << QStringLiteral("click%1").arg(i); });
    form.onDblClick(QStringLiteral("lblSize"), [&](int i) { log << QStringLiteral("dbl%1").arg(i); });
    label.dblClick();
    EXPECT_EQ(log, (QStringList{QStringLiteral("click3"), QStringLiteral("dbl3")}));
}

TEST_F(ControlEvents, ValidateCancelKeepsTheFocus)
{
    Control& box = form.add(ControlKind::TextBox, QStringLiteral("txtSize"), 0);
    form.onValidate(QStringLiteral("txtSize"),
                    [&](int, bool& cancel) { cancel = box.text() == QLatin1String("x"); });
    box.setText(QStringLiteral("x"));
    EXPECT_FALSE(box.validate());
    box.setText(QStringLiteral("1"));
    EXPECT_TRUE(box.validate());
}

TEST_F(ControlEvents, OptionButtonsInOneContainerFormAGroup)
{
    Control& a =
        form.add(ControlKind::OptionButton, QStringLiteral("optRate"), 0, QStringLiteral("fraSettings"));
    Control& b =
        form.add(ControlKind::OptionButton, QStringLiteral("optRate"), 1, QStringLiteral("fraSettings"));
    Control& other = form.add(ControlKind::OptionButton, QStringLiteral("optOther"), -1);
    form.onClick(QStringLiteral("optRate"), [&](int i) { log << QStringLiteral("opt%1").arg(i); });
    other.setValue(1);
    a.setValue(1);
    b.click();
    EXPECT_EQ(a.value(), 0);
    EXPECT_EQ(b.value(), 1);
    EXPECT_EQ(other.value(), 1); // another container is another group
    a.setValue(0);               // clearing an option from code is no click
    EXPECT_EQ(log, (QStringList{QStringLiteral("opt0"), QStringLiteral("opt1")}));
}

TEST_F(ControlEvents, ComboBoxTextRunsClickAndAClickReappliesIt)
{
    Control& combo = form.add(ControlKind::ComboBox, QStringLiteral("cboOre"), 7);
    form.onClick(QStringLiteral("cboOre"),
                 [&](int i) { log << QStringLiteral("%1:%2").arg(i).arg(combo.text()); });
    combo.setText(QStringLiteral("Veldspar"));
    combo.click();
    EXPECT_EQ(log, (QStringList{QStringLiteral("7:Veldspar"), QStringLiteral("7:Veldspar")}));
}

TEST_F(ControlEvents, TimersFireOnlyWhenEnabledWithAnInterval)
{
    Control& timer = form.add(ControlKind::Timer, QStringLiteral("tmrLaser"), 2);
    int ticks = 0;
    form.onTimer(QStringLiteral("tmrLaser"), [&](int i) { ticks += i; });
    timer.fire();
    timer.setEnabled(true);
    timer.fire(); // interval 0 never fires
    timer.setInterval(62);
    timer.fire();
    EXPECT_EQ(ticks, 2);
}

TEST(FormLookup, MissingControlsAreClearErrorsAndArraysCountTheirElements)
{
    Form form(QStringLiteral("frmTest"));
    form.add(ControlKind::TextBox, QStringLiteral("txtDelay"), 0);
    form.add(ControlKind::TextBox, QStringLiteral("txtDelay"), 2);
    form.add(ControlKind::TextBox, QStringLiteral("txtDelay"), 4);
    form.add(ControlKind::Label, QStringLiteral("lblSingle"));
    EXPECT_EQ(form.count(QStringLiteral("txtDelay")), 3);
    EXPECT_EQ(form.ubound(QStringLiteral("txtDelay")), 4);
    EXPECT_THROW(form.control(QStringLiteral("txtDelay"), 1), std::out_of_range);
    EXPECT_THROW(form.control(QStringLiteral("lblSingle"), 0), std::out_of_range);
    EXPECT_NO_THROW(form.control(QStringLiteral("lblSingle")));
    EXPECT_THROW(form.add(ControlKind::Label, QStringLiteral("lblSingle")), std::logic_error);

    QStringList order;
    for (const auto& c : form.controls())
        order << c->displayName();
    EXPECT_EQ(order, (QStringList{QStringLiteral("txtDelay(0)"), QStringLiteral("txtDelay(2)"),
                                  QStringLiteral("txtDelay(4)"), QStringLiteral("lblSingle")}));
}

TEST(FormObservers, AViewHearsEveryChange)
{
    Form form(QStringLiteral("frmTest"));
    Control& label = form.add(ControlKind::Label, QStringLiteral("lbl"), 0);
    QList<Prop> seen;
    const int id = form.subscribe([&](Control& c, Prop p) {
        EXPECT_EQ(&c, &label);
        seen << p;
    });
    label.setCaption(QStringLiteral("x"));
    label.setBackColor(0x404040);
    form.unsubscribe(id);
    label.setCaption(QStringLiteral("y"));
    EXPECT_EQ(seen, (QList<Prop>{Prop::Caption, Prop::BackColor}));
}

} // namespace

TEST(ControlOrder, EachControlKnowsItsPlaceInItsFormsControlOrder)
{
    Form form(QStringLiteral("frmOrder"));
    form.add(ControlKind::Label, QStringLiteral("lblA"), 0);
    form.add(ControlKind::Timer, QStringLiteral("tmrB"));
    form.add(ControlKind::Label, QStringLiteral("lblA"), 3);
    const auto& controls = form.controls();
    for (std::size_t i = 0; i < controls.size(); ++i)
        EXPECT_EQ(controls[i]->order(), static_cast<int>(i)) << controls[i]->displayName().toStdString();
}

TEST(FormObservers, AnObserverNamingItsPropertiesHearsOnlyThoseAndOneNamingNoneHearsAll)
{
    Form form(QStringLiteral("frmObserved"));
    Control& label = form.add(ControlKind::Label, QStringLiteral("lblA"));
    Control& timer = form.add(ControlKind::Timer, QStringLiteral("tmrB"));
    QStringList captions;
    QStringList timers;
    int all = 0;
    const int captionsId = form.subscribe(
        [&](Control& c, Prop) { captions << c.name() + QLatin1Char('=') + c.caption(); }, {Prop::Caption});
    form.subscribe([&](Control& c, Prop) { timers << c.name(); }, {Prop::Enabled, Prop::Interval});
    form.subscribe([&](Control&, Prop) { ++all; });
    label.setCaption(QStringLiteral("1"));
    label.setTag(QStringLiteral("t"));
    label.setForeColor(0xFF);
    timer.setInterval(62);
    timer.setEnabled(!timer.enabled());
    timer.setPeriod(62.5);
    EXPECT_EQ(captions, QStringList{QStringLiteral("lblA=1")});
    EXPECT_EQ(timers, (QStringList{QStringLiteral("tmrB"), QStringLiteral("tmrB"), QStringLiteral("tmrB")}));
    EXPECT_EQ(all, 6);
    form.unsubscribe(captionsId);
    label.setCaption(QStringLiteral("2"));
    EXPECT_EQ(captions.size(), 1);
    EXPECT_EQ(all, 7);
}
