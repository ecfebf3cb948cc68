// The settings store on Windows: the per-user registry tree where the program's settings have
// always been kept, read back the way a player or a support person would, with reg.exe.
#include "platform/QtSettingsStore.h"

#include <QCoreApplication>
#include <QProcess>
#include <QSettings>
#include <gtest/gtest.h>

namespace orebell {
namespace {

const QString Root = QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\");

// An application name of this test run only, removed from the registry afterwards.
class RegistryStore : public ::testing::Test {
protected:
    void SetUp() override
    {
        app_ = QStringLiteral("OrebellTest_%1_%2")
                   .arg(QCoreApplication::applicationPid())
                   .arg(::testing::UnitTest::GetInstance()->current_test_info()->name());
    }
    void TearDown() override { QSettings(QStringLiteral("VB and VBA Program Settings"), app_).clear(); }

    // The data of one value as reg.exe prints it: "    name    REG_SZ    data".
    QString regQuery(const QString& section, const QString& name) const
    {
        QProcess reg;
        reg.start(QStringLiteral("reg"), {QStringLiteral("query"), Root + app_ + QLatin1Char('\\') + section,
                                          QStringLiteral("/v"), name});
        if (!reg.waitForFinished(30000) || reg.exitCode() != 0)
            return QStringLiteral("<no value>");
        for (const QString& line :
             QString::fromLocal8Bit(reg.readAllStandardOutput()).split(QLatin1Char('\n'))) {
            const qsizetype type = line.indexOf(QStringLiteral("REG_SZ"));
            if (type > 0 && line.left(type).trimmed() == name)
                return line.mid(type + 6).trimmed();
        }
        return QStringLiteral("<not a string>");
    }

    QString app_;
};

TEST_F(RegistryStore, ValuesAreStringsUnderTheSectionWithTheirNamesAsWritten)
{
    {
        QtSettingsStore store;
        store.setValue(app_, QStringLiteral("frmOrebell"), QStringLiteral("1/8   Sec."),
                       QStringLiteral("True"));
        store.setValue(app_, QStringLiteral("frmOrebell"), QStringLiteral("R/Units"),
                       QStringLiteral("1,245.5"));
        store.setValue(app_, QStringLiteral("Sounds"), QStringLiteral("End Cycle"),
                       QStringLiteral("C:\\Games\\Orebell\\end_cycle.wav"));
        ASSERT_TRUE(store.flush()) << qPrintable(store.lastError());
    }
    // No escaping in the registry: "/" stays in the value's name, "\" in its data.
    EXPECT_EQ(regQuery(QStringLiteral("frmOrebell"), QStringLiteral("1/8   Sec.")), QStringLiteral("True"));
    EXPECT_EQ(regQuery(QStringLiteral("frmOrebell"), QStringLiteral("R/Units")), QStringLiteral("1,245.5"));
    EXPECT_EQ(regQuery(QStringLiteral("Sounds"), QStringLiteral("End Cycle")),
              QStringLiteral("C:\\Games\\Orebell\\end_cycle.wav"));

    // The next run reads back what the last one wrote, and removes what it is told to.
    QtSettingsStore next;
    EXPECT_EQ(next.value(app_, QStringLiteral("frmOrebell"), QStringLiteral("1/8   Sec.")),
              QStringLiteral("True"));
    EXPECT_EQ(next.value(app_, QStringLiteral("Sounds"), QStringLiteral("End Cycle")),
              QStringLiteral("C:\\Games\\Orebell\\end_cycle.wav"));
    EXPECT_TRUE(next.contains(app_, QStringLiteral("frmOrebell"), QStringLiteral("R/Units")));
    next.remove(app_, QStringLiteral("frmOrebell"), QStringLiteral("R/Units"));
    ASSERT_TRUE(next.flush());
    EXPECT_EQ(regQuery(QStringLiteral("frmOrebell"), QStringLiteral("R/Units")),
              QStringLiteral("<no value>"));
    EXPECT_EQ(regQuery(QStringLiteral("frmOrebell"), QStringLiteral("1/8   Sec.")), QStringLiteral("True"));
}

TEST_F(RegistryStore, ASectionIsNamedToThePlayerAsTheKeyRegShows)
{
    QtSettingsStore store;
    store.setValue(app_, QStringLiteral("GlobalKeys"), QStringLiteral("Laser1"),
                   QStringLiteral("Ctrl+Alt+Q"));
    ASSERT_TRUE(store.flush());
    const QString place = store.sectionPlace(app_, QStringLiteral("GlobalKeys"));
    EXPECT_EQ(place, QStringLiteral("the registry key ") + Root + app_ + QStringLiteral("\\GlobalKeys"));
    EXPECT_EQ(regQuery(QStringLiteral("GlobalKeys"), QStringLiteral("Laser1")), QStringLiteral("Ctrl+Alt+Q"));
}

TEST_F(RegistryStore, AValueThatCannotBeWrittenIsReportedAndTheOthersAreKept)
{
    {
        QtSettingsStore store;
        store.setValue(app_, QStringLiteral("Cargo"), QStringLiteral("Hold"), QStringLiteral("27500"));
        ASSERT_TRUE(store.flush());
    }
    QtSettingsStore store;
    // The registry refuses a key name longer than 255 characters.
    store.setValue(app_, QString(300, QLatin1Char('S')), QStringLiteral("Key"), QStringLiteral("lost"));
    store.setValue(app_, QStringLiteral("Cargo"), QStringLiteral("Units"), QStringLiteral("812"));
    EXPECT_FALSE(store.flush());
    EXPECT_TRUE(store.lastError().contains(QStringLiteral("registry"))) << qPrintable(store.lastError());
    EXPECT_EQ(regQuery(QStringLiteral("Cargo"), QStringLiteral("Hold")), QStringLiteral("27500"));
    EXPECT_EQ(regQuery(QStringLiteral("Cargo"), QStringLiteral("Units")), QStringLiteral("812"));
}

} // namespace
} // namespace orebell
