#include "app/Program.h"
#include "data/OreCatalogue.h"
#include "data/Shared.h"
#include "support/ScopedLocale.h"
#include "support/TestPlatform.h"
#include "toolkit/RuntimeError.h"

#include <gtest/gtest.h>

using namespace orebell;

namespace {

QString s(const char* text) { return QString::fromUtf8(text); }

// Start-up over the test platform's store. Routines this fixture watches are wrapped, so that
// the subsystems' own routines still run when they are there; the settings restore falls back to
// reading the texts and frame tags from the real store when the store's routine is absent.
struct StartUp : ::testing::Test {
    // The texts below are an English desk's; the German first run is in DeskTest.
    test::ScopedLocale english{test::ScopedLocale::english()};
    test::TestPlatform platform;
    std::unique_ptr<Program> program;
    QStringList calls;
    QList<int> roidClicks;

    Form& form() { return program->mainForm(); }
    Shared& shared() { return program->shared(); }
    Control& c(const char* name, int index = -1) { return form().control(s(name), index); }

    void make()
    {
        program = std::make_unique<Program>(platform);
        Routines& r = shared().routines;
        if (!r.LoadSettings)
            r.LoadSettings = [this] { restoreFromStore(); };
        watch(r.LoadSettings, "LoadSettings");
        watch(r.LoadSounds, "LoadSounds");
        watch(r.LoadWindowPosition, "LoadWindowPosition");
        watch(r.LoadGrid, "LoadGrid");
        watch(r.RefreshValuation, "RefreshValuation");
        auto click = r.lblControlButton_Click;
        r.lblControlButton_Click = [this, click](int i) {
            calls << s("lblControlButton_Click(%1)").arg(i);
            if (click)
                click(i);
        };
        form().onClick(s("cboRoidType"), [this](int i) { roidClicks << i; });
    }

    void watch(std::function<void()>& routine, const char* name)
    {
        auto inner = routine;
        routine = [this, inner, name] {
            calls << s(name) + (shared().IsLoading ? s(" loading") : QString());
            if (inner)
                inner();
        };
    }

    // What restoring the settings does to texts and frame tags: the stored text, or empty.
    void restoreFromStore()
    {
        for (const auto& ctl : form().controls()) {
            if ((ctl->kind() == ControlKind::TextBox || ctl->kind() == ControlKind::ComboBox) &&
                ctl->isArrayElement())
                ctl->setText(platform.storeValue(s("Settings"), ctl->name() + QString::number(ctl->index())));
            else if (ctl->kind() == ControlKind::Frame)
                ctl->setTag(platform.storeValue(s("Settings"), ctl->name()));
        }
    }

    void start()
    {
        make();
        program->run();
    }
};

TEST_F(StartUp, FirstRunOnAnEmptyStoreFillsEveryDefault)
{
    start();
    EXPECT_TRUE(platform.messages().isEmpty()) << platform.messages().join(s("|")).toStdString();
    EXPECT_FALSE(platform.ended());
    EXPECT_TRUE(form().visible());

    for (int i = 0; i <= 6; ++i) {
        EXPECT_EQ(c("cboRoidType", i).text(), s("Veldspar"));
        EXPECT_EQ(shared().Lasers[i].OreName, s("Veldspar"));
        EXPECT_EQ(c("txtCycleDurationInSeconds", i).text(), s("60"));
        EXPECT_EQ(c("lblCycleCountdown", i).caption(), s("60"));
        EXPECT_EQ(c("lblCycleCountdown", i).fontSize(), 10);
        EXPECT_EQ(c("lblCycleCountdown", i).top(), 1545);
        EXPECT_EQ(c("btnActivateTimer", i).caption(), QString::number(i + 1));
        EXPECT_EQ(c("btnActivateTimer", i).toolTipText(), s(" Start laser first "));
    }
    EXPECT_TRUE(shared().Lasers[7].OreName.isEmpty());
    for (int i = 0; i <= 15; ++i)
        EXPECT_EQ(c("txtProcessingSkill", i).text(), s("0"));
    for (int i = 0; i <= 23; ++i)
        EXPECT_EQ(c("txtStationYield", i).text(), s("000"));
    EXPECT_EQ(c("txtCargoHold", 0).text(), s("1000"));
    const char* prices[] = {"109", "4500", "13.5", "15000", "450", "4.5", "2.1", "3900"};
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(c("txtMarketValue", k).text(), s(prices[k])) << k;
        EXPECT_EQ(c("txtRefinedOre", k).text(), s("0"));
        EXPECT_EQ(c("txtMineralsMinedFromOre", k).toolTipText(), s(" +0 refined "));
        EXPECT_EQ(c("txtMineralsMinedFromOre", k + 8).toolTipText(), s(" +0 refined "));
    }
    EXPECT_EQ(c("txtStationNetYield", 0).text(), s("96.2"));
    EXPECT_EQ(c("txtStationCommsission", 0).text(), s("5.0"));
    EXPECT_EQ(c("txtStationTax", 0).text(), s("0.0"));
    EXPECT_EQ(c("txtLasers", 0).text(), s("1"));
    EXPECT_EQ(form().width(), 4210); // one laser panel
    EXPECT_EQ(form().height(), c("lblControlButton", 0).height() + c("shpBox").height() + 45);
    EXPECT_EQ(c("lblCargoHold", 0).tag(), s("0"));
    EXPECT_EQ(shared().TopButtonIndex, 18);
    EXPECT_EQ(shared().RefreshInterval, 62.5);
    EXPECT_FALSE(shared().IsLoading);
    EXPECT_EQ(shared().mineralYields.findRow(s("Veldspar")), 42);
    EXPECT_TRUE(c("rchtxtHelpFile").fileName().endsWith(s("Help.rtf")));
    EXPECT_TRUE(c("rchtxtHelpFile").fileName().startsWith(platform.programFolder()));
    EXPECT_FALSE(c("rchtxtHelpFile").fileName().contains(s("//")));

    // The load sequence in order (the timer view's button loads the sounds a second time), then
    // the first activation.
    EXPECT_EQ(calls,
              (QStringList{s("LoadSettings loading"), s("LoadSounds loading"), s("lblControlButton_Click(1)"),
                           s("LoadSounds"), s("LoadWindowPosition"), s("LoadGrid"), s("RefreshValuation")}));
    EXPECT_EQ(platform.onTopRequests(), QList<bool>{true});
    EXPECT_TRUE(form().onTop());
    EXPECT_EQ(shared().RestoreLeft, form().left());
    EXPECT_EQ(shared().RestoreTop, form().top());
    EXPECT_EQ(shared().GridHeaders[0], s("Ore Name"));
    EXPECT_EQ(shared().GridHeaders[2], s("R/Units"));
    EXPECT_TRUE(shared().GridHeaders[3].isEmpty());
    const Grid& grid = form().grid(s("mshflexOreMined"));
    EXPECT_EQ(grid.rows(), 2);
    EXPECT_EQ(grid.textMatrix(0, 0), s("Ore Name"));
    EXPECT_EQ(grid.textMatrix(0, 1), s("Units Mined"));
    EXPECT_EQ(grid.textMatrix(0, 2), s("R/Units"));
    EXPECT_EQ(grid.colAlignment(0), 1);
    EXPECT_EQ(grid.colAlignmentFixed(1), 1);
    EXPECT_EQ(grid.colWidth(0), platform.desktop().textWidth(s("Concentrated Veldspar  ")));
    EXPECT_EQ(grid.colWidth(2), platform.desktop().textWidth(s("R/Units  ")));
    EXPECT_EQ(c("lblControlButton", 4).caption(), s("Y")); // no watch panel tagged "True"
    for (const char* frame : {"fraProgress", "fraMineralYield", "fraCargoHold"})
        EXPECT_FALSE(c(frame).visible()) << frame;
}

TEST_F(StartUp, AllEightOreListsGetTheFortyEightOresButOnlyLasersGetADefaultAndAClick)
{
    start();
    for (int i = 0; i <= 7; ++i)
        EXPECT_EQ(c("cboRoidType", i).items(), oreListNames()) << i;
    EXPECT_TRUE(c("cboRoidType", 7).text().isEmpty());
    EXPECT_FALSE(roidClicks.contains(7));
    for (int i = 0; i <= 6; ++i)
        EXPECT_TRUE(roidClicks.contains(i)) << i;
}

TEST_F(StartUp, TitleCarriesVersionAndEdition)
{
    start();
    EXPECT_EQ(c("lblControlButton", 7).toolTipText(), s(" v(1.2.8b)"));
    EXPECT_EQ(c("lblMinimize").toolTipText(), s(" Orebell v(1.2.8b)"));
    EXPECT_EQ(c("lblControlButton", 7).caption(), s(" Orebell III"));
    EXPECT_EQ(c("lblMinimize").caption(), s("OB III"));
}

TEST_F(StartUp, RestoredEntriesKeepTheirTexts)
{
    platform.setStoreValue(s("Settings"), s("txtCycleDurationInSeconds0"), s("45"));
    platform.setStoreValue(s("Settings"), s("cboRoidType2"), s("Dense Veldspar"));
    platform.setStoreValue(s("Settings"), s("txtMarketValue0"), s("0"));
    platform.setStoreValue(s("Settings"), s("txtRefinedOre3"), s("125"));
    platform.setStoreValue(s("Settings"), s("txtStationTax0"), s("1.5"));
    platform.setStoreValue(s("Settings"), s("txtLasers0"), s("3"));
    start();
    EXPECT_EQ(c("txtCycleDurationInSeconds", 0).text(), s("45"));
    EXPECT_EQ(c("txtCycleDurationInSeconds", 1).text(), s("60"));
    EXPECT_EQ(c("cboRoidType", 2).text(), s("Dense Veldspar"));
    EXPECT_EQ(shared().Lasers[2].OreName, s("Dense Veldspar"));
    EXPECT_EQ(c("txtMarketValue", 0).text(), s("0"));
    EXPECT_EQ(c("txtMarketValue", 1).text(), s("4500"));
    EXPECT_EQ(c("txtMineralsMinedFromOre", 3).toolTipText(), s(" +125 refined "));
    EXPECT_EQ(c("txtMineralsMinedFromOre", 11).toolTipText(), s(" +125 refined "));
    EXPECT_EQ(c("txtStationTax", 0).text(), s("1.5"));
    EXPECT_EQ(c("txtLasers", 0).text(), s("3"));
    EXPECT_EQ(form().width(), 6850);
}

TEST_F(StartUp, AStoredTimerCountOutOfRangeIsBroughtBackInsteadOfFailingEveryStart)
{
    platform.setStoreValue(s("Settings"), s("txtLasers0"), s("abc"));
    start();
    EXPECT_TRUE(platform.messages().isEmpty());
    EXPECT_EQ(c("txtLasers", 0).text(), s("1"));
    EXPECT_EQ(form().width(), 4210);

    platform.setStoreValue(s("Settings"), s("txtLasers0"), s("40000"));
    start(); // the next run of the program
    EXPECT_TRUE(platform.messages().isEmpty());
    EXPECT_EQ(c("txtLasers", 0).text(), s("7"));
    EXPECT_EQ(form().width(), 12130);
}

TEST_F(StartUp, TheFirstShownWatchPanelSetsTheWatchButton)
{
    platform.setStoreValue(s("Settings"), s("fraMineralYield"), s("True"));
    platform.setStoreValue(s("Settings"), s("fraCargoHold"), s("True"));
    platform.setStoreValue(s("Settings"), s("fraProgress"), s("False"));
    start();
    EXPECT_TRUE(c("fraMineralYield").visible());
    EXPECT_TRUE(c("fraCargoHold").visible());
    EXPECT_FALSE(c("fraProgress").visible());
    EXPECT_EQ(c("fraMineralYield").left(), 1575);
    EXPECT_EQ(c("fraMineralYield").top(), 255);
    EXPECT_EQ(c("lblControlButton", 4).caption(), s("P"));

    c("fraProgress").setTag(s("True"));
    form().activate();
    EXPECT_EQ(c("lblControlButton", 4).caption(), s("C"));
}

TEST_F(StartUp, LaterActivationsKeepTheWindowWhereItIsAndTheRowsMinedSince)
{
    start();
    calls.clear();
    form().move(3000, 2000);
    form().activate(); // e.g. the sound chooser closed
    EXPECT_EQ(calls, QStringList{s("RefreshValuation")});
    EXPECT_EQ(form().left(), 3000);
    EXPECT_EQ(shared().RestoreLeft, 3000);
    EXPECT_EQ(shared().RestoreTop, 2000);
    EXPECT_EQ(platform.onTopRequests(), (QList<bool>{true, true}));
}

TEST_F(StartUp, ALoadFailureReportsOnceAndEndsBeforeTheWindowShows)
{
    make();
    shared().routines.LoadSounds = [] { orebell::raise(ErrFileNotFound); };
    program->run();
    ASSERT_EQ(platform.messages().size(), 1);
    EXPECT_EQ(platform.messages().front(),
              s("Error Number:53\nDescription :File not found\nLine        :30"));
    EXPECT_TRUE(platform.ended());
    EXPECT_FALSE(form().visible());
    EXPECT_TRUE(platform.onTopRequests().isEmpty()); // never activated
}

TEST_F(StartUp, AnActivationFailureReportsAndTheProgramGoesOn)
{
    make();
    shared().routines.RefreshValuation = [] { orebell::raise(ErrDivisionByZero); };
    program->run();
    ASSERT_EQ(platform.messages().size(), 1);
    EXPECT_EQ(platform.messages().front(),
              s("Error Number:11\nDescription :Division by zero\nFunction    : Activate \nLine        :30"));
    EXPECT_FALSE(platform.ended());
    EXPECT_TRUE(form().visible());
}

TEST_F(StartUp, UnloadingTheWindowEndsTheProgram)
{
    start();
    EXPECT_FALSE(platform.ended());
    form().unload();
    EXPECT_TRUE(platform.ended());
}

} // namespace
