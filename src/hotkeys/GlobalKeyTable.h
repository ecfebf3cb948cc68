#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

namespace orebell {

// The store section of the global keys: one key per action, in QKeySequence's portable text.
// Names without blanks, which an INI file would show escaped to the player who edits it.
inline const QString GlobalKeysSection = QStringLiteral("GlobalKeys");

// What a global key does: exactly what a click on one button of the main window does.
struct GlobalKeyAction {
    QString storeKey; // its name in the store section, also how the player is told of it
    QString control;  // the button a press clicks
    int index = -1;
    QString defaultKey;
    int laserSlot = -1; // the laser slot whose start button it is, or -1
};

// Lasers 1 to 7, then jet cans 1 to 4.
const std::vector<GlobalKeyAction>& globalKeyActions();

// A stored text read as a global key.
struct GlobalKeyText {
    QString sequence; // normalised portable text; empty when the key is off or refused
    QString problem;  // why the text was refused; empty when it was not
};
GlobalKeyText parseGlobalKey(const QString& text);

// True when desktops commonly keep the sequence (normalised portable text) for themselves:
// grabbing it would either fail or take it from the desktop.
bool desktopOwns(const QString& sequence);

struct GlobalKeyAssignment {
    int action = 0; // into globalKeyActions()
    QString sequence;
};

struct GlobalKeyPlan {
    std::vector<GlobalKeyAssignment> keys; // in action order, each sequence once
    QStringList problems;                  // one line per key refused, for the player
};

// stored(storeKey) is the stored text, or nothing when the store has no such key (the default
// then holds). A key whose sequence an earlier action already has is refused.
GlobalKeyPlan planGlobalKeys(const std::function<std::optional<QString>(const QString& storeKey)>& stored);

// True for the keys the section holds, so that a repaired store keeps them.
bool isGlobalKeyStoreKey(const QString& section, const QString& key);

} // namespace orebell
