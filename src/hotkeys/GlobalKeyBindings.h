#pragma once

#include "hotkeys/GlobalKeyTable.h"
#include "toolkit/Platform.h"

#include <functional>
#include <vector>

namespace orebell {

// The global keys of one run: read from the store (a store without them gets the defaults,
// written so that the player can edit them), grabbed through the platform, and each press handed
// on as its action.
class GlobalKeyBindings {
public:
    using Press = std::function<void(const GlobalKeyAction& action)>;

    GlobalKeyBindings(Platform& platform, Press press);
    // Lets the keys go: the platform outlives the program that grabbed them.
    ~GlobalKeyBindings();
    GlobalKeyBindings(const GlobalKeyBindings&) = delete;
    GlobalKeyBindings& operator=(const GlobalKeyBindings&) = delete;

    // Reads the keys of application app and grabs them. Returns the keys that are off against the
    // player's wish (text refused, a duplicate, taken by another program), one line each.
    QStringList start(const QString& app);

    // The keys grabbed and working.
    const std::vector<GlobalKeyAssignment>& grabbed() const { return grabbed_; }

private:
    void pressed(const QString& sequence);

    Platform& platform_;
    Press press_;
    std::vector<GlobalKeyAssignment> grabbed_;
    bool started_ = false;
};

// The player's message for the keys that are off, saying where to change them (`place`, as the
// store words it); empty when there are none.
QString globalKeyReport(const QStringList& problems, const QString& place);

} // namespace orebell
