#include "app/Keyboard.h"
#include "app/Program.h"
#include "support/TestPlatform.h"

#include <QDir>
#include <QFile>
#include <QKeySequence>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

using namespace orebell;

namespace {

struct Keyboard : ::testing::Test {
    test::TestPlatform platform;
    std::unique_ptr<Program> program;

    void SetUp() override
    {
        program = std::make_unique<Program>(platform);
        program->run();
    }
    Form& form() { return program->mainForm(); }
    Control& c(const char* name, int index = -1) { return form().control(QString::fromLatin1(name), index); }

    // Which laser slot (0..6) a control of a per-laser array belongs to, -1 for any other.
    static int slotOf(const Control* control)
    {
        static const QSet<QString> perLaser{QStringLiteral("cboRoidType"), QStringLiteral("txtSizeOfRoid"),
                                            QStringLiteral("btnActivateTimer"),
                                            QStringLiteral("txtMiningRate"),
                                            QStringLiteral("txtCycleDurationInSeconds")};
        return perLaser.contains(control->name()) && control->index() < 7 ? control->index() : -1;
    }
};

TEST_F(Keyboard, TabVisitsOnlyWhatCanBeSeenLaserByLaserTopToBottom)
{
    std::vector<Control*> order = tabOrder(form());
    ASSERT_FALSE(order.empty());
    QList<int> jetCans;
    int lastSlotTop = -1;
    for (Control* control : order) {
        EXPECT_TRUE(canBeSeen(form(), *control)) << qPrintable(control->name());
        EXPECT_LE(slotOf(control), 0) << "laser " << slotOf(control) + 1 << " lies beyond the window's edge";
        if (control->name() == QStringLiteral("txtJetCanName"))
            jetCans << control->index();
        if (slotOf(control) == 0) {
            EXPECT_GE(control->top(), lastSlotTop)
                << "laser 1 runs bottom to top at " << qPrintable(control->name());
            lastSlotTop = control->top();
        }
    }
    EXPECT_EQ(jetCans, (QList<int>{0, 1, 2, 3}));
    EXPECT_NE(std::find(order.begin(), order.end(), &c("btnActivateTimer", 0)), order.end());

    // A second timer panel joins the cycle after the whole of the first one.
    c("lblControlButton", 12).click();
    order = tabOrder(form());
    int lastOfFirst = -1, firstOfSecond = -1;
    for (int i = 0; i < static_cast<int>(order.size()); ++i) {
        if (slotOf(order[i]) == 0)
            lastOfFirst = i;
        if (slotOf(order[i]) == 1 && firstOfSecond < 0)
            firstOfSecond = i;
        EXPECT_LE(slotOf(order[i]), 1);
    }
    ASSERT_GE(firstOfSecond, 0) << "the added laser panel cannot be reached";
    EXPECT_LT(lastOfFirst, firstOfSecond);
}

TEST_F(Keyboard, APanelShownOverTheTimersTakesTheirPlaceInTheCycle)
{
    c("lblControlButton", 2).click(); // the ore calculator covers panel A and the lasers
    const std::vector<Control*> order = tabOrder(form());
    ASSERT_FALSE(order.empty());
    for (Control* control : order) {
        EXPECT_EQ(slotOf(control), -1) << qPrintable(control->name()) << " lies under the calculator";
        EXPECT_NE(control->name(), QStringLiteral("txtJetCanName"));
    }
    EXPECT_NE(std::find(order.begin(), order.end(), &c("txtOreCalc_bckgrnd")), order.end());
    // The whole panel is read top to bottom, however far right its controls reach.
    int lastTop = -1;
    for (Control* control : order) {
        const int top = control->top() +
                        (control->container().isEmpty() ? 0 : form().control(control->container()).top());
        EXPECT_GE(top, lastTop) << qPrintable(control->name()) << control->index();
        lastTop = top;
    }
}

TEST_F(Keyboard, EveryBindingNamesARealButtonAndNoKeyServesTwo)
{
    QSet<QString> seen;
    for (const KeyBinding& binding : keyBindings()) {
        ASSERT_FALSE(binding.keys.isEmpty());
        for (const QString& key : binding.keys) {
            EXPECT_FALSE(QKeySequence::fromString(key, QKeySequence::PortableText).isEmpty())
                << qPrintable(key);
            EXPECT_FALSE(seen.contains(key)) << qPrintable(key) << " is bound twice";
            seen.insert(key);
        }
        for (const KeyBinding::Target& target : binding.targets)
            EXPECT_TRUE(form().has(target.name, target.index)) << qPrintable(target.name) << target.index;
    }
    // The bar's buttons that do something, the jet cans and both laser adjusters of every slot.
    for (int i : {0, 1, 2, 3, 4, 5, 6, 8, 11, 12, 13, 14, 15, 18})
        EXPECT_FALSE(keyFor(QStringLiteral("lblControlButton"), i).isEmpty()) << "button " << i;
    for (int can = 0; can < 4; ++can)
        EXPECT_FALSE(keyFor(QStringLiteral("lblJetButton"), can).isEmpty());
    for (int laser = 0; laser < 7; ++laser) {
        EXPECT_FALSE(keyFor(QStringLiteral("lblPlusOne"), laser).isEmpty());
        EXPECT_FALSE(keyFor(QStringLiteral("lblMinusOne"), laser).isEmpty());
    }
}

TEST_F(Keyboard, AKeyPressesOnlyAButtonThatCanBeSeen)
{
    const auto binding = [](const QString& key) {
        for (const KeyBinding& b : keyBindings())
            if (b.keys.contains(key))
                return b;
        return KeyBinding{};
    };
    EXPECT_EQ(keyTarget(form(), binding(QStringLiteral("Alt+M"))), &c("lblControlButton", 14));
    EXPECT_EQ(keyTarget(form(), binding(QStringLiteral("Ctrl+F1"))), &c("lblPlusOne", 0));
    // Laser 2's panel lies beyond the window's edge; Refine sits on a hidden panel.
    EXPECT_EQ(keyTarget(form(), binding(QStringLiteral("Ctrl+F2"))), nullptr);
    EXPECT_EQ(keyTarget(form(), binding(QStringLiteral("Ctrl+R"))), nullptr);

    c("lblControlButton", 14).click(); // minimised: the same key restores through the small window
    EXPECT_EQ(keyTarget(form(), binding(QStringLiteral("Alt+M"))), &c("lblMinimize"));
    EXPECT_EQ(keyTarget(form(), binding(QStringLiteral("Alt+T"))), nullptr);
}

} // namespace

TEST(KeyboardHelp, TheHelpListsEveryKey)
{
    QFile file(QDir(QStringLiteral(OREBELL_RUNTIME_DIR)).filePath(QStringLiteral("Help.rtf")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString help = QString::fromLatin1(file.readAll());
    for (const KeyBinding& binding : keyBindings()) {
        // Numbered families are listed as ranges from their first member ("Ctrl+F1 to Ctrl+F7").
        QString key = binding.keys.first();
        key.replace(QRegularExpression(QStringLiteral("\\d+$")), QStringLiteral("1"));
        EXPECT_TRUE(help.contains(QStringLiteral("{\\b %1}").arg(key))) << qPrintable(key);
    }
}
