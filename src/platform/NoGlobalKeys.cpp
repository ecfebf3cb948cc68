// Global keys on a desktop the program has no way to grab keys on.
#include "platform/NativeServices.h"

namespace orebell {

namespace {

class NoGlobalKeys : public GlobalKeys {
public:
    QList<Failure> grab(const QStringList& sequences, Pressed) override
    {
        QList<Failure> failures;
        for (const QString& s : sequences)
            failures.append({s, unavailable()});
        return failures;
    }
    QString unavailable() const override
    {
        return QStringLiteral("global keys are not available on this system");
    }
};

} // namespace

std::unique_ptr<GlobalKeys> makeGlobalKeys() { return std::make_unique<NoGlobalKeys>(); }

} // namespace orebell
