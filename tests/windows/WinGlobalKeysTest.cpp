// Global keys on Windows, against the system's own hot key table.
#include "platform/WinGlobalKeys.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>
#include <gtest/gtest.h>

#include <windows.h>

#include <initializer_list>
#include <vector>

namespace orebell {
namespace {

TEST(WinGlobalKeys, KeyTextsBecomeTheVirtualKeysAndModifiersOfTheLayout)
{
    struct Case {
        const char* text;
        unsigned key;
        unsigned modifiers;
    } cases[] = {
        {"Ctrl+Alt+1", '1', MOD_CONTROL | MOD_ALT},
        {"Ctrl+Alt+0", '0', MOD_CONTROL | MOD_ALT},
        {"Meta+Shift+Q", 'Q', MOD_WIN | MOD_SHIFT},
        {"Ctrl+Alt+F5", VK_F5, MOD_CONTROL | MOD_ALT},
        {"Alt+PgDown", VK_NEXT, MOD_ALT},
        {"Ctrl+Alt+-", static_cast<unsigned>(LOBYTE(VkKeyScanW(L'-'))), MOD_CONTROL | MOD_ALT},
    };
    for (const Case& c : cases) {
        unsigned key = 0;
        unsigned modifiers = 0;
        ASSERT_TRUE(WinGlobalKeys::hotKeyOf(QString::fromLatin1(c.text), key, modifiers)) << c.text;
        EXPECT_EQ(key, c.key) << c.text;
        EXPECT_EQ(modifiers, c.modifiers) << c.text;
    }
    unsigned key = 0;
    unsigned modifiers = 0;
    EXPECT_FALSE(WinGlobalKeys::hotKeyOf(QStringLiteral("Ctrl+Alt+1, Ctrl+Alt+2"), key, modifiers));
    EXPECT_FALSE(WinGlobalKeys::hotKeyOf(QStringLiteral("Ctrl+Alt+VolumeUp"), key, modifiers));
}

TEST(WinGlobalKeys, AKeyAnotherProgramHoldsIsReportedAndTheOthersWork)
{
    // Another program's registration of Ctrl+Alt+7 (the system does not care which thread).
    ASSERT_TRUE(RegisterHotKey(nullptr, 0x42, MOD_CONTROL | MOD_ALT, '7')) << GetLastError();
    WinGlobalKeys keys;
    const auto failures = keys.grab({QStringLiteral("Ctrl+Alt+1"), QStringLiteral("Ctrl+Alt+7"),
                                     QStringLiteral("Ctrl+Alt+1"), QStringLiteral("Ctrl+Alt+Launch")},
                                    [](const QString&) {});
    UnregisterHotKey(nullptr, 0x42);
    ASSERT_EQ(failures.size(), 3);
    EXPECT_EQ(failures[0].sequence, QStringLiteral("Ctrl+Alt+7"));
    EXPECT_EQ(failures[0].why, QStringLiteral("is taken by another program"));
    EXPECT_EQ(failures[1].why, QStringLiteral("is the same key as another on this keyboard"));
    EXPECT_EQ(failures[2].why, QStringLiteral("is not on this keyboard"));

    // Ours now: another program asking for it is refused until we let go.
    EXPECT_FALSE(RegisterHotKey(nullptr, 0x43, MOD_CONTROL | MOD_ALT, '1'));
    keys.grab({}, [](const QString&) {});
    EXPECT_TRUE(RegisterHotKey(nullptr, 0x43, MOD_CONTROL | MOD_ALT, '1'));
    UnregisterHotKey(nullptr, 0x43);
}

// Keys typed as the keyboard would type them, through the system's input queue.
void type(std::initializer_list<WORD> chord)
{
    std::vector<INPUT> inputs;
    for (WORD key : chord) {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = key;
        inputs.push_back(in);
    }
    for (auto it = chord.end(); it != chord.begin();) {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = *--it;
        in.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(in);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

TEST(WinGlobalKeys, ThePressOfARegisteredKeyReachesTheProgramFromTheEventLoop)
{
    WinGlobalKeys keys;
    QStringList pressed;
    ASSERT_TRUE(keys.grab({QStringLiteral("Ctrl+Alt+2"), QStringLiteral("Ctrl+Alt+3")},
                          [&](const QString& s) { pressed << s; })
                    .isEmpty());
    type({VK_CONTROL, VK_MENU, '3'});
    // Delivered from the event loop, never inside the dispatch of the system's message.
    QElapsedTimer waited;
    waited.start();
    while (pressed.isEmpty() && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(pressed, QStringList{QStringLiteral("Ctrl+Alt+3")});
}

} // namespace
} // namespace orebell
