// The program on players' real desks: other number formats, damaged stores, lost windows and
// odd orders of commands.
#include "app/Program.h"
#include "data/Shared.h"
#include "support/ScopedLocale.h"
#include "support/TestPlatform.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace orebell {
namespace {

QString s(const char* text) { return QString::fromUtf8(text); }

using test::ScopedLocale;

struct Desk : ::testing::Test {
    test::TestPlatform platform;
    std::unique_ptr<Program> program;

    Form& form() { return program->mainForm(); }
    Control& c(const char* name, int index = -1) { return form().control(s(name), index); }
    Grid& grid() { return form().grid(s("mshflexOreMined")); }
    QString messages() const { return platform.messages().join(s(" | ")); }

    void start()
    {
        program = std::make_unique<Program>(platform);
        program->run();
    }
    void close()
    {
        c("lblControlButton", 6).click();
        program.reset();
    }
    // The entries with decimals are the player's own texts and read as the new desk reads them;
    // left empty, they get the defaults in its format.
    void forgetDecimalEntries()
    {
        for (const char* key : {"txtStationNetYield0", "txtStationCommsission0", "txtStationTax0",
                                "txtMarketValue2", "txtMarketValue5", "txtMarketValue6"})
            platform.setStoreValue(s("Settings"), s(key), QString());
    }
    void storeRow(int row, const char* ore, const char* units, const char* batch)
    {
        const QString section = s("mshflexOreMined %1").arg(row);
        platform.setStoreValue(section, s("Ore Name"), s(ore));
        platform.setStoreValue(section, s("Units Mined"), s(units));
        platform.setStoreValue(section, s("R/Units"), s(batch));
    }
};

TEST_F(Desk, FirstRunOnACommaDecimalDeskWritesDefaultsThatReadBack)
{
    ScopedLocale german(ScopedLocale::german());
    start();
    EXPECT_TRUE(platform.messages().isEmpty()) << messages().toStdString();
    EXPECT_EQ(c("txtStationNetYield", 0).text(), s("96,2"));
    EXPECT_EQ(c("txtStationCommsission", 0).text(), s("5,0"));
    EXPECT_EQ(c("txtStationTax", 0).text(), s("0,0"));
    EXPECT_EQ(c("txtMarketValue", 2).text(), s("13,5"));
    EXPECT_EQ(c("cboRoidType", 0).tag(), s("0,1"));

    // The refining figures work from those defaults: 1,000 Veldspar are three batches.
    program->shared().routines.AddOreMined(s("Veldspar"), 1000);
    program->shared().routines.RefreshValuation();
    EXPECT_EQ(c("txtMineralsMinedFromOre", 6).text(), s("2741,7"));
    EXPECT_TRUE(platform.messages().isEmpty()) << messages().toStdString();
}

TEST_F(Desk, EveryRefreshRateCanBeChosenOnACommaDecimalDesk)
{
    ScopedLocale german(ScopedLocale::german());
    start();
    EXPECT_DOUBLE_EQ(program->shared().RefreshInterval, 62.5);
    c("optRefreshRate", 3).click(); // 1 Second
    EXPECT_DOUBLE_EQ(program->shared().RefreshInterval, 1000);
    c("optRefreshRate", 0).click(); // 1/16 Sec.
    EXPECT_DOUBLE_EQ(program->shared().RefreshInterval, 62.5);

    // While a laser runs the choice is refused and the option in use stays selected.
    c("txtSizeOfRoid", 0).setText(s("5000"));
    c("txtMiningRate", 0).setText(s("540"));
    c("btnActivateTimer", 0).click();
    ASSERT_EQ(c("btnActivateTimer", 0).caption(), s("!"));
    c("optRefreshRate", 3).click();
    EXPECT_DOUBLE_EQ(program->shared().RefreshInterval, 62.5);
    EXPECT_EQ(c("optRefreshRate", 0).value(), 1);
    EXPECT_EQ(c("optRefreshRate", 3).value(), 0);
    EXPECT_TRUE(platform.messages().isEmpty()) << messages().toStdString();
}

TEST_F(Desk, CountsWrittenInOneNumberFormatReadTheSameInAnother)
{
    {
        ScopedLocale english(ScopedLocale::english());
        start();
        program->shared().routines.AddOreMined(s("Veldspar"), 1245);
        program->shared().routines.AddOreMined(s("Veldspar"), 0);
        program->shared().routines.AddOreMined(s("Omber"), 2500.25);
        ASSERT_EQ(grid().textMatrix(1, 1), s("1,245"));
        close();
    }
    forgetDecimalEntries();
    {
        ScopedLocale german(ScopedLocale::german());
        start();
        EXPECT_EQ(grid().textMatrix(1, 1), s("1.245"));
        EXPECT_EQ(grid().textMatrix(2, 1), s("2.500,2500000000"));
        // Three batches of Veldspar, as the 1,245 units hold, and five of Omber.
        EXPECT_EQ(c("txtMineralsMinedFromOre", 6).text(), s("4144,5365"));
        EXPECT_TRUE(platform.messages().isEmpty()) << messages().toStdString();
        close();
    }
    forgetDecimalEntries();
    ScopedLocale english(ScopedLocale::english());
    start();
    EXPECT_EQ(grid().textMatrix(1, 1), s("1,245"));
    EXPECT_EQ(grid().textMatrix(2, 1), s("2,500.2500000000"));
    EXPECT_TRUE(platform.messages().isEmpty()) << messages().toStdString();
}

TEST_F(Desk, EntriesWrittenUnderAnotherNumberFormatKeepTheirNumbers)
{
    {
        ScopedLocale german(ScopedLocale::german());
        start();
        c("txtMarketValue", 0).setText(s("1.250,5"));
        close();
    }
    ScopedLocale english(ScopedLocale::english());
    start();
    // No box for entries the player never got wrong: each reads as the number it was.
    EXPECT_TRUE(platform.messages().isEmpty()) << messages().toStdString();
    EXPECT_EQ(c("txtStationNetYield", 0).text(), s("96.2"));
    EXPECT_EQ(c("txtMarketValue", 0).text(), s("1,250.5"));
    EXPECT_EQ(c("txtMarketValue", 6).text(), s("2.1"));
    EXPECT_EQ(c("cboRoidType", 0).text(), s("Veldspar"));
    close();
    EXPECT_EQ(platform.storeValue(s("Number Format"), s("Decimal Mark")), s("."));
    EXPECT_EQ(platform.storeValue(s("Settings"), s("txtMarketValue0")), s("1,250.5"));
}

TEST_F(Desk, AStoreWithoutTheNumberFormatReadsAsBefore)
{
    ScopedLocale english(ScopedLocale::english());
    platform.setStoreValue(s("mshflexOreMined 0"), s("Rows"), s("1"));
    storeRow(1, "Veldspar", "1,245", "333");
    start();
    EXPECT_EQ(grid().textMatrix(1, 1), s("1,245"));
    close();
    EXPECT_EQ(platform.storeValue(s("mshflexOreMined 0"), s("Decimal Mark")), s("."));
    EXPECT_EQ(platform.storeValue(s("mshflexOreMined 0"), s("Digit Grouping")), s(","));
    EXPECT_EQ(platform.storeValue(s("mshflexOreMined 0"), s("Rows")), s("1"));
}

// The stored header row is what the program wrote itself: one damaged header cell changes neither
// where the counts are read from nor where they are saved.
TEST_F(Desk, ADamagedHeaderCellCostsNoOreCount)
{
    ScopedLocale english(ScopedLocale::english());
    for (const char* key : {"Units Mined", "Ore Name"}) {
        SCOPED_TRACE(key);
        platform.setStoreValue(s("mshflexOreMined 0"), s("Rows"), s("1"));
        storeRow(1, "Veldspar", "1,245", "333");
        QString damaged = s(key);
        damaged[7] = QLatin1Char('X'); // one letter flipped
        platform.setStoreValue(s("mshflexOreMined 0"), s(key), damaged);
        for (int run = 0; run < 2; ++run) {
            start();
            EXPECT_EQ(grid().textMatrix(1, 0), s("Veldspar")) << run;
            EXPECT_EQ(grid().textMatrix(1, 1), s("1,245")) << run;
            EXPECT_EQ(grid().textMatrix(0, 1), s("Units Mined")) << run;
            close();
        }
        EXPECT_EQ(platform.storeValue(s("mshflexOreMined 1"), s("Units Mined")), s("1,245"));
        EXPECT_EQ(platform.storeValue(s("mshflexOreMined 1"), s("Ore Name")), s("Veldspar"));
    }
}

// Number format keys that no locale writes (a digit, one mark for both, a mark of two characters,
// none) are an unknown format, read as before the keys existed; marks that fit a locale but not
// the texts (swapped) leave the texts as they are. Either way nothing is changed, told or saved.
TEST_F(Desk, StoredNumberFormatKeysAreTrustedOnlyWhereTheTextsFitThem)
{
    ScopedLocale english(ScopedLocale::english());
    struct Case {
        const char* decimal;
        const char* group;
    };
    for (const Case& f : {Case{",", "."}, Case{"0", ","}, Case{".", "."}, Case{",,", " "}, Case{"", ""}}) {
        SCOPED_TRACE(std::string(f.decimal) + " / " + f.group);
        platform.setStoreValue(s("mshflexOreMined 0"), s("Rows"), s("1"));
        storeRow(1, "Veldspar", "772.0000000016", "333");
        for (const char* section : {"mshflexOreMined 0", "Number Format"}) {
            platform.setStoreValue(s(section), s("Decimal Mark"), s(f.decimal));
            platform.setStoreValue(s(section), s("Digit Grouping"), s(f.group));
        }
        platform.setStoreValue(s("Settings"), s("txtMarketValue0"), s("1,250.5"));
        platform.setStoreValue(s("Settings"), s("txtCycleDurationInSeconds0"), s("60"));
        start();
        EXPECT_EQ(grid().textMatrix(1, 1), s("772.0000000016"));
        EXPECT_EQ(c("txtMarketValue", 0).text(), s("1,250.5"));
        EXPECT_EQ(c("txtCycleDurationInSeconds", 0).text(), s("60"));
        EXPECT_TRUE(platform.messages().isEmpty()) << messages().toStdString();
        close();
        EXPECT_EQ(platform.storeValue(s("mshflexOreMined 1"), s("Units Mined")), s("772.0000000016"));
        EXPECT_EQ(platform.storeValue(s("Settings"), s("txtMarketValue0")), s("1,250.5"));
        EXPECT_EQ(platform.storeValue(s("Settings"), s("txtCycleDurationInSeconds0")), s("60"));
        platform.clearRecords();
    }
}

TEST_F(Desk, RefineAddsWhatItTakesWhetherOrNotVirtualRefiningIsTicked)
{
    ScopedLocale english(ScopedLocale::english());
    start();
    c("chkVirtualRefining", 0).click();
    ASSERT_EQ(c("chkVirtualRefining", 0).value(), 0);
    program->shared().routines.AddOreMined(s("Veldspar"), 1500);
    c("lblControlButton", 18).click();
    EXPECT_EQ(grid().textMatrix(1, 1), s("168"));
    EXPECT_EQ(c("txtRefinedOre", 6).text(), s("3656"));

    // Again after more ore: the boxes were not kept up meanwhile.
    program->shared().routines.AddOreMined(s("Veldspar"), 1332);
    c("lblControlButton", 18).click();
    EXPECT_EQ(grid().textMatrix(1, 1), s("168"));
    EXPECT_EQ(c("txtRefinedOre", 6).text(), s("7312"));

    // A refinery entry that cannot be read refuses the command: no ore is taken.
    program->shared().routines.AddOreMined(s("Veldspar"), 1332);
    c("txtStationTax", 0).setText(s("none"));
    platform.clearRecords();
    c("lblControlButton", 18).click();
    EXPECT_EQ(grid().textMatrix(1, 1), s("1,500.0000000000"));
    EXPECT_EQ(c("txtRefinedOre", 6).text(), s("7312"));
    EXPECT_FALSE(platform.messages().isEmpty());
    c("txtStationTax", 0).setText(s("0.0"));
    platform.clearRecords();
    EXPECT_TRUE(platform.messages().isEmpty()) << messages().toStdString();
}

TEST_F(Desk, AStoredOreThatIsNoneOfTheListStartsOnTheDefaultQuietly)
{
    ScopedLocale english(ScopedLocale::english());
    platform.setStoreValue(s("Settings"), s("cboRoidType0"), s("Unobtainium"));
    platform.setStoreValue(s("Settings"), s("cboRoidType3"), s("Dense Veldspar"));
    platform.setStoreValue(s("Settings"), s("cboRoidType7"), s("Unobtainium"));
    start();
    EXPECT_TRUE(platform.messages().isEmpty()) << messages().toStdString();
    EXPECT_EQ(c("cboRoidType", 0).text(), s("Veldspar"));
    EXPECT_EQ(c("cboRoidType", 0).tag(), s("0.1"));
    EXPECT_EQ(program->shared().Lasers[0].OreName, s("Veldspar"));
    EXPECT_EQ(c("cboRoidType", 3).text(), s("Dense Veldspar"));
    EXPECT_EQ(c("cboRoidType", 7).text(), QString());
}

TEST_F(Desk, AnUnusableStoredCountIsLeftOutOfTheEstimateAndOutOfRefine)
{
    ScopedLocale english(ScopedLocale::english());
    platform.setStoreValue(s("mshflexOreMined 0"), s("Rows"), s("2"));
    storeRow(1, "Veldspar", "1e308", "333");
    storeRow(2, "Scordite", "1,000", "333");
    start();
    EXPECT_TRUE(platform.messages().isEmpty()) << messages().toStdString();
    ASSERT_EQ(grid().rows(), 4);
    EXPECT_EQ(grid().textMatrix(1, 1), s("1e308"));
    // Scordite alone: three batches of 833 Tritanium and 416 Pyerite.
    EXPECT_EQ(c("txtMineralsMinedFromOre", 6).text(), s("2283.8361"));
    EXPECT_EQ(c("txtMineralsMinedFromOre", 5).text(), s("1140.5472"));
    EXPECT_NE(c("lblIskFromRefinedOre", 0).caption(), s("0 isk"));

    c("lblControlButton", 18).click();
    EXPECT_EQ(grid().textMatrix(1, 1), s("1e308"));
    EXPECT_EQ(grid().textMatrix(2, 1), s("1"));
    EXPECT_EQ(c("txtRefinedOre", 6).text(), s("2284"));
    EXPECT_TRUE(platform.messages().isEmpty()) << messages().toStdString();
}

TEST_F(Desk, ABadStoredRowCountKeepsTheRowsThatAreThere)
{
    ScopedLocale english(ScopedLocale::english());
    for (const char* count : {"999999999", "-5", "many"}) {
        platform.setStoreValue(s("mshflexOreMined 0"), s("Rows"), s(count));
        storeRow(1, "Veldspar", "100", "333");
        storeRow(2, "Omber", "50", "500");
        storeRow(3, "", "", "");
        start();
        ASSERT_EQ(grid().rows(), 4) << count;
        EXPECT_EQ(grid().textMatrix(1, 0), s("Veldspar"));
        EXPECT_EQ(grid().textMatrix(2, 1), s("50"));
        EXPECT_TRUE(platform.messages().isEmpty()) << messages().toStdString();
        close();
        EXPECT_EQ(platform.storeValue(s("mshflexOreMined 0"), s("Rows")), s("2")) << count;
    }
}

TEST_F(Desk, AWindowRestoredOffEveryScreenComesBackOnThePrimaryOne)
{
    const int px = 15;
    platform.setScreens({QRect(0, 0, 1024 * px, 700 * px)});
    platform.setStoreValue(s("frmOrebell"), s("Xpos"), s("999999"));
    platform.setStoreValue(s("frmOrebell"), s("Ypos"), s("999999"));
    start();
    EXPECT_GE(form().left(), 0);
    EXPECT_GE(form().top(), 0);
    EXPECT_LE(form().left() + form().width(), 1024 * px);
    EXPECT_LE(form().top() + form().height(), 700 * px);
    EXPECT_EQ(program->shared().RestoreLeft, form().left());
    close();
    EXPECT_LE(platform.storeValue(s("frmOrebell"), s("Xpos")).toInt(), 1024 * px);
}

TEST_F(Desk, AWindowWhoseTitleBarIsOnSomeScreenStaysWhereItWas)
{
    const int px = 15;
    // A second screen to the left of the primary one, and a window reaching past the right edge.
    platform.setScreens({QRect(0, 0, 1920 * px, 1080 * px), QRect(-1280 * px, 0, 1280 * px, 1024 * px)});
    for (const auto& [x, y] : {std::pair{-9000, 1500}, std::pair{1920 * px - 2000, 300}}) {
        platform.setStoreValue(s("frmOrebell"), s("Xpos"), QString::number(x));
        platform.setStoreValue(s("frmOrebell"), s("Ypos"), QString::number(y));
        start();
        EXPECT_EQ(form().left(), x);
        EXPECT_EQ(form().top(), y);
        program.reset();
    }
    // Above every screen (only the window's lower part would show), or with a sliver of title.
    for (const auto& [x, y] : {std::pair{3000, -2000}, std::pair{1920 * px - 300, 300}}) {
        platform.setStoreValue(s("frmOrebell"), s("Xpos"), QString::number(x));
        platform.setStoreValue(s("frmOrebell"), s("Ypos"), QString::number(y));
        start();
        EXPECT_GE(form().top(), 0) << x << "," << y;
        EXPECT_LE(form().left() + form().width(), 1920 * px) << x << "," << y;
        program.reset();
    }
}

TEST_F(Desk, ARepairedStoreCarriesOverOnlyWhatTheProgramKnows)
{
    {
        QtSettingsStore before(platform.storeFolder());
        const QString app = platform.programFileName();
        before.setValue(app, s("Settings"), s("txtCargoHold0"), s("27500"));
        before.setValue(app, s("Settings"), s("1/4   Sec."), s("True"));
        before.setValue(app, s("mshflexOreMined 0"), s("Rows"), s("1"));
        before.setValue(app, s("mshflexOreMined 1"), s("Ore Name"), s("Omber"));
        before.setValue(app, s("mshflexOreMined 1"), s("Units Mined"), s("75"));
        before.setValue(app, s("mshflexOreMined 1"), s("R/Units"), s("500"));
        ASSERT_TRUE(before.flush());
    }
    {
        QFile f(platform.storeFile());
        ASSERT_TRUE(f.open(QIODevice::Append));
        QByteArray junk;
        for (int i = 0; i < 2000; ++i)
            junk.append("\n[Settings]\nkey" + QByteArray::number(i) + "=" + QByteArray(40, 'x') + "\n");
        for (int i = 0; i < 5000; ++i)
            junk.append(static_cast<char>((i * 131 + 7) % 256));
        f.write(junk);
    }
    start();
    EXPECT_TRUE(platform.messages().isEmpty()) << messages().toStdString();
    EXPECT_EQ(c("txtCargoHold", 0).text(), s("27500"));
    EXPECT_EQ(c("optRefreshRate", 1).value(), 1);
    EXPECT_EQ(grid().textMatrix(1, 0), s("Omber"));
    close();
    EXPECT_TRUE(platform.storeValue(s("Settings"), s("key7")).isEmpty());
    EXPECT_LT(QFileInfo(platform.storeFile()).size(), 20000);
    EXPECT_EQ(platform.storeValue(s("Settings"), s("txtCargoHold0")), s("27500"));
}

TEST_F(Desk, SaveSettingsOnExitCannotBeTicked)
{
    platform.setStoreValue(s("Settings"), s("Save Settings on Exit"), s("1"));
    start();
    EXPECT_EQ(c("chkSaveSettings", 0).value(), 0);
    c("chkSaveSettings", 0).click();
    EXPECT_EQ(c("chkSaveSettings", 0).value(), 0);
}

TEST_F(Desk, ALaterActivationLeavesAnOpenSettingsPanelUncovered)
{
    platform.setStoreValue(s("Settings"), s("fraProgress"), s("True"));
    start();
    ASSERT_TRUE(c("fraProgress").visible());
    c("lblControlButton", 5).click(); // the Sound panel
    ASSERT_TRUE(c("fraSound").visible());
    ASSERT_FALSE(c("fraProgress").visible());
    form().activate(); // the sound chooser closed
    EXPECT_TRUE(c("fraSound").visible());
    EXPECT_FALSE(c("fraProgress").visible());

    // Back on the timer view, a later activation shows the remembered panel again.
    c("lblControlButton", 1).click();
    form().activate();
    EXPECT_TRUE(c("fraProgress").visible());
}

} // namespace
} // namespace orebell
