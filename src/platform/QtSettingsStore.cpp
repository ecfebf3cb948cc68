#include "platform/QtSettingsStore.h"

#include <QDir>
#include <QStandardPaths>

namespace orebell {

QtSettingsStore::QtSettingsStore(QString folder) : folder_(std::move(folder)) {}

QtSettingsStore::~QtSettingsStore() { flush(); }

QString QtSettingsStore::encodeName(const QString& name)
{
    QString out;
    out.reserve(name.size());
    for (QChar ch : name) {
        switch (ch.unicode()) {
        case '%':
            out += QStringLiteral("%25");
            break;
        case '/':
            out += QStringLiteral("%2F");
            break;
        case '\\':
            out += QStringLiteral("%5C");
            break;
        default:
            out += ch;
            break;
        }
    }
    return out;
}

QString QtSettingsStore::fileFor(const QString& app) const
{
    QString folder = folder_;
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                 QStringLiteral("/Orebell");
    return QDir(folder).filePath(encodeName(app) + QStringLiteral(".ini"));
}

QSettings& QtSettingsStore::settings(const QString& app)
{
    auto it = byApp_.find(app);
    if (it != byApp_.end())
        return **it;
    std::shared_ptr<QSettings> s;
#ifdef Q_OS_WIN
    if (folder_.isEmpty())
        s = std::make_shared<QSettings>(QStringLiteral("VB and VBA Program Settings"), app);
#endif
    if (!s) {
        const QString file = fileFor(app);
        QDir().mkpath(QFileInfo(file).absolutePath());
        s = std::make_shared<QSettings>(file, QSettings::IniFormat);
    }
    byApp_.insert(app, s);
    return *s;
}

static QString path(const QString& section, const QString& key)
{
    return QtSettingsStore::encodeName(section) + QLatin1Char('/') + QtSettingsStore::encodeName(key);
}

QString QtSettingsStore::value(const QString& app, const QString& section, const QString& key)
{
    const QVariant v = settings(app).value(path(section, key));
    // An unquoted comma in a hand-edited file reads back as a list; keep it as the text it was.
    if (v.typeId() == QMetaType::QStringList)
        return v.toStringList().join(QLatin1Char(','));
    return v.isValid() ? v.toString() : QString();
}

void QtSettingsStore::setValue(const QString& app, const QString& section, const QString& key,
                               const QString& value)
{
    settings(app).setValue(path(section, key), value);
}

void QtSettingsStore::remove(const QString& app, const QString& section, const QString& key)
{
    if (key.isEmpty())
        settings(app).remove(encodeName(section));
    else
        settings(app).remove(path(section, key));
}

bool QtSettingsStore::flush()
{
    bool ok = true;
    for (auto& s : byApp_) {
        s->sync();
        ok = ok && s->status() == QSettings::NoError;
    }
    return ok;
}

} // namespace orebell
