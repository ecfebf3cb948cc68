#pragma once

#include "toolkit/Form.h"
#include "toolkit/Platform.h"

namespace orebell {

struct Shared;

// Keeps a window in the topmost band (onTop true) or takes it out. Returns the platform's
// result when putting it on top, 0 otherwise.
int SetAlwaysOnTop(Platform& platform, Form& window, bool onTop);

// The main window's lifecycle: its load sequence (settings, sounds, title, ore lists, mineral
// table, defaults, layout, timer view), its activation sequence, and its unload, which ends the
// program.
class MainWindow {
public:
    MainWindow(Form& main, Shared& shared, Platform& platform);

    void Form_Load();
    void Form_Activate();

    // True once the load sequence failed: the program has been asked to end and the window must
    // not be shown.
    bool loadFailed() const { return loadFailed_; }

private:
    void loadSequence();
    void activationSequence();
    void fillOreLists();
    void applyDefaults();
    void showTimerCount();
    void layOutGrid();
    void restorePanel();
    bool settingsPanelOpen();
    void keepOnScreen();
    Control& control(const char* name, int index = -1);

    Form& main_;
    Shared& shared_;
    Platform& platform_;
    bool loadFailed_ = false;
    bool activated_ = false;
};

} // namespace orebell
