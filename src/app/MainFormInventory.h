#pragma once

#include "toolkit/Control.h"
#include "toolkit/Form.h"

#include <vector>

namespace orebell {

// Where one element of a row sits, in twips inside its container.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The geometry rule of a row: element index to rectangle (slot i of a laser array at i x 1320, ...).
using PlaceRule = Rect (*)(int index);

// Colours and font of a row; a negative value (or 0 points) keeps the kind's default look.
struct Look {
    long long back = -1;
    long long fore = -1;
    long long border = -1;
    int borderStyle = -1;
    double fontSize = 0;
    bool bold = false;
    int align = -1; // 0 left, 1 right, 2 centre
};

// One row of the main window's inventory: a control, a control array, or a run of an array's
// elements when the control order visits the array in pieces.
struct InventoryRow {
    ControlKind kind;
    const char* name;
    // The elements in control order: "" a single control, else ranges such as "0-6", "4,3,2,1,0",
    // "23-8,0-7".
    const char* idx = "";
    const char* in = ""; // the frame the control sits in; "" the window
    // Caption (or a text box's text): none, one for every element, or one per element in
    // ascending index order. Tool tips and tags follow the same rule.
    std::vector<const char*> text = {};
    std::vector<const char*> tip = {};
    std::vector<const char*> tag = {};
    int value = 0;     // check boxes: 1 ticked
    int selected = -1; // option buttons: the element that starts selected
    bool on = false;   // a timer that starts enabled
    int group = 0;     // adjacent rows of one non-zero group are walked element by element together
    int style = 0;     // combo boxes: 2 a drop-down list (choice only)
    PlaceRule at = nullptr;
    Look look = {};
    bool hidden = false;
    long long (*backOf)(int index) = nullptr; // a back colour per element
};

// The main window's controls, in control order (the order the settings store walks).
const std::vector<InventoryRow>& mainFormInventory();

// The element indexes of an index list, in their written order ("4,3,2,1,0"; "23-8,0-7").
std::vector<int> parseIndexes(const char* list);

// Adds every control of the inventory to an empty form, with its design texts, tags, values,
// geometry and look, and sets the window's design size, position and colour.
void buildMainForm(Form& form);

// Design values the program's geometry relies on.
namespace design {
inline constexpr int PanelWidth = 1335;  // shpBox: one laser panel
inline constexpr int PanelStep = 1320;   // laser panels overlap by one pixel
inline constexpr int ButtonBorder = 255; // shpControlBtnBorder(n) widths
inline constexpr int TitleHeight = 240;  // the title strip and lblControlButton(0)
inline constexpr int LaserLeft = 2850;   // slot 0 of the laser panels
inline constexpr int PanelLeft = 255;    // right-hand panels when opened
inline constexpr int PanelTop = 240;
inline constexpr int WatchLeft = 1575; // watch panels beside the timers
inline constexpr int WatchTop = 255;
inline constexpr int PanelHeight = 3390; // shpBox: the height of a laser panel
inline constexpr int WindowLeft = 600;   // where the window stands before a stored position
inline constexpr int WindowTop = 600;

inline constexpr Color PanelColor = 0x2F2931;
inline constexpr Color LightGrey = 0xC0C0C0;
} // namespace design

} // namespace orebell
