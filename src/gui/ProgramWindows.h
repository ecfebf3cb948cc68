#pragma once

#include "gui/FormView.h"
#include "gui/KeyboardAccess.h"
#include "gui/MiningLogOpener.h"

#include <QPointer>

#include <memory>

namespace orebell {

class Program;
class MessageBoxService;

// The program's windows on the screen: the main window's view for as long as the program runs,
// and the sound chooser's view while the program has the chooser open.
class ProgramWindows {
public:
    ProgramWindows(Program& program, MessageBoxService& messages,
                   MiningLogWindowMaker makeLogWindow = linkedMiningLogWindow());
    ~ProgramWindows();
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    FormView& mainView() { return *main_; }
    // Raises and activates the main window, minimised or not (a second start asked for it).
    void bringToFront();
    KeyboardAccess& keyboard() { return *keyboard_; }
    FormView* chooserView() const { return chooser_; }
    MiningLogOpener* miningLog() const { return miningLog_; } // null without a log

private:
    void browseFormChanged(Form* form);

    Program& program_;
    MessageBoxService& messages_;
    std::unique_ptr<FormView> main_;
    std::unique_ptr<KeyboardAccess> keyboard_; // goes before the view it serves
    QPointer<FormView> chooser_;
    MiningLogOpener* miningLog_ = nullptr; // owned by the main view
};

} // namespace orebell
