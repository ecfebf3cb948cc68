#pragma once

#include "data/Palette.h"
#include "toolkit/Control.h"
#include "toolkit/Form.h"
#include "toolkit/Platform.h"

#include <QString>

#include <cstdint>

namespace orebell {

struct Shared;

// The main window's button bar (lblControlButton 0..18): the panels it switches, the watch-panel
// cycle, timer panels added and removed, Reset and Refine, minimise and restore, dragging by the
// title, the web page, closing with save, and the hover highlighting of the window's label buttons.
class ControlBar {
public:
    int timerCount() const; // txtLasers(0) as a count from 1 to 7: the laser panels shown
    // The program's web page, opened by the "i" button.
    static constexpr const char* WebPageAddress = "https://orebell.github.io/";

    static constexpr Color RestColor = palette::ButtonRest;
    static constexpr Color SelectedColor = palette::ButtonSelected;
    static constexpr Color HoverColor = palette::ButtonHover;
    static constexpr Color PanelColor = palette::PanelColor;

    ControlBar(Form& main, Shared& shared, Platform& platform);

    void lblControlButton_Click(int Index);
    void lblControlButton_MouseDown(int Index, int Button, int Shift, double X, double Y);
    void lblControlButton_MouseMove(int Index, int Button, int Shift, double X, double Y);
    void Form_MouseMove(int Button, int Shift, double X, double Y);
    void lblPlusOne_MouseMove(int Index);
    void lblMinusOne_MouseMove(int Index);
    void lblJetButton_MouseMove(int Index);
    void fraRefinedOreYield_MouseMove();
    void fraRefineryYield_MouseMove();
    void fraSettings_MouseMove();
    void lblMinimize_Click();
    void imgMinimized_Click();

    // Paints elements 0..intNumButtons of a control array (selected buttons keep their colour),
    // then the title, minimise and close buttons in the panel colour.
    void SetButtonBackColor(const QString& ctlControl, Color lngColor, int intNumButtons);
    void ClearButtonTags();

    // Saves the session and ends the program: the "X" button and the system's close request.
    void CloseProgram();

private:
    void switchPanel(int index, const QString& frame, int showTimersArgument);
    void showTimerView();
    void cycleWatchPanels();
    void changeTimerCount(int delta);
    bool laserRunning(); // a start button shows "!"
    void resetMission();
    void refine();
    void minimise();
    void selectButton(int index);
    Control& button(int index);
    Control& control(const QString& name, int index = -1);

    Form& main_;
    Shared& shared_;
    Platform& platform_;
    std::int32_t DragOffsetX = 0;
    std::int32_t DragOffsetY = 0;
    bool saveFailed_ = false; // a second close after a failed save leaves without saving
};

} // namespace orebell
