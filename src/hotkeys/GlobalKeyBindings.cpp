#include "hotkeys/GlobalKeyBindings.h"

#include <algorithm>

namespace orebell {

GlobalKeyBindings::GlobalKeyBindings(Platform& platform, Press press)
    : platform_(platform), press_(std::move(press))
{}

GlobalKeyBindings::~GlobalKeyBindings()
{
    if (started_)
        platform_.globalKeys().grab({}, {});
}

QStringList GlobalKeyBindings::start(const QString& app)
{
    started_ = true;
    SettingsStore& store = platform_.store();
    // A key not stored gets its default, stored with the session's next save (the close) for the
    // player to edit; writing the file now would cost the first start a disk write.
    const GlobalKeyPlan plan = planGlobalKeys([&](const QString& key) -> std::optional<QString> {
        if (store.contains(app, GlobalKeysSection, key))
            return store.value(app, GlobalKeysSection, key);
        for (const GlobalKeyAction& action : globalKeyActions())
            if (action.storeKey == key)
                store.setValue(app, GlobalKeysSection, key, action.defaultKey);
        return std::nullopt;
    });

    QStringList sequences;
    for (const GlobalKeyAssignment& k : plan.keys)
        sequences << k.sequence;
    const QList<GlobalKeys::Failure> failures =
        platform_.globalKeys().grab(sequences, [this](const QString& sequence) { pressed(sequence); });

    QStringList problems = plan.problems;
    grabbed_.clear();
    const std::vector<GlobalKeyAction>& actions = globalKeyActions();
    for (const GlobalKeyAssignment& k : plan.keys) {
        const auto failed = std::find_if(failures.begin(), failures.end(), [&](const GlobalKeys::Failure& f) {
            return f.sequence == k.sequence;
        });
        if (failed == failures.end())
            grabbed_.push_back(k);
        else
            problems << QStringLiteral("%1: %2 %3").arg(actions[k.action].storeKey, k.sequence, failed->why);
    }
    return problems;
}

void GlobalKeyBindings::pressed(const QString& sequence)
{
    const auto key = std::find_if(grabbed_.begin(), grabbed_.end(),
                                  [&](const GlobalKeyAssignment& k) { return k.sequence == sequence; });
    if (key != grabbed_.end() && press_)
        press_(globalKeyActions()[key->action]);
}

QString globalKeyReport(const QStringList& problems, const QString& place)
{
    if (problems.isEmpty())
        return {};
    return QStringLiteral("These global keys are off:\n") + problems.join(QLatin1Char('\n')) +
           QStringLiteral("\nChange them in %1, with Orebell closed.").arg(place);
}

} // namespace orebell
