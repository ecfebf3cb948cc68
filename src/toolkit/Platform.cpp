#include "toolkit/Platform.h"

#include <QDir>

#include <chrono>

namespace orebell {

QString joinProgramPath(const QString& folder, const QString& fileName)
{
    // Stored names may carry a leading "\" or "/" of their own; drop it and any trailing one of
    // the folder so that exactly one separator joins them.
    QString name = fileName;
    while (name.startsWith(QLatin1Char('\\')) || name.startsWith(QLatin1Char('/')))
        name.remove(0, 1);
    QString base = QDir::fromNativeSeparators(folder);
    while (base.size() > 1 && base.endsWith(QLatin1Char('/')))
        base.chop(1);
    if (base.isEmpty())
        return QDir::toNativeSeparators(name);
    if (base.endsWith(QLatin1Char('/')))
        return QDir::toNativeSeparators(base + name);
    return QDir::toNativeSeparators(base + QLatin1Char('/') + name);
}

} // namespace orebell

namespace orebell {

qint64 Clock::steadyMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

namespace {
struct NoScreens : Screens {
    QList<QRect> availableGeometries() override { return {}; }
};
struct NoGlobalKeys : GlobalKeys {
    QList<Failure> grab(const QStringList&, Pressed) override { return {}; }
};
} // namespace

Screens& Platform::screens()
{
    // Stateless, so one for every platform that has no screens service of its own.
    static NoScreens none;
    return none;
}

GlobalKeys& Platform::globalKeys()
{
    static NoGlobalKeys none; // stateless, like the screens above
    return none;
}

} // namespace orebell
