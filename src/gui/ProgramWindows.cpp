#include "gui/ProgramWindows.h"

#include "app/Program.h"

namespace orebell {

ProgramWindows::ProgramWindows(Program& program, MessageBoxService& messages)
    : program_(program), messages_(messages), main_(std::make_unique<FormView>(program.mainForm(), &messages))
{
    if (Form* open = program.browseForm())
        browseFormChanged(open);
    program.onBrowseFormChanged([this](Form* form) { browseFormChanged(form); });
}

ProgramWindows::~ProgramWindows()
{
    program_.onBrowseFormChanged({});
    if (chooser_)
        chooser_->release();
}

void ProgramWindows::browseFormChanged(Form* form)
{
    if (chooser_) {
        // The chooser's form is closing (or gone): the view lets go of it before it is freed.
        chooser_->release();
        chooser_->close();
        chooser_->deleteLater();
        chooser_ = nullptr;
    }
    if (form) // a window of its own, kept above the main window
        chooser_ = new FormView(*form, &messages_, main_.get());
}

} // namespace orebell
