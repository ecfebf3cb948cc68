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

using namespace design;

// Looks shared by many rows.
constexpr long long Black = 0x000000;
constexpr long long Grey = LightGrey;
constexpr long long BoxColor = 0x1C181B; // entry boxes: a shade darker than the panel
// A warning's text on the panel colour: red (255, 96, 96) that reads 4.8:1 there, where pure red
// reads 3.5:1.
constexpr long long WarningRed = 0x6060FF;
constexpr int Left = 0;
constexpr int Right = 1;
constexpr int Centre = 2;
constexpr Look ButtonLook{.back = Black, .fore = Grey, .fontSize = 7, .align = Centre};
constexpr Look SmallCentred{.fontSize = 7, .align = Centre};
constexpr Look Centred{.align = Centre};
constexpr Look Heading{.fontSize = 7, .align = Right};
constexpr Look SmallLeft{.fontSize = 7, .align = Left};
constexpr Look SmallRight{.fontSize = 7, .align = Right};
// An entry box without a drawn border round it draws its own.
constexpr Look BoxedRight{.border = 0x606060, .borderStyle = 1, .align = Right};
// The laser ore lists are narrow: a smaller face fits every base ore's name.
constexpr Look OreList{.fontSize = 7};
constexpr Look Title{.back = PanelColor, .fore = Grey, .fontSize = 8, .bold = true, .align = Left};

// --- The button column, the title strip and panel A (between the buttons and the watch panels).

// Rows of the button column, top down, by control-button index (-1: not in the column).
constexpr int ColumnRow[] = {1, 0, 4, 5, 6, 2, -1, -1, 3, 10, 11, 9, 7, 8, -1};
constexpr int ColumnTop = 270;
constexpr int ColumnStep = 270;
constexpr int StripAtDesign = 3705; // the title strip for one laser panel

Rect buttonBorder(int i)
{
    switch (i) {
    case 7:
        return {0, 0, StripAtDesign, TitleHeight};
    case 14:
        return {StripAtDesign, 0, ButtonBorder, TitleHeight};
    case 6:
        return {StripAtDesign + ButtonBorder, 0, ButtonBorder, TitleHeight};
    case 22: // station profile buttons, beside the station chooser of the ore calculator
        return {5640, 255, 690, 285};
    case 23:
        return {6390, 255, 840, 285};
    default:
        return {0, ColumnTop + ColumnRow[i] * ColumnStep, ButtonBorder, 255};
    }
}

Rect button(int i)
{
    if (i == 7)
        return {0, 0, StripAtDesign, TitleHeight};
    if (i == 16 || i == 17) {
        const Rect b = buttonBorder(i + 6);
        return {b.left + 15, b.top + 15, b.width - 30, b.height - 30};
    }
    const Rect b = buttonBorder(i);
    return {b.left + 15, b.top + 15, b.width - 30, b.height - 30};
}

constexpr int AX = 300;  // panel A's left
constexpr int AW = 1245; // and width
constexpr int JetTop = 1980;
constexpr int JetStep = 405;

// A drawn border one pixel outside a control.
constexpr Rect around(Rect r) { return {r.left - 15, r.top - 15, r.width + 30, r.height + 30}; }

// A jet-can row across panel A: the button, the can's name (room for "Can A"), the clock; one
// pixel between their borders.
Rect jetButton(int r) { return {AX, JetTop + r * JetStep, 255, 255}; }
Rect jetName(int r) { return {AX + 300, JetTop + r * JetStep, 480, 255}; }
Rect jetClock(int r) { return {AX + 825, JetTop + r * JetStep, AW - 825, 255}; }

// --- Laser panels: slot i starts at LaserLeft + i x PanelStep; its entries are 1095 wide.
constexpr int slotLeft(int i) { return LaserLeft + i * PanelStep; }
constexpr int slotInner(int i) { return slotLeft(i) + 120; }
constexpr int SlotWidth = 1095;
constexpr int CountdownTop = 1545; // where the load sequence puts the cycle countdown

// --- Right-hand panels at (PanelLeft, PanelTop): the calculator and the mineral yield panel fill
// the window laid out for six panel widths, help and sound for five, settings for one.
constexpr int RightPanelHeight = PanelHeight;
constexpr int wideFrame(int n) { return PanelStep * n + 2890 - PanelLeft - 30; }

// Ore calculator: rows of the skill and mineral tables, and the column to their right.
constexpr int CalcRowTop = 915;
constexpr int CalcRowStep = 270;
constexpr int CX = 7380; // the right-hand column
constexpr int calcRow(int r) { return CalcRowTop + r * CalcRowStep; }

// Mineral yield panel rows.
constexpr int yieldRow(int k) { return 645 + k * 300; }
// The ore-mined grid holds its three columns (the window font's widths of "Concentrated Veldspar  ",
// twenty digits and "R/Units  ") and a vertical scroll bar without a horizontal one; the mineral
// rows start to its right.
constexpr Rect OreGrid{120, 570, 5070, 2370};
constexpr int YieldPictureLeft = 5280;

// Watch panels: one row per mineral.
constexpr int watchRow(int k) { return 570 + k * 330; }

// The mineral a picture stands for: sets 8..31 run Morphite, Mexallon, Megacyte, Nocxium,
// Zydrine, Tritanium, Pyerite, Isogen; set 0..7 runs in mineral order.
constexpr int PictureMineral[] = {3, 2, 1, 4, 7, 6, 5, 0};
constexpr int pictureMineral(int index) { return index < 8 ? index : PictureMineral[index % 8]; }

// A colour per mineral for the small mineral pictures.
long long mineralColor(int index)
{
    constexpr long long colors[] = {0xC08040, 0x4040C0, 0x40A0C0, 0xA040A0,
                                    0x4080E0, 0x40C080, 0xA0A0A0, 0x40C0C0};
    return colors[pictureMineral(index)];
}

std::vector<InventoryRow> makeInventory()
{
    // clang-format off
    return {
        // Control-button bar, title strip and the minimised form.
        {.kind = K::Shape, .name = "shpControlBtnBorder", .idx = "0-14", .at = buttonBorder},
        {.kind = K::Label, .name = "lblControlButton", .idx = "0-6,8-14",
         .text = {"?", "T", "Re", "yld", "Y", "S", "X", "set", "", "", "i", "+", "-", "'   "},
         .tip = {" Help ", " Timer ", " The F.Ore.C.Q .", " Mineral Yield ", " Yield/Progress Watch ",
                 " Sounds ", " Close Timer ", " Settings ", " Not Used ", " Not Used ",
                 " Mr Tandel's Quasar Website ", " Add Timer ", " Remove Timer ", " Buttonize "},
         .at = button, .look = ButtonLook,
         .backOf = [](int i) { return i == 6 || i == 14 ? static_cast<long long>(PanelColor) : Black; }},
        {.kind = K::Label, .name = "lblControlButton", .idx = "7", .text = {"  Orebell"}, .at = button, .look = Title},
        // shpBox only measures a laser panel (its width) and the window (its height): not drawn.
        {.kind = K::Shape, .name = "shpBox", .at = [](int) { return Rect{LaserLeft, TitleHeight, PanelWidth, PanelHeight}; },
         .look = {.borderStyle = 0}},

        // Station profile and the quick ore calculator, which sit in the calculator panel.
        {.kind = K::Label, .name = "lblStationName", .in = Calc, .text = {"Station: (Select or enter a new station name)"},
         .at = [](int) { return Rect{120, 285, 3450, 210}; }, .look = SmallLeft},
        {.kind = K::Label, .name = "lblRefinedYield", .idx = "4,9", .text = {"Controls:", "Time to Mine:"},
         .at = [](int i) { return i == 4 ? Rect{AX, 300, 780, 210} : Rect{AX, 1020, AW, 210}; },
         .look = SmallLeft},
        {.kind = K::Label, .name = "lblRefinedYield", .idx = "1,13", .in = Calc, .text = {"Select Ore Type:", "Enter number of ore units..."},
         .tip = {"", UnitsThenMouse},
         .at = [](int i) {
             return i == 1 ? Rect{CX, 285, 1140, 210}
                           : Rect{CX, 645, 3030, 210};
         },
         .look = SmallLeft},
        {.kind = K::Shape, .name = "shpControlBtnBorder", .idx = "22,23", .in = Calc, .at = buttonBorder},
        {.kind = K::Label, .name = "lblControlButton", .idx = "16,17", .in = Calc, .text = {"Save", "Delete"},
         .tip = {" Save Station Profile ", " Delete Station Profile "}, .at = button, .look = ButtonLook},
        {.kind = K::Shape, .name = "shpOreCalc", .in = Calc, .at = [](int) { return Rect{CX - 15, 885, 1470, 300}; }},
        {.kind = K::TextBox, .name = "txtOreCalc_bckgrnd", .in = Calc, .tip = {" Then mouse over the basic ore types on the right "},
         .tag = {"0"}, .at = [](int) { return Rect{CX, 900, 1440, 270}; }},
        {.kind = K::Label, .name = "lblIskFromRefinedOre", .idx = "0", .text = {"0 isk"},
         .tip = {" Approximate Isk From Refined Ore "}, .at = [](int) { return Rect{AX, 1560, AW, 345}; },
         .look = SmallCentred},
        {.kind = K::Timer, .name = "tmrRefine", .on = true},
        {.kind = K::CheckBox, .name = "chkRefinery", .idx = "0", .in = Calc, .text = {"Refinery: \"NOT USED\""},
         .tip = {" Enable to include Refinery/Skills into calculations "}, .value = 1,
         .at = [](int) { return Rect{CX, 1200, 3030, 240}; }, .look = SmallLeft},
        {.kind = K::CheckBox, .name = "chkYieldPerMin", .idx = "0", .in = Calc, .text = {"yld/min \"NOT USED\""},
         .tip = {" Enable to compare Mineral Yield per Minute "}, .value = 1,
         .at = [](int) { return Rect{CX, 1470, 3030, 240}; }, .look = SmallLeft},

        // Cargo hold watch panel.
        {.kind = K::Frame, .name = CargoHold, .text = {"CargoHold"}, .tag = {"0"},
         .at = [](int) { return Rect{WatchLeft, WatchTop, 1260, 3360}; }, .look = {.fontSize = 7}, .hidden = true},
        {.kind = K::CheckBox, .name = "chkMonitorCargoHold", .idx = "0", .in = CargoHold, .text = {"Monitor"},
         .value = 1, .at = [](int) { return Rect{90, 300, 1080, 240}; }},
        {.kind = K::TextBox, .name = "txtCargoHold", .idx = "0", .in = CargoHold, .text = {"1000"},
         .tip = {" Max m3 of Mining Vessel's Cargo Hold "}, .tag = {"0"},
         .at = [](int) { return Rect{90, 2130, 1080, 255}; }, .look = BoxedRight},
        {.kind = K::Label, .name = "lblYieldProgressBar", .idx = "4,5", .in = CargoHold,
         .text = {"Cargo Hold", "Capacity (m3)"}, .tip = {FromOre, ""},
         .at = [](int i) { return Rect{90, i == 4 ? 660 : 1890, 1080, 210}; }, .look = SmallCentred},
        {.kind = K::Shape, .name = "shpRoidBorder", .idx = "7", .in = CargoHold,
         .at = [](int) { return Rect{75, 885, 1110, 270}; }},
        {.kind = K::Shape, .name = "shpProgressYieldBorder", .idx = "16", .in = CargoHold,
         .at = [](int) { return Rect{75, 1215, 1110, 195}; }},
        {.kind = K::Label, .name = "lblCargoHoldProgress_bkgrnd", .idx = "0", .in = CargoHold, .tip = {Pulled},
         .at = [](int) { return Rect{90, 1230, 1080, 165}; }, .look = {.back = Black}},
        {.kind = K::Label, .name = "lblCargoHoldProgressPercBar", .idx = "0", .in = CargoHold, .tip = {Pulled},
         .tag = {"0"}, .at = [](int) { return Rect{90, 1230, 0, 165}; }, .look = {.back = 0x00C0FF}, .hidden = true},
        {.kind = K::Label, .name = "lblCargoHold", .idx = "0", .in = CargoHold, .text = {"0 m3"}, .tip = {Pulled},
         .at = [](int) { return Rect{90, 900, 1080, 240}; }, .look = Centred},
        {.kind = K::Label, .name = "lblStopMining", .idx = "0", .in = CargoHold, .text = {"STOP MINING!"},
         .tip = {" Stop Mining! "}, .at = [](int) { return Rect{45, 1500, 1170, 240}; },
         .look = {.fore = WarningRed, .fontSize = 7, .bold = true, .align = Centre}, .hidden = true},

        {.kind = K::TextBox, .name = "txtOreCalc", .idx = "0", .in = Calc, .tip = {UnitsThenMouse}, .tag = {"0"},
         .at = [](int) { return Rect{CX + 15, 915, 1410, 240}; }, .look = {.align = Right}},
        {.kind = K::CheckBox, .name = "chkSaveSettings", .idx = "0", .in = Settings, .text = {"Save Settings on Exit"},
         .at = [](int) { return Rect{240, 2700, 2400, 255}; }},

        // Timer settings panel.
        {.kind = K::Frame, .name = Settings, .text = {"Timer Settings"},
         .at = [](int) { return Rect{PanelLeft, PanelTop, wideFrame(1), RightPanelHeight}; }, .hidden = true},
        {.kind = K::Shape, .name = "Shape4", .in = Settings, .at = [](int) { return Rect{120, 300, 2640, 1980}; }},
        {.kind = K::Label, .name = "lblOrebellLabels", .idx = "6", .in = Settings, .text = {"Timer Refresh Rate"},
         .tip = {" Adjust to slower rate if experiencing timing errors "},
         .at = [](int) { return Rect{240, 390, 2400, 225}; }, .look = {.bold = true}},
        {.kind = K::OptionButton, .name = "optRefreshRate", .idx = "4,3,2,1,0", .in = Settings,
         .text = {"1/16 Sec.", "1/4   Sec.", "1/2   Sec.", "1 Second", "1/8   Sec."},
         .tag = {"62.5", "250", "500", "1000", "125"}, .selected = 0,
         .at = [](int i) {
             constexpr int row[] = {0, 2, 3, 4, 1}; // fastest first
             return Rect{240, 720 + row[i] * 300, 2400, 255};
         }},
        {.kind = K::CheckBox, .name = "chkVirtualRefining", .idx = "0", .in = Settings,
         .text = {"Virtual Refining"}, .tip = {" Disable if you are having timing problems "}, .value = 1,
         .at = [](int) { return Rect{240, 2400, 2400, 255}; }},

        // Help and sound panels.
        {.kind = K::Frame, .name = Help, .text = {"Help"},
         .at = [](int) { return Rect{PanelLeft, PanelTop, wideFrame(5), RightPanelHeight}; }, .hidden = true},
        {.kind = K::RichTextBox, .name = "rchtxtHelpFile", .in = Help,
         .at = [](int) { return Rect{120, 300, wideFrame(5) - 240, RightPanelHeight - 420}; },
         .look = {.back = BoxColor}},
        {.kind = K::Frame, .name = Sound, .text = {"Sound"},
         .at = [](int) { return Rect{PanelLeft, PanelTop, wideFrame(5), RightPanelHeight}; }, .hidden = true},
        {.kind = K::Label, .name = "lblLabel", .in = Sound, .text = {".WAV file Path:"},
         .at = [](int) { return Rect{2640, 330, 3000, 210}; }, .look = SmallLeft},
        {.kind = K::Shape, .name = "shpPathSoundEffectBorder", .idx = "0-5", .in = Sound,
         .at = [](int j) { return Rect{2625, 585 + 420 * j, 5130, 285}; }},
        {.kind = K::Shape, .name = "shpPathSoundEffectDelayBorder", .idx = "0,2,4", .in = Sound,
         .at = [](int j) { return Rect{8265, 585 + 420 * j, 570, 285}; }},
        {.kind = K::Shape, .name = "shpControlBtnBorder", .idx = "15-20", .in = Sound,
         .at = [](int b) { return Rect{7800, 585 + 420 * (b - 15), 390, 285}; }},
        {.kind = K::Label, .name = "lblBrowseSoundEffect", .idx = "0-5", .in = Sound, .text = {"..."},
         .tip = {" Browse "}, .at = [](int j) { return Rect{7815, 600 + 420 * j, 360, 255}; }, .look = ButtonLook},
        {.kind = K::TextBox, .name = "txtPathSoundEffect", .idx = "0,5,4,3,2,1", .in = Sound,
         .tip = {" Sound File Path "}, .tag = {"0"}, .at = [](int j) { return Rect{2640, 600 + 420 * j, 5100, 255}; }},
        {.kind = K::TextBox, .name = "txtSoundeEffectDelay", .idx = "4,2,0", .in = Sound,
         .text = {"15", "15", "45"}, .tip = {" 1-59 Seconds ", " 1-59 Seconds ", " 1-59 Minutes "}, .tag = {"0"},
         .at = [](int j) { return Rect{8280, 600 + 420 * j, 540, 255}; }, .look = {.align = Right}},
        {.kind = K::CheckBox, .name = "chkSoundEffect", .idx = "1,2,3,4,5,0", .in = Sound,
         .text = {"Cycle nearly complete", "Cycle complete", "Asteroid nearly depleted", "Asteroid depleted",
                  "Jetcan reminder", "Crystal change reminder"},
         .value = 1, .at = [](int j) { return Rect{120, 600 + 420 * j, 2400, 255}; }},

        // Estimated mineral yield panel: the ore-mined grid and a row per mineral.
        {.kind = K::Frame, .name = Yield, .text = {"Estimated Mineral Yield"},
         .at = [](int) { return Rect{PanelLeft, PanelTop, wideFrame(6), RightPanelHeight}; }, .hidden = true},
        {.kind = K::Grid, .name = "mshflexOreMined", .in = Yield, .at = [](int) { return OreGrid; },
         .look = {.back = BoxColor}},
        {.kind = K::Label, .name = "lblOreMined", .in = Yield, .text = {"Ore Mined:"},
         .at = [](int) { return Rect{120, 330, 2000, 210}; }, .look = SmallLeft},
        {.kind = K::Label, .name = "lblYieldProgressBar", .idx = "1,2", .in = Yield, .text = {"Refined", "Progress"},
         .tip = {" Minerals already refined ", FromOre},
         .at = [](int i) { return Rect{i == 1 ? 7545 : 9705, 330, i == 1 ? 1005 : 720, 210}; }, .look = SmallCentred},
        {.kind = K::Label, .name = "lblMineralYieldGoal", .idx = "0", .in = Yield, .text = {"Goal"}, .tip = {FromOre},
         .at = [](int) { return Rect{8625, 330, 1005, 210}; }, .look = SmallCentred},
        {.kind = K::Label, .name = "lblMinedFromOre", .idx = "1", .in = Yield, .text = {"Yield"}, .tip = {FromOre},
         .at = [](int) { return Rect{6465, 330, 1005, 210}; }, .look = SmallCentred},
        {.kind = K::PictureBox, .name = "Picture1", .idx = "8-15", .in = Yield,
         .tip = {" Morphite ", " Mexallon ", " Megacyte ", " Nocxium ", " Zydrine ", " Tritanium ", " Pyerite ",
                 " Isogen "},
         .at = [](int i) { return Rect{YieldPictureLeft, yieldRow(pictureMineral(i)) + 30, 195, 195}; },
         .backOf = mineralColor},
        {.kind = K::Label, .name = "lblMineral", .idx = "0-7", .in = Yield,
         .text = {"Isogen", "Megacyte", "Mexallon", "Morphite", "Nocxium", "Pyerite", "Tritanium", "Zydrine"},
         .at = [](int k) { return Rect{YieldPictureLeft + 255, yieldRow(k) + 15, 6405 - YieldPictureLeft - 255, 225}; }},
        {.kind = K::Shape, .name = "shpMinedBorder", .idx = "0-7,16-23", .in = Yield,
         .at = [](int b) { return Rect{b < 8 ? 6450 : 7530, yieldRow(b % 8) - 15, 1035, 285}; }},
        {.kind = K::Shape, .name = "shpGoalBorder", .idx = "0-7", .in = Yield,
         .at = [](int k) { return Rect{8610, yieldRow(k) - 15, 1035, 285}; }},
        {.kind = K::Shape, .name = "shpProgressYieldBorder", .idx = "0-7", .in = Yield,
         .at = [](int k) { return Rect{9690, yieldRow(k) + 30, 750, 195}; }},
        {.kind = K::Shape, .name = "shpStationYieldBorder", .idx = "8", .in = Yield,
         .at = [](int) { return around(OreGrid); }},
        {.kind = K::Label, .name = "lblYieldProgress_bkgrnd", .idx = "0-7", .in = Yield,
         .at = [](int k) { return Rect{9705, yieldRow(k) + 45, 720, 165}; }, .look = {.back = Black}},
        {.kind = K::Label, .name = "lblYieldProgressPercBar", .idx = "0-7", .in = Yield, .tag = {"0"},
         .at = [](int k) { return Rect{9705, yieldRow(k) + 45, 720, 165}; }, .look = {.back = 0x00C000},
         .hidden = true},
        {.kind = K::Shape, .name = "shpControlBtnBorder", .idx = "21,24", .in = Yield,
         .at = [](int b) { return Rect{b == 21 ? 120 : 1290, 3030, 1050, 300}; }},
        {.kind = K::Label, .name = "lblControlButton", .idx = "15,18", .in = Yield, .text = {"Reset", "Refine"},
         .tip = {" Reset Mining Mission ", " Refine Ore "},
         .at = [](int i) { return Rect{i == 15 ? 135 : 1305, 3045, 1020, 270}; },
         .look = {.back = Black, .fore = Grey, .align = Centre}},
        {.kind = K::TextBox, .name = "txtRefinedOre", .idx = "0-7", .in = Yield, .tag = {"0"},
         .at = [](int k) { return Rect{7545, yieldRow(k), 1005, 255}; }, .look = {.align = Right}},
        {.kind = K::TextBox, .name = "txtMineralsYieldGoal", .idx = "7-0", .in = Yield, .text = {"0"}, .tag = {"0"},
         .group = 1, .at = [](int k) { return Rect{8625, yieldRow(k), 1005, 255}; }, .look = {.align = Right}},
        {.kind = K::TextBox, .name = "txtMineralsMinedFromOre", .idx = "7-0", .in = Yield, .tag = {"0"}, .group = 1,
         .at = [](int k) { return Rect{6465, yieldRow(k), 1005, 255}; }, .look = {.align = Right}},

        // The ore calculator panel: skills on the left, the mineral table in the middle, figures right.
        {.kind = K::Frame, .name = Calc, .text = {"The Fastest Ore Calculator in Quasar"},
         .tip = {" 'The F.Ore.C.Q.' "},
         .at = [](int) { return Rect{PanelLeft, PanelTop, wideFrame(6), RightPanelHeight}; }, .hidden = true},
        {.kind = K::Label, .name = "lblProcessingSkillsLabel", .idx = "0", .in = Calc,
         .text = {"Ore Processing Skill Levels: (Enter 0-5)"},
         .tip = {" Mouse over ore labels to reference Mineral Yields "},
         .at = [](int) { return Rect{120, 645, 3900, 210}; }, .look = SmallLeft},
        {.kind = K::Shape, .name = "shpProcessingSkillBorder", .idx = "0-15", .in = Calc,
         .at = [](int k) { return Rect{1185 + (k / 8) * 1470, calcRow(k % 8) - 15, 360, 270}; }},
        {.kind = K::Label, .name = "lblProcessingSkills", .idx = "0-15", .in = Calc,
         .text = {"Veldspar", "Scordite", "Pyroxeres", "Plagioclase", "Omber", "Kernite", "Jaspet", "Hemorphite",
                  "Hedbergite", "Gneiss", "Ochre", "Spodumain", "Crokite", "Bistot", "Arkonor", "Mercoxit"},
         .tip = {" Click to Lock "},
         .at = [](int k) { return Rect{120 + (k / 8) * 1470, calcRow(k % 8), 1035, 240}; }},
        {.kind = K::Label, .name = "lblSelectedOreType", .idx = "0", .in = Calc, .text = {"Selected Ore Type"},
         .tip = {"Yield Per Refined Unit "}, .at = [](int) { return Rect{4260, 645, 2220, 210}; },
         .look = SmallCentred},
        {.kind = K::PictureBox, .name = "Picture1", .idx = "0-7", .in = Calc,
         .tip = {" Isogen ", " Megacyte ", " Mexallon ", " Morphite ", " Nocxium ", " Pyerite ", " Tritanium ",
                 " Zydrine "},
         .at = [](int m) { return Rect{3090, calcRow(m) + 30, 180, 180}; }, .backOf = mineralColor},
        {.kind = K::Label, .name = "lblMineral", .idx = "8-15", .in = Calc,
         .text = {"Zydrine", "Tritanium", "Pyerite", "Nocxium", "Morphite", "Mexallon", "Megacyte", "Isogen"},
         .at = [](int i) { return Rect{3330, calcRow(15 - i), 900, 240}; }},
        {.kind = K::Label, .name = "lblYieldProgressBar", .idx = "3", .in = Calc, .text = {"Mkt. Value"},
         .at = [](int) { return Rect{6510, 645, 720, 210}; }, .look = SmallCentred},
        {.kind = K::Shape, .name = "shpStationYieldBorder", .idx = "0-7,9-24", .in = Calc,
         .at = [](int b) {
             const int j = b < 8 ? b : b - 1; // the box it surrounds
             return Rect{4245 + (j / 8) * 750, calcRow(j % 8) - 15, 750, 270};
         }},
        {.kind = K::Shape, .name = "shpMarketValue", .idx = "0-7", .in = Calc,
         .at = [](int m) { return Rect{6495, calcRow(m) - 15, 750, 270}; }},
        {.kind = K::Shape, .name = "shpStationNetYieldBorder", .in = Calc,
         .at = [](int) { return Rect{1020, 3090, 570, 270}; }},
        {.kind = K::Shape, .name = "shpStationCommissionBorder", .in = Calc,
         .at = [](int) { return Rect{2940, 3090, 570, 270}; }},
        {.kind = K::Shape, .name = "Shape1", .in = Calc, .at = [](int) { return Rect{60, 600, 2940, 2430}; }},
        {.kind = K::Shape, .name = "Shape2", .in = Calc, .at = [](int) { return Rect{3030, 600, 4260, 2430}; }},
        {.kind = K::Label, .name = "lblRefinedYield", .idx = "0,2,3,5-8,10-12,14,15", .in = Calc,
         .text = {"Tax:", "Net yield:", "Commission:", "m3/minute:", "%", "%", "%", "Refinable Units/min:",
                  "isk/min:", "isk/hour:", "Minimum Units to Refine:", "/sec:"},
         .tip = {" Station Tax ", " Station Net Yield ", " Station Commission ", "", "", "", "", "", "", "", "",
                 ""},
         .at = [](int i) {
             switch (i) {
             case 2: return Rect{120, 3120, 870, 210};   // net yield, commission and tax along the bottom
             case 6: return Rect{1620, 3120, 180, 210};
             case 3: return Rect{1860, 3120, 1050, 210};
             case 7: return Rect{3540, 3120, 180, 210};
             case 0: return Rect{3780, 3120, 450, 210};
             case 8: return Rect{4860, 3120, 180, 210};
             case 14: return Rect{CX, 1755, 1920, 210};  // results in the right-hand column
             case 5: return Rect{CX, 2025, 1920, 210};
             case 10: return Rect{CX, 2295, 1920, 210};
             case 11: return Rect{CX, 2565, 900, 210};
             case 15: return Rect{CX + 1860, 2565, 390, 210};
             default: return Rect{CX, 2835, 900, 210}; // 12: isk/hour
             }
         },
         .look = SmallLeft},
        {.kind = K::Label, .name = "lblOreMinute", .idx = "0", .in = Calc, .text = {"0"},
         .tip = {" m3 per minute based on your timer settings for the number of timers showing  "},
         .at = [](int) { return Rect{CX + 1950, 2025, 1080, 210}; }, .look = SmallRight},
        {.kind = K::Label, .name = "lblRefinableUnits", .idx = "0", .in = Calc, .text = {"0"},
         .tip = {" Refinable units per minute "}, .at = [](int) { return Rect{CX + 1950, 2295, 1080, 210}; },
         .look = SmallRight},
        {.kind = K::Label, .name = "lbliskPerMinute", .idx = "0,1", .in = Calc, .text = {"000,000", "00,000"},
         .at = [](int i) { return i == 0 ? Rect{CX + 900, 2565, 930, 210} : Rect{CX + 2250, 2565, 780, 210}; },
         .look = SmallRight},
        {.kind = K::Label, .name = "lbliskPerHour", .idx = "0", .in = Calc, .text = {"0"},
         .at = [](int) { return Rect{CX + 900, 2835, 2130, 210}; }, .look = SmallRight},
        {.kind = K::TextBox, .name = "txtMarketValue", .idx = "7-0", .in = Calc,
         .text = {"100", "3500", "12", "5000", "400", "6", "2.5", "1500"}, .tip = {" Enter Fair Market Value "},
         .tag = {"0"}, .at = [](int m) { return Rect{6510, calcRow(m), 720, 240}; }, .look = {.align = Right}},
        {.kind = K::TextBox, .name = "txtRefinableUnit", .idx = "0", .in = Calc, .text = {"000"},
         .tip = {" Units to Refine "}, .tag = {"0"}, .at = [](int) { return Rect{CX + 1950, 1740, 1080, 240}; },
         .look = BoxedRight},
        {.kind = K::TextBox, .name = "txtStationYield", .idx = "23-8,0-7", .in = Calc, .text = {"000"},
         .tip = {" Station Yield "}, .tag = {"0"},
         .at = [](int j) { return Rect{4260 + (j / 8) * 750, calcRow(j % 8), 720, 240}; },
         .look = {.align = Right}},
        {.kind = K::TextBox, .name = "txtStationTax", .idx = "0", .in = Calc, .text = {"0"}, .tip = {" Station Tax "},
         .tag = {"0"}, .at = [](int) { return Rect{4275, 3105, 540, 240}; }, .look = BoxedRight},
        {.kind = K::TextBox, .name = "txtProcessingSkill", .idx = "15-0", .in = Calc, .text = {"0"}, .tag = {"0"},
         .at = [](int k) { return Rect{1200 + (k / 8) * 1470, calcRow(k % 8), 330, 240}; },
         .look = {.align = Centre}},
        {.kind = K::TextBox, .name = "txtStationCommsission", .idx = "0", .in = Calc, .text = {"5"},
         .tip = {" Station Commission "}, .tag = {"0"}, .at = [](int) { return Rect{2955, 3105, 540, 240}; },
         .look = {.align = Right}},
        {.kind = K::TextBox, .name = "txtStationNetYield", .idx = "0", .in = Calc, .text = {"96.2"},
         .tip = {" Station Net Yield "}, .tag = {"0"}, .at = [](int) { return Rect{1035, 3105, 540, 240}; },
         .look = {.align = Right}},
        {.kind = K::ComboBox, .name = "cboRoidType", .idx = "7", .in = Calc, .style = 2,
         .at = [](int) { return Rect{CX + 1170, 255, 1860, 285}; }},
        {.kind = K::ComboBox, .name = "cboStation_Refinery", .idx = "0", .in = Calc,
         .at = [](int) { return Rect{3630, 255, 1950, 285}; }},

        // Refining goals watch panel.
        {.kind = K::Frame, .name = Goals, .text = {"Refining Goals"}, .tag = {"0"},
         .at = [](int) { return Rect{WatchLeft, WatchTop, 1260, 3360}; }, .look = {.fontSize = 7}, .hidden = true},
        {.kind = K::Label, .name = "lblMinedFromOre", .idx = "0", .in = Goals, .text = {"Yield"}, .tip = {FromOre},
         .at = [](int) { return Rect{330, 300, 840, 210}; }, .look = SmallCentred},
        {.kind = K::PictureBox, .name = "Picture1", .idx = "16-23", .in = Goals,
         .tip = {" Morphite ", " Mexallon ", " Megacyte ", " Nocxium ", " Zydrine ", " Tritanium ", " Pyerite ",
                 " Isogen "},
         .at = [](int i) { return Rect{90, watchRow(pictureMineral(i)) + 30, 195, 195}; }, .backOf = mineralColor},
        {.kind = K::Shape, .name = "shpMinedBorder", .idx = "8-15", .in = Goals,
         .at = [](int b) { return Rect{315, watchRow(b - 8) - 15, 870, 285}; }},
        {.kind = K::TextBox, .name = "txtMineralsMinedFromOre", .idx = "15-8", .in = Goals, .tag = {"0"},
         .at = [](int i) { return Rect{330, watchRow(i - 8), 840, 255}; }, .look = {.align = Right}},

        // Laser panels, slot i = 0 to 6, and their row headings beside slot 0.
        {.kind = K::Label, .name = "lblOrebellLabels", .idx = "0-5",
         .text = {"Next Roid Type", "Units of Ore", "Current Roid", "Timers", "Mining Rate", "Cycle Duration"},
         .tip = {"", Scanner, "", "", "", ""},
         .at = [](int r) {
             // "Current Roid" reads from the top of the two-line ore name beside it.
             constexpr int top[] = {345, 675, 945, 1590, 3015, 3345};
             return Rect{WatchLeft + 45, top[r], 1185, r == 2 ? 345 : 210};
         },
         .look = Heading},
        {.kind = K::Shape, .name = "shpGroupBox", .idx = "0-6",
         .at = [](int i) { return Rect{slotLeft(i) + 60, 1500, 1215, 1440}; }},
        {.kind = K::Shape, .name = "shpRoidBorder", .idx = "0-6",
         .at = [](int i) { return Rect{slotInner(i) - 15, 615, SlotWidth + 30, 300}; }},
        {.kind = K::Shape, .name = "shpRateBorder", .idx = "0-6",
         .at = [](int i) { return Rect{slotInner(i) - 15, 2970, SlotWidth + 30, 285}; }},
        {.kind = K::Shape, .name = "shpCycleDurBorder", .idx = "0-7",
         .at = [](int i) {
             if (i == 7) // around the number of timers
                 return Rect{1095, 270, 450, 285};
             return Rect{slotInner(i) - 15, 3300, SlotWidth + 30, 285};
         }},
        {.kind = K::Shape, .name = "shpDoubleDownBorder", .idx = "0-13",
         .at = [](int b) { return Rect{slotInner(b / 2) + (b % 2 ? 795 : 0) - 15, 2625, 330, 270}; }},
        {.kind = K::Label, .name = "lblOreName", .idx = "0-6", .text = {"Ore"}, .tag = {"0"},
         .at = [](int i) { return Rect{slotInner(i), 945, SlotWidth, 345}; }, .look = SmallCentred},
        {.kind = K::Label, .name = "lblSizeOfRoid", .idx = "0-6", .tip = {ChangeColor},
         .at = [](int i) { return Rect{slotInner(i), 1290, SlotWidth, 210}; }, .look = SmallCentred},
        {.kind = K::Label, .name = "lblProgress_bkgrnd", .idx = "0-6", .tip = {ChangeColor},
         .at = [](int i) { return Rect{slotInner(i), 1845, SlotWidth, 120}; }, .look = {.back = Black}},
        {.kind = K::Label, .name = "lblProgress", .idx = "0-6", .tip = {ChangeColor}, .tag = {"0"},
         .at = [](int i) { return Rect{slotInner(i), 1845, SlotWidth, 120}; }, .look = {.back = 0x00FFFF},
         .hidden = true},
        {.kind = K::Label, .name = "lblCycleCountdown", .idx = "0-6", .text = {"Depleted"},
         .tip = {" Time left in cycle "}, .tag = {"180"},
         .at = [](int i) { return Rect{slotInner(i), CountdownTop, SlotWidth, 270}; }, .look = SmallCentred},
        {.kind = K::Label, .name = "lblTimeLeft", .idx = "0-6", .text = {"00:00"}, .tip = {" Time to deplete "},
         .at = [](int i) { return Rect{slotInner(i), 1995, SlotWidth, 225}; }, .look = {.fore = 0xFF8080, .align = Centre}},
        {.kind = K::CommandButton, .name = "btnActivateTimer", .idx = "0-6", .text = {"1"},
         .at = [](int i) { return Rect{slotInner(i), 2265, SlotWidth, 300}; }},
        {.kind = K::Label, .name = "lblMinusOne", .idx = "0-6", .text = {"-1"}, .tip = {" Double Down Laser "},
         .at = [](int i) { return Rect{slotInner(i), 2640, 300, 240}; }, .look = ButtonLook},
        {.kind = K::Label, .name = "lblNumFocused", .idx = "0-6", .text = {"+"}, .tip = {" Number of focused lasers "},
         .at = [](int i) { return Rect{slotInner(i) + 330, 2640, 435, 240}; }, .look = SmallCentred},
        {.kind = K::Label, .name = "lblPlusOne", .idx = "0-6", .text = {"+1"}, .tip = {" Double Up Laser "},
         .at = [](int i) { return Rect{slotInner(i) + 795, 2640, 300, 240}; }, .look = ButtonLook},
        {.kind = K::Timer, .name = "tmrMiningLaser", .idx = "0-6", .tag = {"0"}},
        {.kind = K::ComboBox, .name = "cboRoidType", .idx = "6-1", .group = 2, .style = 2,
         .at = [](int i) { return Rect{slotInner(i), 285, SlotWidth, 300}; }, .look = OreList},
        {.kind = K::TextBox, .name = "txtMiningRate", .idx = "6-1", .tip = {" From laser Info "}, .tag = {"0"},
         .group = 2, .at = [](int i) { return Rect{slotInner(i), 2985, SlotWidth, 255}; }, .look = {.align = Right}},
        {.kind = K::TextBox, .name = "txtCycleDurationInSeconds", .idx = "6-1", .tag = {"0"}, .group = 2,
         .at = [](int i) { return Rect{slotInner(i), 3315, SlotWidth, 255}; }, .look = {.align = Right}},
        {.kind = K::TextBox, .name = "txtCycleDurationInSeconds", .idx = "0", .tag = {"0"},
         .at = [](int i) { return Rect{slotInner(i), 3315, SlotWidth, 255}; }, .look = {.align = Right}},
        {.kind = K::TextBox, .name = "txtMiningRate", .idx = "0", .tip = {" From laser Info "}, .tag = {"0"},
         .at = [](int i) { return Rect{slotInner(i), 2985, SlotWidth, 255}; }, .look = {.align = Right}},
        {.kind = K::ComboBox, .name = "cboRoidType", .idx = "0", .style = 2,
         .at = [](int i) { return Rect{slotInner(i), 285, SlotWidth, 300}; }, .look = OreList},
        {.kind = K::TextBox, .name = "txtSizeOfRoid", .idx = "0-6", .tip = {Scanner}, .tag = {"0"},
         .at = [](int i) { return Rect{slotInner(i), 630, SlotWidth, 270}; }, .look = {.align = Right}},

        // Jet-can clocks in panel A.
        {.kind = K::Shape, .name = "shpJetButtonBorder", .idx = "0-3",
         .at = [](int r) { return around(jetButton(r)); }},
        {.kind = K::Shape, .name = "shpJetCanNameBorder", .idx = "0-3",
         .at = [](int r) { return around(jetName(r)); }},
        {.kind = K::Shape, .name = "shpClockTimerBorder", .idx = "0-3",
         .at = [](int r) { return around(jetClock(r)); }},
        {.kind = K::Label, .name = "lblJetButton", .idx = "0-3", .text = {"JET"}, .tip = {" Start Jetcan Timer "},
         .at = jetButton, .look = ButtonLook},
        {.kind = K::Label, .name = "lblClockTimer", .idx = "0-3", .text = {"00:00"}, .tip = {" Jetcan age "},
         .at = jetClock, .look = {.back = 0x404040, .fontSize = 7, .align = Centre}},
        {.kind = K::Timer, .name = "tmrJetCan", .idx = "0-3"},
        {.kind = K::TextBox, .name = "txtJetCanName", .idx = "0,2,3,1", .tip = {" Jetcan Name "}, .tag = {"0"},
         .at = jetName, .look = {.fontSize = 7}},

        // Refining progress watch panel.
        {.kind = K::Frame, .name = Progress, .text = {"Refining Goals"}, .tag = {"0"},
         .at = [](int) { return Rect{WatchLeft, WatchTop, 1260, 3360}; }, .look = {.fontSize = 7}, .hidden = true},
        {.kind = K::Label, .name = "lblYieldProgressBar", .idx = "0", .in = Progress, .text = {"Progress"},
         .tip = {FromOre}, .at = [](int) { return Rect{330, 300, 840, 210}; }, .look = SmallCentred},
        {.kind = K::PictureBox, .name = "Picture1", .idx = "24-31", .in = Progress,
         .tip = {" Morphite ", " Mexallon ", " Megacyte ", " Nocxium ", " Zydrine ", " Tritanium ", " Pyerite ",
                 " Isogen "},
         .at = [](int i) { return Rect{90, watchRow(pictureMineral(i)) + 30, 195, 195}; }, .backOf = mineralColor},
        {.kind = K::Shape, .name = "shpProgressYieldBorder", .idx = "8-15", .in = Progress,
         .at = [](int b) { return Rect{315, watchRow(b - 8) + 30, 870, 195}; }},
        {.kind = K::Label, .name = "lblYieldProgress_bkgrnd", .idx = "8-15", .in = Progress,
         .at = [](int b) { return Rect{330, watchRow(b - 8) + 45, 840, 165}; }, .look = {.back = Black}},
        {.kind = K::Label, .name = "lblYieldProgressPercBar", .idx = "8-15", .in = Progress, .tag = {"0"},
         .at = [](int b) { return Rect{330, watchRow(b - 8) + 45, 840, 165}; }, .look = {.back = 0x00C000},
         .hidden = true},

        // Session clock, time to mine and the number of timers, in panel A.
        {.kind = K::Shape, .name = "shpSessionTimerBorder", .at = [](int) { return Rect{AX - 15, 630, AW + 30, 300}; }},
        {.kind = K::Label, .name = "lbSessionTimer", .text = {"00:00:00"}, .tip = {" Jetcan age "},
         .at = [](int) { return Rect{AX, 645, AW, 270}; }, .look = Centred},
        {.kind = K::Timer, .name = "tmrSessionTimer"},
        {.kind = K::Label, .name = "lblTimeToMine", .idx = "0", .text = {"00:00:00"},
         .at = [](int) { return Rect{AX, 1230, AW, 225}; }, .look = Centred},
        {.kind = K::TextBox, .name = "txtLasers", .idx = "0", .text = {"1"}, .tip = {" Number of Timers "},
         .tag = {"0"}, .at = [](int) { return Rect{1110, 285, 420, 255}; }, .look = {.align = Centre}},

        // The minimised window: drawn over everything it covers; the caption is written on the picture.
        {.kind = K::Image, .name = "imgMinimized", .at = [](int) { return Rect{0, 0, 480, 480}; },
         .look = {.back = BoxColor, .border = 0x808080, .borderStyle = 1}, .hidden = true},
        {.kind = K::Label, .name = "lblMinimize", .text = {"OB"}, .tip = {" Orebell "},
         .at = [](int) { return Rect{0, 120, 480, 240}; },
         .look = {.fore = 0xE0E0E0, .fontSize = 6.75, .bold = true, .align = Centre}, .hidden = true},
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

// The look every control of a kind starts with: a dark panel, light grey text, black buttons.
Look kindLook(ControlKind kind)
{
    switch (kind) {
    case K::TextBox:
    case K::ComboBox:
    case K::RichTextBox:
    case K::Grid:
        return {.back = BoxColor, .fore = Grey, .fontSize = 8};
    case K::CommandButton:
        return {.back = 0x404040, .fore = Grey, .fontSize = 8, .bold = true, .align = Centre};
    case K::Shape:
        return {.border = 0x606060, .borderStyle = 1};
    case K::PictureBox:
        return {.back = PanelColor, .border = 0x606060, .borderStyle = 1};
    case K::Frame:
        return {.back = PanelColor, .fore = Grey, .borderStyle = 1, .fontSize = 8};
    default:
        return {.back = PanelColor, .fore = Grey, .fontSize = 8};
    }
}

void applyLook(Control& c, const Look& look)
{
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
    c.setStyle(row.style);
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
    applyLook(c, kindLook(row.kind));
    applyLook(c, row.look);
    if (row.backOf)
        c.setBackColor(static_cast<Color>(row.backOf(index)));
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
        auto add = [&](const InventoryRow& row, int index, std::size_t pos) {
            addElement(form, row, index, pos);
        };
        if (longest == 0) {
            add(rows[r], -1, 0);
        } else {
            for (std::size_t p = 0; p < longest; ++p)
                for (std::size_t k = r; k < end; ++k) {
                    const auto& list = indexes[k - r];
                    if (p < list.size())
                        add(rows[k], list[p], ascendingPosition(list, list[p]));
                }
        }
        r = end;
    }

    // The window as the load sequence sizes it, for one laser panel.
    const int height = form.control(QStringLiteral("lblControlButton"), 0).height() +
                       form.control(QStringLiteral("shpBox")).height() + 45;
    form.move(WindowLeft, WindowTop, PanelStep + 2890, height);
    form.setBackColor(PanelColor);
}

} // namespace orebell
