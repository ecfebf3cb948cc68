#include "platform/QtSettingsStore.h"
#include "toolkit/RuntimeError.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace orebell {
namespace {

const QString App = QStringLiteral("Orebell_III");

// Names and values as players and captions produce them: the store must give back exactly what
// it was given, in this run and in the next.
TEST(QtSettingsStore, AwkwardKeysAndValuesRoundTripExactly)
{
    const QStringList names = {
        QStringLiteral("Refinery: \"NOT USED\""),
        QStringLiteral("yld/min \"NOT USED\" Enabled"),
        QStringLiteral("1/4   Sec."),
        QStringLiteral("a=b;c"),
        QStringLiteral("back\\slash"),
        QStringLiteral("/leading and trailing/"),
        QStringLiteral("double//slash"),
        QStringLiteral("50% off %2F"),
        QStringLiteral("[bracket]"),
        QStringLiteral("#hash ;semi"),
        QStringLiteral(" spaced "),
        QStringLiteral("R/Units"),
        QStringLiteral("Ümlaut ✓"),
        QStringLiteral("mshflexOreMined 0"),
    };
    const QStringList values = {
        QString(),
        QStringLiteral("plain"),
        QStringLiteral("  blanks around  "),
        QStringLiteral("a=b;c \"quoted\""),
        QStringLiteral("1,245.0000000000"),
        QStringLiteral("@Invalid()"),
        QStringLiteral("@Variant(\\0\\0\\0\\x7f)"),
        QStringLiteral("line\nbreak\ttab\r"),
        QStringLiteral("C:\\Games\\sounds\\end_cycle.wav"),
        QStringLiteral("ÿ€\u00a0 ✓"),
        QStringLiteral(";not a comment"),
        QStringLiteral("\"\""),
    };
    QTemporaryDir dir;
    {
        QtSettingsStore store(dir.path());
        for (const QString& section : names)
            for (int i = 0; i < names.size(); ++i)
                store.setValue(App, section, names[i], values[i % values.size()]);
        ASSERT_TRUE(store.flush());
        for (const QString& section : names)
            for (int i = 0; i < names.size(); ++i)
                ASSERT_EQ(store.value(App, section, names[i]), values[i % values.size()]);
    }
    QtSettingsStore next(dir.path());
    for (const QString& section : names)
        for (int i = 0; i < names.size(); ++i)
            EXPECT_EQ(next.value(App, section, names[i]), values[i % values.size()])
                << section.toStdString() << " / " << names[i].toStdString();
    // "/" inside a key is no group: nothing is stored under "yld".
    EXPECT_EQ(next.value(App, names[0], QStringLiteral("yld")), "");
}

TEST(QtSettingsStore, MissingDeletedAndUnstorableKeys)
{
    QTemporaryDir dir;
    QtSettingsStore store(dir.path());
    EXPECT_EQ(store.value(App, QStringLiteral("Settings"), QStringLiteral("nothing")), "");
    EXPECT_EQ(store.value(App, QStringLiteral("Settings"), QString()), "");
    store.remove(App, QStringLiteral("Settings"), QStringLiteral("nothing"));

    store.setValue(App, QStringLiteral("row 1"), QStringLiteral("Ore Name"), QStringLiteral("Omber"));
    store.setValue(App, QStringLiteral("row 1"), QStringLiteral("R/Units"), QStringLiteral("500"));
    store.setValue(App, QStringLiteral("row 2"), QStringLiteral("Ore Name"), QStringLiteral("Kernite"));
    store.remove(App, QStringLiteral("row 1"), QStringLiteral("R/Units"));
    store.remove(App, QStringLiteral("row 2"), QString());
    ASSERT_TRUE(store.flush());
    QtSettingsStore next(dir.path());
    EXPECT_EQ(next.value(App, QStringLiteral("row 1"), QStringLiteral("Ore Name")), "Omber");
    EXPECT_EQ(next.value(App, QStringLiteral("row 1"), QStringLiteral("R/Units")), "");
    EXPECT_EQ(next.value(App, QStringLiteral("row 2"), QStringLiteral("Ore Name")), "");

    // An empty name would land on the section itself.
    for (const auto& [section, key] :
         {std::pair{QStringLiteral("Settings"), QString()}, std::pair{QString(), QStringLiteral("key")}}) {
        try {
            store.setValue(App, section, key, QStringLiteral("x"));
            ADD_FAILURE() << "stored under an empty name";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number(), ErrInvalidCall);
        }
    }
}

TEST(QtSettingsStore, ApplicationsHaveTheirOwnFiles)
{
    QTemporaryDir dir;
    QtSettingsStore store(dir.path());
    store.setValue(App, QStringLiteral("Settings"), QStringLiteral("txtLasers0"), QStringLiteral("3"));
    store.setValue(QStringLiteral("Orebell_copy"), QStringLiteral("Settings"), QStringLiteral("txtLasers0"),
                   QStringLiteral("5"));
    ASSERT_TRUE(store.flush());
    EXPECT_NE(store.fileFor(App), store.fileFor(QStringLiteral("Orebell_copy")));
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("Orebell_III.ini"))));
    QtSettingsStore next(dir.path());
    EXPECT_EQ(next.value(App, QStringLiteral("Settings"), QStringLiteral("txtLasers0")), "3");
    EXPECT_EQ(
        next.value(QStringLiteral("Orebell_copy"), QStringLiteral("Settings"), QStringLiteral("txtLasers0")),
        "5");
}

TEST(QtSettingsStore, NothingReachesTheFileBeforeFlush)
{
    QTemporaryDir dir;
    QtSettingsStore store(dir.path());
    store.setValue(App, QStringLiteral("Settings"), QStringLiteral("a"), QStringLiteral("1"));
    store.setValue(App, QStringLiteral("Settings"), QStringLiteral("b"), QStringLiteral("2"));
    EXPECT_FALSE(QFile::exists(store.fileFor(App)));
    ASSERT_TRUE(store.flush());
    EXPECT_TRUE(QFile::exists(store.fileFor(App)));
}

TEST(QtSettingsStore, ADamagedFileIsRepairedAndKept)
{
    QTemporaryDir dir;
    const QString file = QtSettingsStore(dir.path()).fileFor(App);
    QByteArray junk = "[Settings]\ntxtCargoHold0=1200\n";
    for (int i = 0; i < 4000; ++i)
        junk.append(static_cast<char>((i * 131 + 7) % 256));
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(junk);
    }
    QtSettingsStore store(dir.path());
    EXPECT_EQ(store.value(App, QStringLiteral("Settings"), QStringLiteral("txtCargoHold0")), "1200");
    EXPECT_EQ(store.value(App, QStringLiteral("Settings"), QStringLiteral("txtLasers0")), "");
    QFile kept(file + ".damaged");
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), junk);

    store.setValue(App, QStringLiteral("Settings"), QStringLiteral("txtLasers0"), QStringLiteral("2"));
    EXPECT_TRUE(store.flush()) << store.lastError().toStdString();
    QSettings check(file, QSettings::IniFormat);
    check.allKeys();
    EXPECT_EQ(check.status(), QSettings::NoError);
    EXPECT_EQ(check.value(QStringLiteral("Settings/txtLasers0")).toString(), "2");
}

TEST(QtSettingsStore, AFileDamagedWhileRunningIsRewrittenAtTheNextFlush)
{
    QTemporaryDir dir;
    QtSettingsStore store(dir.path());
    store.setValue(App, QStringLiteral("Settings"), QStringLiteral("a"), QStringLiteral("1"));
    ASSERT_TRUE(store.flush());
    {
        QFile f(store.fileFor(App));
        ASSERT_TRUE(f.open(QIODevice::Append));
        f.write("\n[broken\n\xff\xfe=\x01\n");
    }
    store.setValue(App, QStringLiteral("Settings"), QStringLiteral("b"), QStringLiteral("2"));
    EXPECT_TRUE(store.flush()) << store.lastError().toStdString();
    QtSettingsStore next(dir.path());
    EXPECT_EQ(next.value(App, QStringLiteral("Settings"), QStringLiteral("a")), "1");
    EXPECT_EQ(next.value(App, QStringLiteral("Settings"), QStringLiteral("b")), "2");
}

TEST(QtSettingsStore, AFailedWriteIsReportedWithItsFile)
{
    QTemporaryDir dir;
    QtSettingsStore store(dir.path());
    store.setValue(App, QStringLiteral("Settings"), QStringLiteral("a"), QStringLiteral("1"));
    ASSERT_TRUE(QDir().mkpath(store.fileFor(App))); // a folder where the file goes
    EXPECT_FALSE(store.flush());
    EXPECT_TRUE(store.lastError().contains(store.fileFor(App))) << store.lastError().toStdString();
    ASSERT_TRUE(QDir(store.fileFor(App)).removeRecursively());
    EXPECT_TRUE(store.flush()) << store.lastError().toStdString();
    EXPECT_TRUE(store.lastError().isEmpty());
    EXPECT_EQ(QtSettingsStore(dir.path()).value(App, QStringLiteral("Settings"), QStringLiteral("a")), "1");
}

// A writer killed between creating its lock file and filling it leaves an empty lock; QSettings
// alone would wait half a minute before taking it over, freezing the close button that long.
TEST(QtSettingsStore, AnAbandonedEmptyLockDoesNotHoldUpTheSave)
{
    QTemporaryDir dir;
    QtSettingsStore store(dir.path());
    store.setValue(App, QStringLiteral("Settings"), QStringLiteral("a"), QStringLiteral("1"));
    QFile lock(store.fileFor(App) + ".lock");
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.close();
    QElapsedTimer elapsed;
    elapsed.start();
    EXPECT_TRUE(store.flush());
    EXPECT_LT(elapsed.elapsed(), 10000);
    EXPECT_FALSE(QFile::exists(store.fileFor(App) + ".lock"));
    EXPECT_EQ(QtSettingsStore(dir.path()).value(App, QStringLiteral("Settings"), QStringLiteral("a")), "1");
}

} // namespace
} // namespace orebell

namespace orebell {
namespace {

// Random bytes parse into many garbage keys; a repair keeps only the program's.
TEST(QtSettingsStoreRepair, ARepairedStoreKeepsOnlyTheKeysTheProgramKnows)
{
    QTemporaryDir dir;
    const QString app = QStringLiteral("Orebell_III");
    const QString file = QtSettingsStore(dir.path()).fileFor(app);
    {
        QtSettingsStore before(dir.path());
        auto put = [&](const char* section, const char* key, const char* value) {
            before.setValue(app, QLatin1String(section), QLatin1String(key), QLatin1String(value));
        };
        put("Settings", "txtCargoHold0", "1200");
        put("Settings", "1/8   Sec.", "True");
        put("Settings", "garbage", "1");
        put("mshflexOreMined 1", "Ore Name", "Omber");
        put("frmOrebell", "Xpos", "300");
        put("frmOrebell", "Zpos", "1");
        put("Somewhere", "else", "2");
        ASSERT_TRUE(before.flush());
    }
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::Append));
        QByteArray junk;
        for (int i = 0; i < 300; ++i)
            junk.append(QByteArray("\n[s") + QByteArray::number(i) + "]\nkey=v\n");
        for (int i = 0; i < 20000; ++i)
            junk.append(static_cast<char>((i * 131 + 7) % 256));
        f.write(junk);
    }
    QtSettingsStore store(dir.path());
    store.setKnownKeys([](const QString& section, const QString& key) {
        if (section == QLatin1String("Settings"))
            return key == QLatin1String("txtCargoHold0") || key == QLatin1String("1/8   Sec.");
        if (section == QLatin1String("frmOrebell"))
            return key == QLatin1String("Xpos");
        return section == QLatin1String("mshflexOreMined 1") && key == QLatin1String("Ore Name");
    });
    EXPECT_EQ(store.value(app, QStringLiteral("Settings"), QStringLiteral("txtCargoHold0")), "1200");
    EXPECT_EQ(store.value(app, QStringLiteral("Settings"), QStringLiteral("1/8   Sec.")), "True");
    EXPECT_EQ(store.value(app, QStringLiteral("mshflexOreMined 1"), QStringLiteral("Ore Name")), "Omber");
    EXPECT_EQ(store.value(app, QStringLiteral("frmOrebell"), QStringLiteral("Xpos")), "300");
    EXPECT_EQ(store.value(app, QStringLiteral("Settings"), QStringLiteral("garbage")), "");
    EXPECT_TRUE(QFile::exists(file + ".damaged"));
    ASSERT_TRUE(store.flush());

    QSettings check(file, QSettings::IniFormat);
    EXPECT_EQ(check.allKeys().size(), 4) << check.allKeys().join(QLatin1Char(' ')).toStdString();
    EXPECT_LT(QFileInfo(file).size(), 200);
}

TEST(QtSettingsStoreRepair, AnUndamagedStoreKeepsKeysItDoesNotKnow)
{
    QTemporaryDir dir;
    const QString app = QStringLiteral("Orebell_III");
    {
        QtSettingsStore newer(dir.path());
        newer.setValue(app, QStringLiteral("Mining Log"), QStringLiteral("Window"), QStringLiteral("1,2,3"));
        newer.setValue(app, QStringLiteral("Settings"), QStringLiteral("txtLasers0"), QStringLiteral("3"));
        ASSERT_TRUE(newer.flush());
    }
    QtSettingsStore store(dir.path());
    store.setKnownKeys([](const QString&, const QString& key) { return key == QLatin1String("txtLasers0"); });
    store.setValue(app, QStringLiteral("Settings"), QStringLiteral("txtLasers0"), QStringLiteral("4"));
    ASSERT_TRUE(store.flush());
    QtSettingsStore again(dir.path());
    EXPECT_EQ(again.value(app, QStringLiteral("Mining Log"), QStringLiteral("Window")), "1,2,3");
    EXPECT_EQ(again.value(app, QStringLiteral("Settings"), QStringLiteral("txtLasers0")), "4");
}

// The registry backend keeps the names of the earlier Windows builds: its QSettings takes "\" for
// a "/" inside a value's name. Only the INI file escapes.
TEST(QtSettingsStoreKeys, EachBackendMapsNamesItsOwnWay)
{
    using B = QtSettingsStore::Backend;
    const QString settings = QStringLiteral("Settings");
    EXPECT_EQ(QtSettingsStore::keyPath(B::Registry, settings, QStringLiteral("1/8   Sec.")),
              QStringLiteral("Settings/1\\8   Sec."));
    EXPECT_EQ(
        QtSettingsStore::keyPath(B::Registry, QStringLiteral("mshflexOreMined 0"), QStringLiteral("R/Units")),
        QStringLiteral("mshflexOreMined 0/R\\Units"));
    EXPECT_EQ(QtSettingsStore::keyPath(B::Registry, settings, QStringLiteral("yld/min \"NOT USED\" Enabled")),
              QStringLiteral("Settings/yld\\min \"NOT USED\" Enabled"));
    EXPECT_EQ(QtSettingsStore::keyPath(B::Registry, settings, QStringLiteral("100%")),
              QStringLiteral("Settings/100%"));
    EXPECT_EQ(QtSettingsStore::keyPath(B::Registry, settings, QString()), settings);

    EXPECT_EQ(QtSettingsStore::keyPath(B::Ini, settings, QStringLiteral("1/8   Sec.")),
              QStringLiteral("Settings/1%2F8   Sec."));
    EXPECT_EQ(QtSettingsStore::keyPath(B::Ini, QStringLiteral("a\\b"), QStringLiteral("100%")),
              QStringLiteral("a%5Cb/100%25"));
    EXPECT_EQ(QtSettingsStore::keyPath(B::Ini, settings, QString()), settings);

    // What the INI path holds reads back as the names it was made of.
    for (const QString& key :
         {QStringLiteral("1/8   Sec."), QStringLiteral("a\\b%2F"), QStringLiteral("R/Units")}) {
        const auto names = QtSettingsStore::decodeIniPath(QtSettingsStore::keyPath(B::Ini, settings, key));
        ASSERT_TRUE(names.has_value());
        EXPECT_EQ(names->first, settings);
        EXPECT_EQ(names->second, key);
    }
    EXPECT_FALSE(QtSettingsStore::decodeIniPath(QStringLiteral("a/b/c")).has_value());
    EXPECT_FALSE(QtSettingsStore::decodeIniPath(QStringLiteral("a/%zz")).has_value());
}

} // namespace
} // namespace orebell
