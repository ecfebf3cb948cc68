#pragma once

#include "toolkit/Platform.h"

#include <QHash>
#include <QSettings>
#include <QString>

#include <memory>

namespace orebell {

// The settings store over QSettings: the registry on Windows, elsewhere one INI file per
// application name in a folder (the user's configuration folder, or a test's temporary one).
// QSettings writes its files through a temporary file and a rename, so a save interrupted half
// way leaves the previous file whole.
class QtSettingsStore : public SettingsStore {
public:
    // folder empty: the platform's native per-user location.
    explicit QtSettingsStore(QString folder = {});
    ~QtSettingsStore() override;

    QString value(const QString& app, const QString& section, const QString& key) override;
    void setValue(const QString& app, const QString& section, const QString& key,
                  const QString& value) override;
    void remove(const QString& app, const QString& section, const QString& key) override;
    bool flush() override;

    QString fileFor(const QString& app) const;

    // Keys and sections may hold "/" and "\", which QSettings reads as group separators.
    static QString encodeName(const QString& name);

private:
    QSettings& settings(const QString& app);

    QString folder_;
    QHash<QString, std::shared_ptr<QSettings>> byApp_;
};

} // namespace orebell
