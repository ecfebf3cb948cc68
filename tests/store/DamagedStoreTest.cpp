// Stores a previous run wrote, then damaged by hand in the INI file itself, read back through the
// real store as the next run reads them: no count, entry or row may be lost.
#include "platform/QtSettingsStore.h"
#include "store/SampleForm.h"
#include "store/Settings.h"
#include "support/ScopedLocale.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <ostream>

// Failures show texts as texts.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace orebell {
namespace {

const QString App = QStringLiteral("Orebell_III");
const std::array<QString, 4> Keys = {QStringLiteral("Ore Name"), QStringLiteral("Units Mined"),
                                     QStringLiteral("R/Units"), QString()};
const QString Grid0 = QStringLiteral("mshflexOreMined 0");

struct DamagedStore : ::testing::Test {
    test::ScopedLocale english{test::ScopedLocale::english()};
    // QSettings keeps a file it parsed, by its path, while its size and time (to the millisecond)
    // stay the same: an edit by hand of one byte within the save's millisecond would read as the
    // file before it. So each edit lands in a folder of its own.
    struct Folder {
        std::unique_ptr<QTemporaryDir> dir = std::make_unique<QTemporaryDir>();
        QString path() const { return dir->path(); }
        void renew() { dir = std::make_unique<QTemporaryDir>(); }
    } dir;
    QString file() const { return QtSettingsStore(dir.path()).fileFor(App); }

    // What the close button of a run with these rows and entries writes.
    void writeAsAPreviousRun(const QList<QStringList>& rows, const QStringList& marketValues = {})
    {
        Form form{QStringLiteral("frmOrebell")};
        test::buildSampleForm(form);
        Grid& g = form.grid(QStringLiteral("mshflexOreMined"));
        g.setRows(static_cast<int>(rows.size()) + 2);
        for (int col = 0; col < 3; ++col)
            g.setTextMatrix(0, col, Keys[col]);
        for (int r = 0; r < rows.size(); ++r)
            for (int col = 0; col < 3; ++col)
                g.setTextMatrix(r + 1, col, rows[r][col]);
        for (int k = 0; k < marketValues.size(); ++k)
            form.control(QStringLiteral("txtMarketValue"), k).setText(marketValues[k]);
        QtSettingsStore store(dir.path());
        SaveGrid(store, App, form.control(QStringLiteral("mshflexOreMined")), Keys);
        SaveSettings(store, App, form);
        ASSERT_TRUE(store.flush());
    }
    QByteArray text() const
    {
        QFile f(file());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void write(const QByteArray& bytes)
    {
        dir.renew();
        QFile f(file());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    // The hand's edit: one text of the file replaced by another.
    void damage(const QByteArray& from, const QByteArray& to)
    {
        QByteArray bytes = text();
        const qsizetype at = bytes.indexOf(from);
        ASSERT_GE(at, 0) << from.constData() << " is not in\n" << bytes.constData();
        write(bytes.replace(at, from.size(), to));
    }
    // The values of the format keys in one section of the file, swapped.
    void swapFormatKeys(const QByteArray& section)
    {
        QList<QByteArray> lines = text().split('\n');
        qsizetype decimal = -1;
        qsizetype group = -1;
        bool inside = false;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (lines[i].startsWith('['))
                inside = lines[i].trimmed() == '[' + section + ']'; // \r\n on Windows
            else if (inside && lines[i].startsWith("Decimal%20Mark="))
                decimal = i;
            else if (inside && lines[i].startsWith("Digit%20Grouping="))
                group = i;
        }
        ASSERT_TRUE(decimal >= 0 && group >= 0) << section.constData();
        const QByteArray d = lines[decimal].mid(lines[decimal].indexOf('=') + 1);
        const QByteArray g = lines[group].mid(lines[group].indexOf('=') + 1);
        lines[decimal] = "Decimal%20Mark=" + g;
        lines[group] = "Digit%20Grouping=" + d;
        write(lines.join('\n'));
    }

    // The next run's restore, on a window of its own; the store is the next run's too.
    struct Run {
        Form form{QStringLiteral("frmOrebell")};
        QtSettingsStore store;
        QStringList notes;
        explicit Run(const QString& folder) : store(folder)
        {
            test::buildSampleForm(form);
            store.setKnownKeys(KnownStoreKeys(form));
            notes += LoadSettings(store, App, form);
            notes += LoadGrid(store, App, form.control(QStringLiteral("mshflexOreMined")), Keys);
        }
        Grid& grid() { return form.grid(QStringLiteral("mshflexOreMined")); }
        QString entry(int k) { return form.control(QStringLiteral("txtMarketValue"), k).text(); }
        QList<QStringList> rows()
        {
            QList<QStringList> out;
            for (int r = 1; r < grid().rows() - 1; ++r)
                out.append({grid().textMatrix(r, 0), grid().textMatrix(r, 1), grid().textMatrix(r, 2)});
            return out;
        }
        void save()
        {
            SaveGrid(store, App, form.control(QStringLiteral("mshflexOreMined")), Keys);
            SaveSettings(store, App, form);
            ASSERT_TRUE(store.flush());
        }
    };
};

const QList<QStringList> Mined = {{"Veldspar", "521.6700000000", "333"},
                                  {"Scordite", "1,656", "333"},
                                  {"Omber", "245", "500"},
                                  {"Kernite", "12,001.5000000000", "400"}};

// Whole counts are written without decimals and fractions with ten: "1,656" read with the marks
// swapped would be 1.656, which no count of ours can be. Each count is read in the format it fits.
TEST_F(DamagedStore, SwappedGridFormatKeysCostNoUnits)
{
    writeAsAPreviousRun(Mined);
    swapFormatKeys("mshflexOreMined%200");
    {
        Run next(dir.path());
        EXPECT_EQ(next.rows(), Mined);
        EXPECT_EQ(next.notes.size(), 1) << next.notes.join('\n').toStdString();
        next.save();
    }
    // The next save writes the format it writes in: nothing is left to repair.
    Run after(dir.path());
    EXPECT_EQ(after.rows(), Mined);
    EXPECT_TRUE(after.notes.isEmpty()) << after.notes.join('\n').toStdString();
    EXPECT_EQ(after.store.value(App, Grid0, QStringLiteral("Decimal Mark")), ".");
}

// On a comma-decimal desk the same damage: the counts are still read as written, then shown in
// the desk's own format.
TEST_F(DamagedStore, SwappedGridFormatKeysOnADeskThatChangedLocale)
{
    writeAsAPreviousRun(Mined);
    swapFormatKeys("mshflexOreMined%200");
    test::ScopedLocale german(test::ScopedLocale::german());
    Run next(dir.path());
    EXPECT_EQ(next.rows(), (QList<QStringList>{{"Veldspar", "521,6700000000", "333"},
                                               {"Scordite", "1.656", "333"},
                                               {"Omber", "245", "500"},
                                               {"Kernite", "12.001,5000000000", "400"}}));
}

// The entries' format keys were written by the same save as the grid's: when they disagree, the
// counts decide, and with no count to tell, the keys that agree with the desk.
TEST_F(DamagedStore, SwappedEntryFormatKeysKeepTheEntries)
{
    for (const bool countsTell : {true, false}) {
        SCOPED_TRACE(countsTell ? "counts with marks" : "no count with a mark");
        writeAsAPreviousRun(countsTell ? Mined : QList<QStringList>{{"Omber", "245", "500"}},
                            {"2.125", "60.125", "1,250.5"});
        swapFormatKeys("Number%20Format");
        Run next(dir.path());
        EXPECT_EQ(next.entry(0), "2.125");
        EXPECT_EQ(next.entry(1), "60.125");
        EXPECT_EQ(next.entry(2), "1,250.5");
        EXPECT_EQ(next.notes.size(), 1);
    }
    // Both sections swapped alike: the counts still show how the store was written.
    writeAsAPreviousRun(Mined, {"2.125"});
    swapFormatKeys("Number%20Format");
    swapFormatKeys("mshflexOreMined%200");
    Run next(dir.path());
    EXPECT_EQ(next.entry(0), "2.125");
    EXPECT_EQ(next.rows(), Mined);
}

// Keys that agree with each other and with the counts still carry a change of desk, untold.
TEST_F(DamagedStore, AnUndamagedStoreFromAnotherDeskIsNoRepair)
{
    writeAsAPreviousRun(Mined, {"2.125"});
    test::ScopedLocale german(test::ScopedLocale::german());
    Run next(dir.path());
    EXPECT_EQ(next.entry(0), "2,125");
    EXPECT_EQ(next.rows()[1][1], "1.656");
    EXPECT_TRUE(next.notes.isEmpty()) << next.notes.join('\n').toStdString();
    EXPECT_FALSE(QFile::exists(file() + ".damaged"));
}

// One byte of a row's section name changed: the same name as another row (QSettings would merge
// the two), a name no row has, a name that no longer parses, a row number past the count. Every
// row comes back once, the player is told, the original is kept, and the next save is whole.
TEST_F(DamagedStore, ARowUnderADamagedSectionNameIsRecovered)
{
    const QByteArray row2 = "[mshflexOreMined%202]";
    for (const QByteArray& damaged :
         {QByteArray("[mshflexOreMined%201]"), QByteArray("[mshflexOreMinee%202]"),
          QByteArray("[mshflexOreMined%202}"), QByteArray("[mshflexOreMined%208]")}) {
        SCOPED_TRACE(damaged.constData());
        QFile::remove(file() + ".damaged");
        writeAsAPreviousRun(Mined);
        damage(row2, damaged);
        const QByteArray asDamaged = text();
        {
            Run next(dir.path());
            QList<QStringList> rows = next.rows();
            ASSERT_EQ(rows.size(), Mined.size()) << next.notes.join('\n').toStdString();
            std::sort(rows.begin(), rows.end());
            QList<QStringList> expected = Mined;
            std::sort(expected.begin(), expected.end());
            EXPECT_EQ(rows, expected);
            ASSERT_EQ(next.notes.size(), 1);
            EXPECT_TRUE(next.notes[0].contains("Scordite")) << next.notes[0].toStdString();
            EXPECT_EQ(next.store.keepDamagedCopy(App), file() + ".damaged");
            next.save();
        }
        QFile kept(file() + ".damaged");
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), asDamaged);
        QStringList sections = QtSettingsStore(dir.path()).sections(App);
        sections.sort();
        EXPECT_EQ(sections, QStringList({"Number Format", "Settings", "mshflexOreMined 0",
                                         "mshflexOreMined 1", "mshflexOreMined 2", "mshflexOreMined 3",
                                         "mshflexOreMined 4", "mshflexOreMined 5"}));

        Run after(dir.path());
        EXPECT_EQ(after.rows().size(), Mined.size());
        EXPECT_TRUE(after.notes.isEmpty()) << after.notes.join('\n').toStdString();
    }
}

// A section repeated with keys of its own only (not a merge that loses anything) is left alone.
TEST_F(DamagedStore, ASectionRepeatedWithOtherKeysIsNoDamage)
{
    const QByteArray ini = "[Settings]\na=1\n\n[other]\nx=2\n\n[Settings]\nb=3\n";
    EXPECT_FALSE(QtSettingsStore::separateMergingSections(ini));
    const auto separated = QtSettingsStore::separateMergingSections(ini + "a=4\r\n");
    ASSERT_TRUE(separated);
    EXPECT_EQ(*separated, "[Settings]\na=1\n\n[other]\nx=2\n\n[Settings%20(2)]\nb=3\na=4\r\n");
}

} // namespace
} // namespace orebell
