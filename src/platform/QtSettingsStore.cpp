#include "platform/QtSettingsStore.h"

#include "toolkit/RuntimeError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>
#include <QStandardPaths>
#include <QThread>

#include <utility>
#include <vector>

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

std::optional<std::pair<QString, QString>> QtSettingsStore::decodeIniPath(const QString& path)
{
    const QStringList parts = path.split(QLatin1Char('/'));
    if (parts.size() != 2 || parts[0].isEmpty() || parts[1].isEmpty())
        return std::nullopt;
    std::pair<QString, QString> out;
    QString* names[] = {&out.first, &out.second};
    for (int n = 0; n < 2; ++n) {
        const QString& part = parts[n];
        QString& name = *names[n];
        for (qsizetype i = 0; i < part.size(); ++i) {
            if (part[i] != QLatin1Char('%')) {
                name += part[i];
                continue;
            }
            const QStringView code = QStringView(part).mid(i + 1, 2);
            if (code == u"25")
                name += QLatin1Char('%');
            else if (code == u"2F")
                name += QLatin1Char('/');
            else if (code == u"5C")
                name += QLatin1Char('\\');
            else
                return std::nullopt;
            i += 2;
        }
    }
    return out;
}

std::optional<QByteArray> QtSettingsStore::separateMergingSections(const QByteArray& ini)
{
    QList<QByteArray> lines = ini.split('\n');
    struct Block {
        QByteArray name;
        qsizetype header = -1;
        QSet<QByteArray> keys;
    };
    std::vector<Block> blocks(1); // the keys before any section header
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        if (line.startsWith('[')) {
            const qsizetype end = line.indexOf(']');
            blocks.push_back({line.mid(1, end < 0 ? -1 : end - 1).trimmed(), i, {}});
        } else if (const qsizetype eq = line.indexOf('='); eq > 0 && !line.startsWith(';')) {
            blocks.back().keys.insert(line.left(eq).trimmed());
        }
    }
    QSet<QByteArray> names;
    for (const Block& b : blocks)
        names.insert(b.name);
    QHash<QByteArray, QSet<QByteArray>> seen; // the keys each name holds so far
    bool renamed = false;
    for (const Block& b : blocks) {
        if (b.header < 0)
            continue;
        auto earlier = seen.find(b.name);
        if (earlier == seen.end() || !earlier->intersects(b.keys)) {
            seen[b.name].unite(b.keys);
            continue;
        }
        QByteArray name;
        for (int n = 2; name.isEmpty() || names.contains(name); ++n)
            name = b.name + "%20(" + QByteArray::number(n) + ")";
        names.insert(name);
        const bool cr = lines[b.header].endsWith('\r');
        lines[b.header] = '[' + name + ']' + (cr ? "\r" : "");
        renamed = true;
    }
    if (!renamed)
        return std::nullopt;
    return lines.join('\n');
}

QString QtSettingsStore::keyPath(Backend backend, const QString& section, const QString& key)
{
    auto name = [backend](QString text) {
        return backend == Backend::Ini ? encodeName(text) : text.replace(QLatin1Char('/'), QLatin1Char('\\'));
    };
    // An empty key names the whole section.
    return key.isEmpty() ? name(section) : name(section) + QLatin1Char('/') + name(key);
}

QString QtSettingsStore::fileFor(const QString& app) const
{
    QString folder = folder_;
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                 QStringLiteral("/Orebell");
    return QDir(folder).filePath(encodeName(app) + QStringLiteral(".ini"));
}

QString QtSettingsStore::sectionPlace(const QString& app, const QString& section) const
{
    if (backend() == Backend::Registry)
        return QStringLiteral(
                   "the registry key HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\%1\\%2")
            .arg(app, path(section, {}));
    return QStringLiteral("the section [%1] of the settings file %2")
        .arg(section, QDir::toNativeSeparators(fileFor(app)));
}

QString QtSettingsStore::lockFileFor(const QString& app) const
{
    if (backend() == Backend::Registry)
        return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
               QStringLiteral("/Orebell/") + encodeName(app) + QStringLiteral(".running");
    return QFileInfo(fileFor(app)).absolutePath() + QLatin1Char('/') + encodeName(app) +
           QStringLiteral(".running");
}

// QSettings locks the file while it writes. A program killed between creating the lock file and
// writing its process id into it leaves an empty lock, which QSettings would only dare to take
// over after half a minute: the next save would hang that long. A live writer fills its lock at
// once, so one still empty a moment later is abandoned.
static void clearAbandonedLock(const QSettings& s)
{
    if (s.format() != QSettings::IniFormat)
        return;
    const QString lock = s.fileName() + QStringLiteral(".lock");
    auto isEmptyLock = [&lock] {
        QFileInfo info(lock);
        return info.exists() && info.size() == 0;
    };
    if (!isEmptyLock())
        return;
    QThread::msleep(100);
    if (isEmptyLock())
        QFile::remove(lock);
}

std::shared_ptr<QSettings> QtSettingsStore::openFile(const QString& file)
{
    const QString keep = file + QStringLiteral(".damaged");
    bool kept = false; // the file as found, before the first repair of this opening
    auto keepCopy = [&] {
        if (std::exchange(kept, true))
            return;
        QFile::remove(keep);
        if (QFile::copy(file, keep))
            damagedCopies_.insert(file, keep);
    };
    // A damaged section name that repeats another would merge two rows of the ore-mined grid into
    // one: QSettings keeps one of each key, and the other row would be lost for good.
    if (QFile raw(file); raw.open(QIODevice::ReadOnly)) {
        const std::optional<QByteArray> separated = separateMergingSections(raw.readAll());
        raw.close();
        if (separated) {
            keepCopy();
            QSaveFile out(file);
            if (out.open(QIODevice::WriteOnly) && out.write(*separated) == separated->size())
                out.commit();
        }
    }

    auto s = std::make_shared<QSettings>(file, QSettings::IniFormat);
    s->setAtomicSyncRequired(true);
    // QSettings parses sections lazily and reports a damaged file only once it has read all of
    // it; its status then stays FormatError for good and would hide any later write failure.
    // Reading every key now finds the damage while nothing of this session is at stake.
    const QStringList keys = s->allKeys();
    if (s->status() != QSettings::FormatError)
        return s;

    // Only what the program knows is carried over: a file of random bytes parses into thousands
    // of garbage keys, which would otherwise be rewritten at every close.
    std::vector<std::pair<QString, QVariant>> readable;
    for (const QString& key : keys) {
        if (known_) {
            const auto names = decodeIniPath(key);
            if (!names || !known_(names->first, names->second))
                continue;
        }
        readable.emplace_back(key, s->value(key));
    }
    s.reset();

    keepCopy();
    {
        QSettings rewrite(file, QSettings::IniFormat);
        rewrite.setAtomicSyncRequired(true);
        rewrite.clear();
        for (const auto& [key, value] : readable)
            rewrite.setValue(key, value);
        clearAbandonedLock(rewrite);
        rewrite.sync();
    }
    s = std::make_shared<QSettings>(file, QSettings::IniFormat);
    s->setAtomicSyncRequired(true);
    s->allKeys();
    return s;
}

std::shared_ptr<QSettings> QtSettingsStore::open(const QString& app)
{
#ifdef Q_OS_WIN
    // Where the program's earlier Windows builds kept their settings.
    if (folder_.isEmpty())
        return std::make_shared<QSettings>(QStringLiteral("VB and VBA Program Settings"), app);
#endif
    const QString file = fileFor(app);
    QDir().mkpath(QFileInfo(file).absolutePath());
    return openFile(file);
}

QSettings& QtSettingsStore::settings(const QString& app)
{
    auto it = byApp_.find(app);
    if (it == byApp_.end())
        it = byApp_.insert(app, open(app));
    return **it;
}

QtSettingsStore::Backend QtSettingsStore::backend() const
{
#ifdef Q_OS_WIN
    if (folder_.isEmpty())
        return Backend::Registry;
#endif
    return Backend::Ini;
}

QString QtSettingsStore::path(const QString& section, const QString& key) const
{
    return keyPath(backend(), section, key);
}

QStringList QtSettingsStore::sections(const QString& app)
{
    QStringList out;
    for (const QString& group : settings(app).childGroups()) {
        if (backend() == Backend::Registry) {
            out.append(group);
        } else if (const auto names = decodeIniPath(group + QStringLiteral("/k"))) {
            out.append(names->first);
        }
    }
    return out;
}

QString QtSettingsStore::keepDamagedCopy(const QString& app)
{
    if (backend() != Backend::Ini)
        return {};
    const QString file = fileFor(app);
    if (const auto kept = damagedCopies_.constFind(file); kept != damagedCopies_.constEnd())
        return *kept;
    const QString keep = file + QStringLiteral(".damaged");
    QFile::remove(keep);
    if (!QFile::copy(file, keep))
        return {};
    damagedCopies_.insert(file, keep);
    return keep;
}

QString QtSettingsStore::value(const QString& app, const QString& section, const QString& key)
{
    if (section.isEmpty() || key.isEmpty())
        return {};
    const QVariant v = settings(app).value(path(section, key));
    // An unquoted comma in a hand-edited file reads back as a list; keep it as the text it was.
    if (v.typeId() == QMetaType::QStringList)
        return v.toStringList().join(QLatin1Char(','));
    return v.isValid() ? v.toString() : QString();
}

bool QtSettingsStore::contains(const QString& app, const QString& section, const QString& key)
{
    if (section.isEmpty() || key.isEmpty())
        return false;
    return settings(app).contains(path(section, key));
}

void QtSettingsStore::setValue(const QString& app, const QString& section, const QString& key,
                               const QString& value)
{
    // QSettings would fold an empty name into its parent group and overwrite something else.
    if (section.isEmpty() || key.isEmpty())
        raise(ErrInvalidCall);
    const QString p = path(section, key);
    settings(app).setValue(p, value);
    pending_[app].push_back({false, p, value});
}

void QtSettingsStore::remove(const QString& app, const QString& section, const QString& key)
{
    if (section.isEmpty())
        return;
    const QString p = path(section, key);
    settings(app).remove(p);
    pending_[app].push_back({true, p, {}});
}

void QtSettingsStore::renew(const QString& app)
{
    auto fresh = open(app);
    for (const Change& change : pending_.value(app)) {
        if (change.remove)
            fresh->remove(change.path);
        else
            fresh->setValue(change.path, change.value);
    }
    byApp_[app] = fresh;
}

bool QtSettingsStore::flush()
{
    lastError_.clear();
    for (const QString& app : byApp_.keys()) {
        // A QSettings keeps its first error for good, which would hide whether this write
        // succeeds: one that failed before is replaced by a fresh one holding what is still to be
        // written.
        if (byApp_[app]->status() != QSettings::NoError)
            renew(app);
        clearAbandonedLock(*byApp_[app]);
        byApp_[app]->sync();
        QSettings::Status status = byApp_[app]->status();
        if (status == QSettings::FormatError) {
            // Someone damaged the file while the program ran: write this session over it.
            renew(app);
            byApp_[app]->sync();
            status = byApp_[app]->status();
        }
        if (status == QSettings::NoError) {
            pending_.remove(app);
            continue;
        }
        const QString where = byApp_[app]->fileName();
        if (backend() == Backend::Registry)
            lastError_ =
                QStringLiteral("The settings could not be written to the registry key %1.").arg(where);
        else if (status == QSettings::FormatError)
            lastError_ =
                QStringLiteral("The settings file %1 is damaged and could not be rewritten.").arg(where);
        else
            lastError_ = QStringLiteral("The settings file %1 could not be written.").arg(where);
    }
    return lastError_.isEmpty();
}

} // namespace orebell
