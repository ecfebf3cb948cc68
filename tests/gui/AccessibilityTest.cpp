#include "ShownProgram.h"
#include "app/Keyboard.h"
#include "app/Program.h"
#include "gui/ProgramWindows.h"
#include "support/TestPlatform.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

using namespace orebell;

namespace {

struct Readers : test::ShownProgram {

    struct Seen {
        QString name;
        QString description;
        QAccessible::Role role;
    };
    // The window, its panels and the controls on them, as a screen reader reaches them (the
    // inner parts of a list or a combo box are Qt's own).
    std::vector<Seen> tree()
    {
        std::vector<Seen> out;
        walk(QAccessible::queryAccessibleInterface(&windows->mainView()), out, 0);
        return out;
    }
    void walk(QAccessibleInterface* iface, std::vector<Seen>& out, int depth)
    {
        if (!iface || depth > 12)
            return;
        out.push_back({iface->text(QAccessible::Name), iface->text(QAccessible::Description), iface->role()});
        if (iface->role() != QAccessible::Window && iface->role() != QAccessible::Grouping)
            return;
        for (int i = 0; i < iface->childCount(); ++i) {
            QAccessibleInterface* child = iface->child(i);
            EXPECT_NE(child, nullptr);
            if (child) {
                EXPECT_EQ(iface->indexOfChild(child), i);
            }
            walk(child, out, depth + 1);
        }
    }
    static const Seen* find(const std::vector<Seen>& tree, const QString& name)
    {
        for (const Seen& s : tree)
            if (s.name == name)
                return &s;
        return nullptr;
    }
};

TEST_F(Readers, EveryShownControlHasANameAndHiddenOnesAreLeftOut)
{
    // Two lasers shown: the third's panel is hidden and must not be read out.
    c("txtLasers", 0).setText(QStringLiteral("1"));
    c("lblControlButton", 12).click(); // "+": one timer more
    QApplication::processEvents();
    int shownLasers = 0;
    while (shownLasers < 7 && canBeSeen(program.mainForm(), c("btnActivateTimer", shownLasers)))
        ++shownLasers;
    ASSERT_EQ(shownLasers, 2);

    const std::vector<Seen> seen = tree();
    for (const Seen& s : seen)
        EXPECT_FALSE(s.name.trimmed().isEmpty()) << "an unnamed control of role " << s.role;

    const Seen* start = find(seen, QStringLiteral("Laser 1 start"));
    ASSERT_NE(start, nullptr);
    EXPECT_EQ(start->role, QAccessible::Button);
    for (const char* name :
         {"Laser 1 time to deplete", "Laser 1 time left in cycle", "Laser 1 double up", "Laser 1 double down",
          "Laser 1 units of ore", "Jet can 1 start", "Jet can 4 age"})
        EXPECT_NE(find(seen, QString::fromLatin1(name)), nullptr) << name;
    // Qt reads a combo box's choice as its name on Linux; its own name is the widget's.
    EXPECT_EQ(windows->mainView().widgetFor(QStringLiteral("cboRoidType"), 0)->accessibleName(),
              QStringLiteral("Laser 1 ore type"));
    const Seen* up = find(seen, QStringLiteral("Laser 1 double up"));
    ASSERT_NE(up, nullptr);
    EXPECT_EQ(up->role, QAccessible::Button);
    EXPECT_EQ(up->description, QStringLiteral("Double Up Laser"));
    // The control bar's label buttons, by their tool tips rather than their letters.
    EXPECT_EQ(find(seen, QStringLiteral("T")), nullptr);
    const Seen* timer = find(seen, QStringLiteral("Timer"));
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->role, QAccessible::Button);

    if (shownLasers < 7) {
        EXPECT_EQ(find(seen, QStringLiteral("Laser %1 start").arg(shownLasers + 1)), nullptr)
            << "a hidden laser is listed";
    }
    // Hidden panels (the sound panel) are not read either.
    EXPECT_EQ(find(seen, QStringLiteral("Cycle complete sound file path")), nullptr);
}

TEST_F(Readers, ThePanelsAndTheCargoWarningAreReadWhenShown)
{
    QTest::keyClick(&windows->mainView(), Qt::Key_S, Qt::AltModifier); // the Sound panel
    QApplication::processEvents();
    std::vector<Seen> seen = tree();
    const Seen* path = find(seen, QStringLiteral("Cycle complete sound file path"));
    ASSERT_NE(path, nullptr);
    EXPECT_EQ(path->description, QStringLiteral("Sound File Path"));
    EXPECT_NE(find(seen, QStringLiteral("Jetcan reminder browse")), nullptr);
    EXPECT_EQ(find(seen, QStringLiteral("Laser 1 start")), nullptr)
        << "a laser under the Sound panel is read";

    c("lblControlButton", 1).click(); // back to the timers
    Control& stop = c("lblStopMining", 0);
    const Control& cargo = c("fraCargoHold");
    for (int i = 0; i < 5 && !cargo.visible(); ++i)
        c("lblControlButton", 4).click(); // the watch panels in turn
    QApplication::processEvents();
    ASSERT_TRUE(cargo.visible());
    stop.setVisible(true);
    seen = tree();
    const Seen* warning = find(seen, QStringLiteral("STOP MINING!"));
    ASSERT_NE(warning, nullptr);
    EXPECT_EQ(warning->role, QAccessible::StaticText);
    stop.setVisible(false);
    EXPECT_EQ(find(tree(), QStringLiteral("STOP MINING!")), nullptr);
}

} // namespace
