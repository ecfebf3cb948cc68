#include "hotkeys/GlobalKeyTable.h"

#include <QHash>

#include <gtest/gtest.h>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

using namespace orebell;

namespace {

QString s(const char* text) { return QString::fromUtf8(text); }

GlobalKeyPlan planFrom(const QHash<QString, QString>& store)
{
    return planGlobalKeys([&](const QString& key) -> std::optional<QString> {
        if (store.contains(key))
            return store.value(key);
        return std::nullopt;
    });
}

QString sequenceOf(const GlobalKeyPlan& plan, const char* storeKey)
{
    for (const GlobalKeyAssignment& k : plan.keys)
        if (globalKeyActions()[k.action].storeKey == s(storeKey))
            return k.sequence;
    return {};
}

TEST(GlobalKeyText, ReadsPortableTextAndNormalisesIt)
{
    EXPECT_EQ(parseGlobalKey(s("Ctrl+Alt+1")).sequence, s("Ctrl+Alt+1"));
    EXPECT_EQ(parseGlobalKey(s("  alt+ctrl+q ")).sequence, s("Ctrl+Alt+Q"));
    EXPECT_EQ(parseGlobalKey(s("Ctrl+Alt+-")).sequence, s("Ctrl+Alt+-"));
    EXPECT_EQ(parseGlobalKey(s("Meta+Shift+K")).sequence, s("Meta+Shift+K"));
    EXPECT_TRUE(parseGlobalKey(s("Ctrl+Alt+1")).problem.isEmpty());
}

TEST(GlobalKeyText, EmptyTurnsTheKeyOffWithoutComplaint)
{
    for (const char* text : {"", "   "}) {
        const GlobalKeyText key = parseGlobalKey(s(text));
        EXPECT_TRUE(key.sequence.isEmpty()) << text;
        EXPECT_TRUE(key.problem.isEmpty()) << text;
    }
}

TEST(GlobalKeyText, RefusesTextThatIsNoSingleUsableKey)
{
    struct Case {
        const char* text;
        const char* says;
    };
    const Case cases[] = {
        {"Ctrl+Alt+Banana", "is not a key"},
        {"Ctrl+Alt+", "is not a key"},
        {"+++", "is not a key"},
        {"Ctrl+Alt+1, Ctrl+Alt+2", "more than one key"},
        {"1", "needs Ctrl, Alt or Meta"},
        {"Shift+A", "needs Ctrl, Alt or Meta"},
        {"Ctrl+Alt+Shift", "modifier or lock key alone"},
    };
    for (const Case& c : cases) {
        const GlobalKeyText key = parseGlobalKey(s(c.text));
        EXPECT_TRUE(key.sequence.isEmpty()) << c.text;
        EXPECT_TRUE(key.problem.contains(s(c.says))) << c.text << " gave " << key.problem.toStdString();
    }
}

TEST(GlobalKeyText, RefusesWhatDesktopsKeep)
{
    for (const char* text :
         {"Ctrl+Alt+L", "Ctrl+Alt+T", "Ctrl+Alt+Del", "Ctrl+Alt+Backspace", "Ctrl+Alt+F1", "Ctrl+Alt+F12",
          "Alt+F4", "Ctrl+Alt+Left", "Ctrl+Alt+Shift+Right", "Meta+Up", "Alt+Tab", "Meta+1", "Meta+L"}) {
        const GlobalKeyText key = parseGlobalKey(s(text));
        EXPECT_TRUE(key.sequence.isEmpty()) << text;
        EXPECT_TRUE(key.problem.contains(s("belongs to the desktop"))) << text;
    }
    // Near misses stay the player's.
    for (const char* text : {"Ctrl+Alt+K", "Ctrl+Shift+F1", "Ctrl+Left", "Ctrl+Alt+Shift+1"})
        EXPECT_FALSE(parseGlobalKey(s(text)).sequence.isEmpty()) << text;
}

TEST(GlobalKeyPlan, DefaultsAreElevenUsableDistinctKeys)
{
    const GlobalKeyPlan plan = planFrom({});
    EXPECT_TRUE(plan.problems.isEmpty()) << plan.problems.join(s("; ")).toStdString();
    ASSERT_EQ(plan.keys.size(), 11u);
    EXPECT_EQ(sequenceOf(plan, "Laser1"), s("Ctrl+Alt+1"));
    EXPECT_EQ(sequenceOf(plan, "Laser7"), s("Ctrl+Alt+7"));
    EXPECT_EQ(sequenceOf(plan, "JetCan1"), s("Ctrl+Alt+8"));
    EXPECT_EQ(sequenceOf(plan, "JetCan3"), s("Ctrl+Alt+0"));
    EXPECT_EQ(sequenceOf(plan, "JetCan4"), s("Ctrl+Alt+-"));
    for (const GlobalKeyAction& a : globalKeyActions())
        EXPECT_FALSE(desktopOwns(a.defaultKey)) << a.defaultKey.toStdString();
    // Each laser key starts its own slot, each jet-can key its own clock.
    const auto& actions = globalKeyActions();
    EXPECT_EQ(actions[0].control, s("btnActivateTimer"));
    EXPECT_EQ(actions[6].index, 6);
    EXPECT_EQ(actions[6].laserSlot, 6);
    EXPECT_EQ(actions[7].control, s("lblJetButton"));
    EXPECT_EQ(actions[10].index, 3);
    EXPECT_EQ(actions[10].laserSlot, -1);
}

TEST(GlobalKeyPlan, StoredKeysReplaceDefaultsAndEmptyOnesAreOff)
{
    const GlobalKeyPlan plan = planFrom({{s("Laser1"), s("ctrl+alt+q")}, {s("JetCan2"), QString()}});
    EXPECT_TRUE(plan.problems.isEmpty());
    EXPECT_EQ(sequenceOf(plan, "Laser1"), s("Ctrl+Alt+Q"));
    EXPECT_EQ(sequenceOf(plan, "Laser2"), s("Ctrl+Alt+2")); // not stored: the default
    EXPECT_EQ(sequenceOf(plan, "JetCan2"), QString());
    EXPECT_EQ(plan.keys.size(), 10u);
}

TEST(GlobalKeyPlan, BadAndDuplicateKeysAreReportedByNameAndTheRestKept)
{
    // Laser 3 takes laser 2's key; the jet can's text is no key; laser 5 asks for the lock key.
    const GlobalKeyPlan plan = planFrom({{s("Laser3"), s("Ctrl+Alt+2")},
                                         {s("JetCan1"), s("Ctrl+Alt+Nonsense")},
                                         {s("Laser5"), s("Ctrl+Alt+L")}});
    ASSERT_EQ(plan.problems.size(), 3) << plan.problems.join(s("; ")).toStdString();
    EXPECT_EQ(plan.problems[0], s("Laser3: Ctrl+Alt+2 is already the key of Laser2"));
    EXPECT_TRUE(plan.problems[1].startsWith(s("Laser5: Ctrl+Alt+L belongs to the desktop")));
    EXPECT_TRUE(plan.problems[2].startsWith(s("JetCan1: \"Ctrl+Alt+Nonsense\" is not a key")));
    EXPECT_EQ(sequenceOf(plan, "Laser2"), s("Ctrl+Alt+2")); // the first holder keeps it
    EXPECT_EQ(sequenceOf(plan, "Laser3"), QString());
    EXPECT_EQ(plan.keys.size(), 8u);
}

TEST(GlobalKeyPlan, TheSameKeyWrittenTwoWaysIsADuplicate)
{
    const GlobalKeyPlan plan = planFrom({{s("Laser1"), s("Alt+Ctrl+X")}, {s("Laser2"), s("ctrl+alt+x")}});
    ASSERT_EQ(plan.problems.size(), 1);
    EXPECT_TRUE(plan.problems[0].startsWith(s("Laser2: Ctrl+Alt+X is already the key of Laser1")));
}

TEST(GlobalKeyStore, KnowsExactlyItsOwnKeys)
{
    EXPECT_TRUE(isGlobalKeyStoreKey(GlobalKeysSection, s("Laser1")));
    EXPECT_TRUE(isGlobalKeyStoreKey(GlobalKeysSection, s("JetCan4")));
    EXPECT_FALSE(isGlobalKeyStoreKey(GlobalKeysSection, s("Laser8")));
    EXPECT_FALSE(isGlobalKeyStoreKey(s("Settings"), s("Laser1")));
}

} // namespace
