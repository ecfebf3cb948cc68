#include "app/MainFormInventory.h"

#include <QString>

#include <stdexcept>
#include <string>

namespace orebell {

namespace {

using K = ControlKind;

// Frames, by the name the rows refer to.
constexpr const char* CargoHold = "fraCargoHold";
constexpr const char* Settings = "fraSettings";
constexpr const char* Help = "fraHelp";
constexpr const char* Sound = "fraSound";
constexpr const char* Yield = "fraRefinedOreYield";
constexpr const char* Calc = "fraRefineryYield";
constexpr const char* Goals = "fraMineralYield";
constexpr const char* Progress = "fraProgress";

constexpr const char* ChangeColor = " Click to change color ";
constexpr const char* Scanner = "  Use a Scanner to get this value ";
constexpr const char* FromOre = " Minerals Mined From Ore ";
constexpr const char* Pulled = " Lasers have pulled this much ore ";
constexpr const char* UnitsThenMouse = " ...then mouse over the basic ore types on the right --> ";

std::vector<InventoryRow> makeInventory()
{
    // clang-format off
    return {
        // Control-button bar, title strip and the minimised form.
        {.kind = K::Shape, .name = "shpControlBtnBorder", .idx = "0-14,22,23"},
        {.kind = K::Label, .name = "lblControlButton", .idx = "0-14,16,17",
         .text = {"?", "T", "Re", "yld", "Y", "S", "X", "  Orebell", "set", "", "", "i", "+", "-", "'   ",
                  "Save", "Delete"},
         .tip = {" Help ", " Timer ", " The F.Ore.C.Q .", " Mineral Yield ", " Yield/Progress Watch ",
                 " Sounds ", " Close Timer ", "", " Settings ", " Not Used ", " Not Used ",
                 " Mr Tandel's Quasar Website ", " Add Timer ", " Remove Timer ", " Buttonize ",
                 " Save Station Profile ", " Delete Station Profile "}},
        {.kind = K::Image, .name = "imgMinimized", .hidden = true},
        {.kind = K::Label, .name = "lblMinimize", .text = {"OB"}, .tip = {" Orebell "}, .hidden = true},
        {.kind = K::Shape, .name = "shpBox"},

        // Station profile and the quick ore calculator, on the window itself.
        {.kind = K::Label, .name = "lblStationName", .text = {"Station: (Select or enter a new station name)"}},
        {.kind = K::Label, .name = "lblRefinedYield", .idx = "1,4,9,13",
         .text = {"Select Ore Type:", "Controls:", "Time to Mine:", "Enter number of ore units..."},
         .tip = {"", "", "", UnitsThenMouse}},
        {.kind = K::Shape, .name = "shpOreCalc"},
        {.kind = K::TextBox, .name = "txtOreCalc_bckgrnd",
         .tip = {" Then mouse over the basic ore types on the right "}, .tag = {"0"}},
        {.kind = K::Label, .name = "lblIskFromRefinedOre", .idx = "0", .text = {"0 isk"},
         .tip = {" Approximate Isk From Refined Ore "}},
        {.kind = K::Timer, .name = "tmrRefine", .on = true},
        {.kind = K::CheckBox, .name = "chkRefinery", .idx = "0", .text = {"Refinery: \"NOT USED\""},
         .tip = {" Enable to include Refinery/Skills into calculations "}, .value = 1},
        {.kind = K::CheckBox, .name = "chkYieldPerMin", .idx = "0", .text = {"yld/min \"NOT USED\""},
         .tip = {" Enable to compare Mineral Yield per Minute "}, .value = 1},

        // Cargo hold watch panel.
        {.kind = K::Frame, .name = CargoHold, .text = {"CargoHold"}, .tag = {"0"}, .hidden = true},
        {.kind = K::CheckBox, .name = "chkMonitorCargoHold", .idx = "0", .in = CargoHold, .text = {"Monitor"},
         .value = 1},
        {.kind = K::TextBox, .name = "txtCargoHold", .idx = "0", .in = CargoHold, .text = {"1000"},
         .tip = {" Max m3 of Mining Vessel's Cargo Hold "}, .tag = {"0"}},
        {.kind = K::Label, .name = "lblYieldProgressBar", .idx = "4,5", .in = CargoHold,
         .text = {"Cargo Hold", "Capacity (m3)"}, .tip = {FromOre, ""}},
        {.kind = K::Shape, .name = "shpRoidBorder", .idx = "7", .in = CargoHold},
        {.kind = K::Shape, .name = "shpProgressYieldBorder", .idx = "16", .in = CargoHold},
        {.kind = K::Label, .name = "lblCargoHoldProgress_bkgrnd", .idx = "0", .in = CargoHold, .tip = {Pulled}},
        {.kind = K::Label, .name = "lblCargoHoldProgressPercBar", .idx = "0", .in = CargoHold, .tip = {Pulled},
         .tag = {"0"}},
        {.kind = K::Label, .name = "lblCargoHold", .idx = "0", .in = CargoHold, .text = {"0 m3"}, .tip = {Pulled}},
        {.kind = K::Label, .name = "lblStopMining", .idx = "0", .in = CargoHold, .text = {"STOP MINING!"},
         .tip = {" Stop Mining! "}},

        {.kind = K::TextBox, .name = "txtOreCalc", .idx = "0", .tip = {UnitsThenMouse}, .tag = {"0"}},
        {.kind = K::CheckBox, .name = "chkSaveSettings", .idx = "0", .text = {"Save Settings on Exit"}},

        // Timer settings panel.
        {.kind = K::Frame, .name = Settings, .text = {"Timer Settings"}, .hidden = true},
        {.kind = K::Shape, .name = "Shape4", .in = Settings},
        {.kind = K::Label, .name = "lblOrebellLabels", .idx = "6", .in = Settings, .text = {"Timer Refresh Rate"},
         .tip = {" Adjust to slower rate if experiencing timing errors "}},
        {.kind = K::OptionButton, .name = "optRefreshRate", .idx = "4,3,2,1,0", .in = Settings,
         .text = {"1/16 Sec.", "1/4   Sec.", "1/2   Sec.", "1 Second", "1/8   Sec."},
         .tag = {"62.5", "250", "500", "1000", "125"}, .selected = 0},
        {.kind = K::CheckBox, .name = "chkVirtualRefining", .idx = "0", .in = Settings,
         .text = {"Virtual Refining"}, .tip = {" Disable if you are having timing problems "}, .value = 1},

        // Help and sound panels.
        {.kind = K::Frame, .name = Help, .text = {"Help"}, .hidden = true},
        {.kind = K::RichTextBox, .name = "rchtxtHelpFile", .in = Help},
        {.kind = K::Frame, .name = Sound, .text = {"Sound"}, .hidden = true},
        {.kind = K::Label, .name = "lblLabel", .in = Sound, .text = {".WAV file Path:"}},
        {.kind = K::Shape, .name = "shpPathSoundEffectBorder", .idx = "0-5", .in = Sound},
        {.kind = K::Shape, .name = "shpPathSoundEffectDelayBorder", .idx = "0,2,4", .in = Sound},
        {.kind = K::Shape, .name = "shpControlBtnBorder", .idx = "15-20", .in = Sound},
        {.kind = K::Label, .name = "lblBrowseSoundEffect", .idx = "0-5", .in = Sound, .text = {"..."},
         .tip = {" Browse "}},
        {.kind = K::TextBox, .name = "txtPathSoundEffect", .idx = "0,5,4,3,2,1", .in = Sound,
         .tip = {" Sound File Path "}, .tag = {"0"}},
        {.kind = K::TextBox, .name = "txtSoundeEffectDelay", .idx = "4,2,0", .in = Sound,
         .text = {"15", "15", "45"}, .tip = {" 1-59 Seconds ", " 1-59 Seconds ", " 1-59 Minutes "}, .tag = {"0"}},
        {.kind = K::CheckBox, .name = "chkSoundEffect", .idx = "1,2,3,4,5,0", .in = Sound,
         .text = {"Cycle nearly complete", "Cycle complete", "Asteroid nearly depleted", "Asteroid depleted",
                  "Jetcan reminder", "Crystal change reminder"},
         .value = 1},

        // Estimated mineral yield panel.
        {.kind = K::Frame, .name = Yield, .text = {"Estimated Mineral Yield"}, .hidden = true},
        {.kind = K::Grid, .name = "mshflexOreMined", .in = Yield},
        {.kind = K::Label, .name = "lblOreMined", .in = Yield, .text = {"Ore Mined:"}},
        {.kind = K::Label, .name = "lblYieldProgressBar", .idx = "1,2", .in = Yield, .text = {"Refined", "Progress"},
         .tip = {" Minerals already refined ", FromOre}},
        {.kind = K::Label, .name = "lblMineralYieldGoal", .idx = "0", .in = Yield, .text = {"Goal"}, .tip = {FromOre}},
        {.kind = K::Label, .name = "lblMinedFromOre", .idx = "1", .in = Yield, .text = {"Yield"}, .tip = {FromOre}},
        {.kind = K::PictureBox, .name = "Picture1", .idx = "8-15", .in = Yield,
         .tip = {" Morphite ", " Mexallon ", " Megacyte ", " Nocxium ", " Zydrine ", " Tritanium ", " Pyerite ",
                 " Isogen "}},
        {.kind = K::Label, .name = "lblMineral", .idx = "0-7", .in = Yield,
         .text = {"Isogen", "Megacyte", "Mexallon", "Morphite", "Nocxium", "Pyerite", "Tritanium", "Zydrine"}},
        {.kind = K::Shape, .name = "shpMinedBorder", .idx = "0-7,16-23", .in = Yield},
        {.kind = K::Shape, .name = "shpGoalBorder", .idx = "0-7", .in = Yield},
        {.kind = K::Shape, .name = "shpProgressYieldBorder", .idx = "0-7", .in = Yield},
        {.kind = K::Shape, .name = "shpStationYieldBorder", .idx = "8", .in = Yield},
        {.kind = K::Label, .name = "lblYieldProgress_bkgrnd", .idx = "0-7", .in = Yield},
        {.kind = K::Label, .name = "lblYieldProgressPercBar", .idx = "0-7", .in = Yield, .tag = {"0"}},
        {.kind = K::Shape, .name = "shpControlBtnBorder", .idx = "21,24", .in = Yield},
        {.kind = K::Label, .name = "lblControlButton", .idx = "15,18", .in = Yield, .text = {"Reset", "Refine"},
         .tip = {" Reset Mining Mission ", " Refine Ore "}},
        {.kind = K::TextBox, .name = "txtRefinedOre", .idx = "0-7", .in = Yield, .tag = {"0"}},
        {.kind = K::TextBox, .name = "txtMineralsYieldGoal", .idx = "7-0", .in = Yield, .text = {"0"}, .tag = {"0"},
         .group = 1},
        {.kind = K::TextBox, .name = "txtMineralsMinedFromOre", .idx = "7-0", .in = Yield, .tag = {"0"}, .group = 1},

        // The ore calculator panel.
        {.kind = K::Frame, .name = Calc, .text = {"The Fastest Ore Calculator in Quasar"},
         .tip = {" 'The F.Ore.C.Q.' "}, .hidden = true},
        {.kind = K::Label, .name = "lblProcessingSkillsLabel", .idx = "0", .in = Calc,
         .text = {"Ore Processing Skill Levels: (Enter 0-5)"},
         .tip = {" Mouse over ore labels to reference Mineral Yields "}},
        {.kind = K::Shape, .name = "shpProcessingSkillBorder", .idx = "0-15", .in = Calc},
        {.kind = K::Label, .name = "lblProcessingSkills", .idx = "0-15", .in = Calc,
         .text = {"Veldspar", "Scordite", "Pyroxeres", "Plagioclase", "Omber", "Kernite", "Jaspet", "Hemorphite",
                  "Hedbergite", "Gneiss", "Ochre", "Spodumain", "Crokite", "Bistot", "Arkonor", "Mercoxit"},
         .tip = {" Click to Lock "}},
        {.kind = K::Label, .name = "lblSelectedOreType", .idx = "0", .in = Calc, .text = {"Selected Ore Type"},
         .tip = {"Yield Per Refined Unit "}},
        {.kind = K::PictureBox, .name = "Picture1", .idx = "0-7", .in = Calc,
         .tip = {" Isogen ", " Megacyte ", " Mexallon ", " Morphite ", " Nocxium ", " Pyerite ", " Tritanium ",
                 " Zydrine "}},
        {.kind = K::Label, .name = "lblMineral", .idx = "8-15", .in = Calc,
         .text = {"Zydrine", "Tritanium", "Pyerite", "Nocxium", "Morphite", "Mexallon", "Megacyte", "Isogen"}},
        {.kind = K::Label, .name = "lblYieldProgressBar", .idx = "3", .in = Calc, .text = {"Mkt. Value"}},
        {.kind = K::Shape, .name = "shpStationYieldBorder", .idx = "0-7,9-24", .in = Calc},
        {.kind = K::Shape, .name = "shpMarketValue", .idx = "0-7", .in = Calc},
        {.kind = K::Shape, .name = "shpStationNetYieldBorder", .in = Calc},
        {.kind = K::Shape, .name = "shpStationCommissionBorder", .in = Calc},
        {.kind = K::Shape, .name = "Shape1", .in = Calc},
        {.kind = K::Shape, .name = "Shape2", .in = Calc},
        {.kind = K::Label, .name = "lblRefinedYield", .idx = "0,2,3,5-8,10-12,14,15", .in = Calc,
         .text = {"Tax:", "Net yield:", "Commission:", "m3/minute:", "%", "%", "%", "Refinable Units/min:",
                  "isk/min:", "isk/hour:", "Minimum Units to Refine:", "/sec:"},
         .tip = {" Station Tax ", " Station Net Yield ", " Station Commission ", "", "", "", "", "", "", "", "",
                 ""}},
        {.kind = K::Label, .name = "lblOreMinute", .idx = "0", .in = Calc, .text = {"0"},
         .tip = {" m3 per minute based on your timer settings for the number of timers showing  "}},
        {.kind = K::Label, .name = "lblRefinableUnits", .idx = "0", .in = Calc, .text = {"0"},
         .tip = {" Refinable units per minute "}},
        {.kind = K::Label, .name = "lbliskPerMinute", .idx = "0,1", .in = Calc, .text = {"000,000", "00,000"}},
        {.kind = K::Label, .name = "lbliskPerHour", .idx = "0", .in = Calc, .text = {"0"}},
        {.kind = K::TextBox, .name = "txtMarketValue", .idx = "7-0", .in = Calc,
         .text = {"100", "3500", "12", "5000", "400", "6", "2.5", "1500"}, .tip = {" Enter Fair Market Value "},
         .tag = {"0"}},
        {.kind = K::TextBox, .name = "txtRefinableUnit", .idx = "0", .in = Calc, .text = {"000"},
         .tip = {" Units to Refine "}, .tag = {"0"}},
        {.kind = K::TextBox, .name = "txtStationYield", .idx = "23-8,0-7", .in = Calc, .text = {"000"},
         .tip = {" Station Yield "}, .tag = {"0"}},
        {.kind = K::TextBox, .name = "txtStationTax", .idx = "0", .in = Calc, .text = {"0"}, .tip = {" Station Tax "},
         .tag = {"0"}},
        {.kind = K::TextBox, .name = "txtProcessingSkill", .idx = "15-0", .in = Calc, .text = {"0"}, .tag = {"0"}},
        {.kind = K::TextBox, .name = "txtStationCommsission", .idx = "0", .in = Calc, .text = {"5"},
         .tip = {" Station Commission "}, .tag = {"0"}},
        {.kind = K::TextBox, .name = "txtStationNetYield", .idx = "0", .in = Calc, .text = {"96.2"},
         .tip = {" Station Net Yield "}, .tag = {"0"}},
        {.kind = K::ComboBox, .name = "cboRoidType", .idx = "7"},
        {.kind = K::ComboBox, .name = "cboStation_Refinery", .idx = "0"},

        // Refining goals watch panel.
        {.kind = K::Frame, .name = Goals, .text = {"Refining Goals"}, .tag = {"0"}, .hidden = true},
        {.kind = K::Label, .name = "lblMinedFromOre", .idx = "0", .in = Goals, .text = {"Yield"}, .tip = {FromOre}},
        {.kind = K::PictureBox, .name = "Picture1", .idx = "16-23", .in = Goals,
         .tip = {" Morphite ", " Mexallon ", " Megacyte ", " Nocxium ", " Zydrine ", " Tritanium ", " Pyerite ",
                 " Isogen "}},
        {.kind = K::Shape, .name = "shpMinedBorder", .idx = "8-15", .in = Goals},
        {.kind = K::TextBox, .name = "txtMineralsMinedFromOre", .idx = "15-8", .in = Goals, .tag = {"0"}},

        // Laser panels, slot i = 0 to 6, and their row headings.
        {.kind = K::Label, .name = "lblOrebellLabels", .idx = "0-5",
         .text = {"Next Roid Type", "Units of Ore", "Current Roid", "Timers", "Mining Rate", "Cycle Duration"},
         .tip = {"", Scanner, "", "", "", ""}},
        {.kind = K::Shape, .name = "shpGroupBox", .idx = "0-6"},
        {.kind = K::Shape, .name = "shpRoidBorder", .idx = "0-6"},
        {.kind = K::Shape, .name = "shpRateBorder", .idx = "0-6"},
        {.kind = K::Shape, .name = "shpCycleDurBorder", .idx = "0-7"},
        {.kind = K::Shape, .name = "shpDoubleDownBorder", .idx = "0-13"},
        {.kind = K::Label, .name = "lblOreName", .idx = "0-6", .text = {"Ore"}, .tag = {"0"}},
        {.kind = K::Label, .name = "lblSizeOfRoid", .idx = "0-6", .tip = {ChangeColor}},
        {.kind = K::Label, .name = "lblProgress_bkgrnd", .idx = "0-6", .tip = {ChangeColor}},
        {.kind = K::Label, .name = "lblProgress", .idx = "0-6", .tip = {ChangeColor}, .tag = {"0"}},
        {.kind = K::Label, .name = "lblCycleCountdown", .idx = "0-6", .text = {"Depleted"},
         .tip = {" Time left in cycle "}, .tag = {"180"}},
        {.kind = K::Label, .name = "lblTimeLeft", .idx = "0-6", .text = {"00:00"}, .tip = {" Time to deplete "}},
        {.kind = K::CommandButton, .name = "btnActivateTimer", .idx = "0-6", .text = {"1"}},
        {.kind = K::Label, .name = "lblMinusOne", .idx = "0-6", .text = {"-1"}, .tip = {" Double Down Laser "}},
        {.kind = K::Label, .name = "lblNumFocused", .idx = "0-6", .text = {"+"}, .tip = {" Number of focused lasers "}},
        {.kind = K::Label, .name = "lblPlusOne", .idx = "0-6", .text = {"+1"}, .tip = {" Double Up Laser "}},
        {.kind = K::Timer, .name = "tmrMiningLaser", .idx = "0-6", .tag = {"0"}},
        {.kind = K::ComboBox, .name = "cboRoidType", .idx = "6-1", .group = 2},
        {.kind = K::TextBox, .name = "txtMiningRate", .idx = "6-1", .tip = {" From laser Info "}, .tag = {"0"},
         .group = 2},
        {.kind = K::TextBox, .name = "txtCycleDurationInSeconds", .idx = "6-1", .tag = {"0"}, .group = 2},
        {.kind = K::TextBox, .name = "txtCycleDurationInSeconds", .idx = "0", .tag = {"0"}},
        {.kind = K::TextBox, .name = "txtMiningRate", .idx = "0", .tip = {" From laser Info "}, .tag = {"0"}},
        {.kind = K::ComboBox, .name = "cboRoidType", .idx = "0"},
        {.kind = K::TextBox, .name = "txtSizeOfRoid", .idx = "0-6", .tip = {Scanner}, .tag = {"0"}},

        // Jet-can clocks.
        {.kind = K::Shape, .name = "shpJetButtonBorder", .idx = "0-3"},
        {.kind = K::Shape, .name = "shpJetCanNameBorder", .idx = "0-3"},
        {.kind = K::Shape, .name = "shpClockTimerBorder", .idx = "0-3"},
        {.kind = K::Label, .name = "lblJetButton", .idx = "0-3", .text = {"JET"}, .tip = {" Start Jetcan Timer "}},
        {.kind = K::Label, .name = "lblClockTimer", .idx = "0-3", .text = {"00:00"}, .tip = {" Jetcan age "}},
        {.kind = K::Timer, .name = "tmrJetCan", .idx = "0-3"},
        {.kind = K::TextBox, .name = "txtJetCanName", .idx = "0,2,3,1", .tip = {" Jetcan Name "}, .tag = {"0"}},

        // Refining progress watch panel.
        {.kind = K::Frame, .name = Progress, .text = {"Refining Goals"}, .tag = {"0"}, .hidden = true},
        {.kind = K::Label, .name = "lblYieldProgressBar", .idx = "0", .in = Progress, .text = {"Progress"},
         .tip = {FromOre}},
        {.kind = K::PictureBox, .name = "Picture1", .idx = "24-31", .in = Progress,
         .tip = {" Morphite ", " Mexallon ", " Megacyte ", " Nocxium ", " Zydrine ", " Tritanium ", " Pyerite ",
                 " Isogen "}},
        {.kind = K::Shape, .name = "shpProgressYieldBorder", .idx = "8-15", .in = Progress},
        {.kind = K::Label, .name = "lblYieldProgress_bkgrnd", .idx = "8-15", .in = Progress},
        {.kind = K::Label, .name = "lblYieldProgressPercBar", .idx = "8-15", .in = Progress, .tag = {"0"}},

        // Session clock and the number of timers.
        {.kind = K::Shape, .name = "shpSessionTimerBorder"},
        {.kind = K::Label, .name = "lbSessionTimer", .text = {"00:00:00"}, .tip = {" Jetcan age "}},
        {.kind = K::Timer, .name = "tmrSessionTimer"},
        {.kind = K::Label, .name = "lblTimeToMine", .idx = "0", .text = {"00:00:00"}},
        {.kind = K::TextBox, .name = "txtLasers", .idx = "0", .text = {"1"}, .tip = {" Number of Timers "},
         .tag = {"0"}},
    };
    // clang-format on
}

bool holdsText(ControlKind kind) { return kind == K::TextBox || kind == K::ComboBox; }

// The text of the element at position pos (ascending index order) of a per-element list.
QString perElement(const std::vector<const char*>& list, std::size_t pos, const InventoryRow& row)
{
    if (list.empty())
        return {};
    if (list.size() == 1)
        return QString::fromUtf8(list.front());
    if (pos >= list.size())
        throw std::logic_error(std::string("inventory row ") + row.name + ": a text list that does not fit");
    return QString::fromUtf8(list[pos]);
}

void addElement(Form& form, const InventoryRow& row, int index, std::size_t pos)
{
    Control& c = form.add(row.kind, QString::fromUtf8(row.name), index, QString::fromUtf8(row.in));
    const QString text = perElement(row.text, pos, row);
    if (holdsText(row.kind))
        c.setText(text);
    else
        c.setCaption(text);
    c.setToolTipText(perElement(row.tip, pos, row));
    c.setTag(perElement(row.tag, pos, row));
    if (row.value != 0 || index == row.selected)
        c.setValue(row.value != 0 ? row.value : 1);
    if (row.kind == K::Timer) {
        c.setInterval(0);
        c.setEnabled(row.on);
    }
    if (row.kind == K::Grid) {
        c.grid().setCols(3);
        c.grid().setRows(2);
    }
    if (row.hidden)
        c.setVisible(false);
    if (row.at) {
        const Rect r = row.at(index);
        c.move(r.left, r.top, r.width, r.height);
    }
    const Look& look = row.look;
    if (look.back >= 0)
        c.setBackColor(static_cast<Color>(look.back));
    if (look.fore >= 0)
        c.setForeColor(static_cast<Color>(look.fore));
    if (look.border >= 0)
        c.setBorderColor(static_cast<Color>(look.border));
    if (look.borderStyle >= 0)
        c.setBorderStyle(look.borderStyle);
    if (look.fontSize > 0)
        c.setFontSize(look.fontSize);
    if (look.bold)
        c.setFontBold(true);
    if (look.align >= 0)
        c.setAlignment(look.align);
}

// A per-element list has one entry for every element, one for all of them, or none.
void checkLists(const InventoryRow& row, std::size_t elements)
{
    const std::size_t n = std::max<std::size_t>(elements, 1);
    for (const auto* list : {&row.text, &row.tip, &row.tag})
        if (list->size() > 1 && list->size() != n)
            throw std::logic_error(std::string("inventory row ") + row.name + ": a list of " +
                                   std::to_string(list->size()) + " for " + std::to_string(n) + " elements");
}

// Position of an index within the row's indexes in ascending order: the per-element texts
// are written that way.
std::size_t ascendingPosition(const std::vector<int>& indexes, int index)
{
    std::size_t below = 0;
    for (int i : indexes)
        if (i < index)
            ++below;
    return below;
}

} // namespace

const std::vector<InventoryRow>& mainFormInventory()
{
    static const std::vector<InventoryRow> rows = makeInventory();
    return rows;
}

std::vector<int> parseIndexes(const char* list)
{
    std::vector<int> out;
    const QString text = QString::fromLatin1(list);
    if (text.isEmpty())
        return out;
    for (const QString& part : text.split(QLatin1Char(','))) {
        const QStringList ends = part.split(QLatin1Char('-'));
        bool ok1 = false;
        bool ok2 = true;
        const int from = ends.value(0).toInt(&ok1);
        const int to = ends.size() == 2 ? ends.value(1).toInt(&ok2) : from;
        if (!ok1 || !ok2 || ends.size() > 2 || from < 0 || to < 0)
            throw std::logic_error("bad index list: " + std::string(list));
        const int step = to >= from ? 1 : -1;
        for (int i = from;; i += step) {
            out.push_back(i);
            if (i == to)
                break;
        }
    }
    return out;
}

void buildMainForm(Form& form)
{
    const auto& rows = mainFormInventory();
    for (std::size_t r = 0; r < rows.size();) {
        // A run of rows of one group is walked element by element, each row in turn.
        std::size_t end = r + 1;
        if (rows[r].group != 0)
            while (end < rows.size() && rows[end].group == rows[r].group)
                ++end;
        std::vector<std::vector<int>> indexes;
        std::size_t longest = 0;
        for (std::size_t k = r; k < end; ++k) {
            indexes.push_back(parseIndexes(rows[k].idx));
            checkLists(rows[k], indexes.back().size());
            longest = std::max(longest, indexes.back().size());
        }
        if (longest == 0) {
            addElement(form, rows[r], -1, 0);
        } else {
            for (std::size_t p = 0; p < longest; ++p)
                for (std::size_t k = r; k < end; ++k) {
                    const auto& list = indexes[k - r];
                    if (p < list.size())
                        addElement(form, rows[k], list[p], ascendingPosition(list, list[p]));
                }
        }
        r = end;
    }
}

} // namespace orebell
