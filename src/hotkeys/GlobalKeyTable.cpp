#include "hotkeys/GlobalKeyTable.h"

#include <QKeySequence>

#include <algorithm>
#include <array>

namespace orebell {

namespace {

std::vector<GlobalKeyAction> makeActions()
{
    std::vector<GlobalKeyAction> list;
    for (int slot = 0; slot < 7; ++slot)
        list.push_back({QStringLiteral("Laser%1").arg(slot + 1), QStringLiteral("btnActivateTimer"), slot,
                        QStringLiteral("Ctrl+Alt+%1").arg(slot + 1), slot});
    // The digits and minus that follow 1 to 7 on the top row, so all eleven sit under one hand.
    const std::array<const char*, 4> jetKeys{"Ctrl+Alt+8", "Ctrl+Alt+9", "Ctrl+Alt+0", "Ctrl+Alt+-"};
    for (int can = 0; can < 4; ++can)
        list.push_back({QStringLiteral("JetCan%1").arg(can + 1), QStringLiteral("lblJetButton"), can,
                        QString::fromLatin1(jetKeys[can]), -1});
    return list;
}

constexpr Qt::KeyboardModifiers CtrlAlt = Qt::ControlModifier | Qt::AltModifier;

bool isArrow(int key) { return key >= Qt::Key_Left && key <= Qt::Key_Down; }
bool isFunctionKey(int key) { return key >= Qt::Key_F1 && key <= Qt::Key_F35; }

} // namespace

const std::vector<GlobalKeyAction>& globalKeyActions()
{
    static const std::vector<GlobalKeyAction> actions = makeActions();
    return actions;
}

bool desktopOwns(const QString& sequence)
{
    const QKeySequence parsed = QKeySequence::fromString(sequence, QKeySequence::PortableText);
    if (parsed.count() != 1)
        return false;
    const QKeyCombination chord = parsed[0];
    const int key = chord.key();
    const Qt::KeyboardModifiers mods = chord.keyboardModifiers();
    const Qt::KeyboardModifiers noShift = mods & ~Qt::ShiftModifier;
    // Switching virtual terminals and workspaces, window moves and tiling.
    if (isFunctionKey(key) && (noShift & (Qt::AltModifier | Qt::MetaModifier)))
        return true;
    if (isArrow(key) && (noShift == CtrlAlt || (noShift & Qt::MetaModifier)))
        return true;
    // Lock, terminal, log out, kill the X server, show the desktop, window switching.
    if (noShift == CtrlAlt)
        return key == Qt::Key_L || key == Qt::Key_T || key == Qt::Key_D || key == Qt::Key_Delete ||
               key == Qt::Key_Backspace || key == Qt::Key_Tab || key == Qt::Key_Escape;
    if (noShift == Qt::AltModifier)
        return key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Escape || key == Qt::Key_Space;
    if (noShift == Qt::ControlModifier)
        return key == Qt::Key_Escape;
    if (noShift == Qt::MetaModifier) // the launcher, lock, desktop, task-bar entries
        return key == Qt::Key_L || key == Qt::Key_D || key == Qt::Key_Tab || key == Qt::Key_Space ||
               (key >= Qt::Key_0 && key <= Qt::Key_9);
    return false;
}

GlobalKeyText parseGlobalKey(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return {};
    const QKeySequence parsed = QKeySequence::fromString(trimmed, QKeySequence::PortableText);
    const QString quoted = QLatin1Char('"') + trimmed + QLatin1Char('"');
    bool known = !parsed.isEmpty();
    for (int i = 0; i < parsed.count(); ++i)
        known = known && parsed[i].key() != Qt::Key_unknown && parsed[i].key() != 0;
    if (!known)
        return {{}, quoted + QStringLiteral(" is not a key")};
    if (parsed.count() != 1)
        return {{}, quoted + QStringLiteral(" is more than one key")};
    const QKeyCombination chord = parsed[0];
    if (chord.key() >= Qt::Key_Shift && chord.key() <= Qt::Key_ScrollLock)
        return {{}, quoted + QStringLiteral(" is a modifier or lock key alone")};
    // Without Ctrl, Alt or Meta the key would be taken from the game, which types it.
    if (!(chord.keyboardModifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return {{}, quoted + QStringLiteral(" needs Ctrl, Alt or Meta")};
    const QString sequence = parsed.toString(QKeySequence::PortableText);
    if (desktopOwns(sequence))
        return {{}, sequence + QStringLiteral(" belongs to the desktop")};
    return {sequence, {}};
}

GlobalKeyPlan planGlobalKeys(const std::function<std::optional<QString>(const QString& storeKey)>& stored)
{
    GlobalKeyPlan plan;
    const std::vector<GlobalKeyAction>& actions = globalKeyActions();
    for (int a = 0; a < static_cast<int>(actions.size()); ++a) {
        const GlobalKeyAction& action = actions[a];
        const std::optional<QString> text = stored(action.storeKey);
        const GlobalKeyText key = parseGlobalKey(text ? *text : action.defaultKey);
        if (!key.problem.isEmpty()) {
            plan.problems << action.storeKey + QStringLiteral(": ") + key.problem;
            continue;
        }
        if (key.sequence.isEmpty())
            continue; // turned off
        const auto taken =
            std::find_if(plan.keys.begin(), plan.keys.end(),
                         [&](const GlobalKeyAssignment& k) { return k.sequence == key.sequence; });
        if (taken != plan.keys.end()) {
            plan.problems << QStringLiteral("%1: %2 is already the key of %3")
                                 .arg(action.storeKey, key.sequence, actions[taken->action].storeKey);
            continue;
        }
        plan.keys.push_back({a, key.sequence});
    }
    return plan;
}

bool isGlobalKeyStoreKey(const QString& section, const QString& key)
{
    if (section != GlobalKeysSection)
        return false;
    const std::vector<GlobalKeyAction>& actions = globalKeyActions();
    return std::any_of(actions.begin(), actions.end(),
                       [&](const GlobalKeyAction& a) { return a.storeKey == key; });
}

} // namespace orebell
