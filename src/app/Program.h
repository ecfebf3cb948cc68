#pragma once

#include "toolkit/Form.h"
#include "toolkit/Platform.h"

#include <memory>

namespace orebell {

struct Shared;

// The whole program over one platform: the entry routine, the main window and its subsystems.
class Program {
public:
    explicit Program(Platform& platform);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // The entry routine: the laser table, the main window's load sequence, show, first activation.
    void run();

    Form& mainForm();
    Form* browseForm(); // the sound file chooser while it is open, else null
    Shared& shared();
    Platform& platform();

    // Set when the browse window opens or closes, so a view can show or drop it.
    void onBrowseFormChanged(std::function<void(Form*)> observer);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace orebell
