#pragma once

#include "toolkit/Form.h"
#include "toolkit/Platform.h"

#include <QString>

#include <cstdint>
#include <functional>

namespace orebell {

struct Shared;

// frmBrowse, the sound file chooser: a small frameless window that stays on top, with a folder
// list `Dir1` (its folder in text() and path(), its subfolders as list items) and a file list
// `File1` (the folder's files as list items, the selected name in text()). Accepting a name that
// ends in "wav" or "WAV" writes its full path into the main window's path box of the row being
// edited. Closing always unloads the window; the owner is told through `closed`.
class BrowseForm {
public:
    BrowseForm(Form& main, Shared& shared, Platform& platform, int selectedSoundIndex,
               std::function<void()> playClick, std::function<void()> closed);
    ~BrowseForm();
    BrowseForm(const BrowseForm&) = delete;
    BrowseForm& operator=(const BrowseForm&) = delete;

    Form& form() { return form_; }

    void Form_Load();
    void Form_Activate();
    void Dir1_Change();
    void File1_DblClick();
    void lblAccept_Click(int Index);
    void lblCancel_Click(int Index);
    void Form_MouseDown(int Button, int Shift, double X, double Y);
    void Form_MouseMove(int Button, int Shift, double X, double Y);
    void lblSelectSound_MouseDown(int Button, int Shift, double X, double Y);
    void lblSelectSound_MouseMove(int Button, int Shift, double X, double Y);
    void lblAccept_MouseMove(int Index);
    void lblCancel_MouseMove(int Index);

private:
    void build();
    void showFolder(const QString& folder);
    void dragTo(int Button, double X, double Y);
    void close();

    Form form_;
    Form& main_;
    Shared& shared_;
    Platform& platform_;
    int selectedSoundIndex_;
    std::function<void()> playClick_;
    std::function<void()> closed_;

    std::int32_t ChooserDragX = 0;
    std::int32_t ChooserDragY = 0;
    QString folder_;       // the folder both lists show
    bool syncing_ = false; // Dir1's text and path are being brought into step
    bool closing_ = false;
};

} // namespace orebell
