#pragma once

#include "toolkit/Form.h"
#include "toolkit/Platform.h"

#include <QString>
#include <QStringList>

#include <span>

namespace orebell {

struct Shared;

// The Settings module. The routines know no control by name: they walk a window's controls in
// control order and store each by its kind, so a control added to the window is stored too.
// `app` is the store's application name, the program's file name without extension.

// Section "Settings": check boxes and option buttons under their caption (value) and caption +
// " Enabled"; text and combo boxes of control arrays under name + index (text); frames under
// their name (tag). A failing check box or option button ends the save (the exception reaches
// the caller); the failures of the other kinds are absorbed.
void SaveSettings(SettingsStore& store, const QString& app, Form& form);
// Puts every stored item back, firing the controls' handlers as a user's change would. Each step
// absorbs its own failure. A missing key empties a text box or a frame tag; a check box or
// option button keeps its value when the stored text is empty or unfit. Returns what it found
// damaged and repaired, in words for the player (a number format contradicted by the store).
QStringList LoadSettings(SettingsStore& store, const QString& app, Form& form);

// "Xpos" and "Ypos" in the section named after the window, as single-precision number text.
void SaveWindowPosition(SettingsStore& store, const QString& app, Form& form);
// Moves the window to the stored position; with either value missing or not a usable number
// the window stays where it is. Never fails.
void LoadWindowPosition(SettingsStore& store, const QString& app, Form& form);

// The ore-mined grid in sections "<grid name> <row>". keys(c) is the header of column c; empty
// keys are skipped (the program passes its four-slot header array whose last slot is empty).
// Deletes the rows of the previous save, then writes the header row with "Rows" (the number of
// data rows) and every row. A failing write ends the save (the exception reaches the caller).
void SaveGrid(SettingsStore& store, const QString& app, Control& grid, std::span<const QString> keys);
// Restores the rows of the last save. Never fails: a missing or damaged store gives the empty
// grid (header row and one empty row) or empty cells; rows without an ore name are dropped and
// count cells that are not numbers are emptied (an empty count reads as 0). Rows under a damaged
// section name are recovered after the others and their sections removed; counts are read in the
// format they fit when the stored one does not. Returns what it repaired, in words for the player.
QStringList LoadGrid(SettingsStore& store, const QString& app, Control& grid, std::span<const QString> keys);

// The keys SaveSettings, SaveWindowPosition and SaveGrid write for this window, for repairing a
// damaged store. Holds copies only, so it outlives the window.
SettingsStore::KnownKey KnownStoreKeys(const Form& form);

// The store subsystem of the main window. Sets the routines SaveAll, SaveOnExit, LoadSettings,
// LoadWindowPosition and LoadGrid, keeps "Save Settings on Exit" unticked, and tells the store
// which keys are the program's.
class SessionStore {
public:
    SessionStore(Form& main, Shared& shared, Platform& platform);
    ~SessionStore();
    SessionStore(const SessionStore&) = delete;
    SessionStore& operator=(const SessionStore&) = delete;

    // The close button's save: grid, control settings, window position, then one write of the
    // store. Each part is tried even when another fails; what could not be saved is raised as one
    // RuntimeError at the end (the close command tells the player and keeps the window open).
    void saveAll();
    // The save of every other orderly exit (system close, end of the desktop session, a
    // terminating signal): the same save, silent, and only when something stored changed since
    // the last save, so that an exit saves once whichever ways it is announced. False when it
    // failed (logged).
    bool saveOnExit();

    // The restoring routines of the load and activation sequences. The window position and the
    // grid are restored at the first call only: a later activation must not move the window back
    // nor replace the rows mined since.
    void loadSettings();
    void loadWindowPosition();
    void loadGrid();

    bool restored() const { return restored_; }
    // What the restore found damaged and repaired, once, in words for the player (a copy of the
    // store as found is kept first); empty when there is nothing to tell.
    QString takeNotice();

private:
    // The failures, in words; empty when everything was written.
    QStringList save();
    QString app() const;
    void note(const QStringList& repairs);

    Form& main_;
    Shared& shared_;
    Platform& platform_;
    int observer_ = 0;
    int formObserver_ = 0;
    bool positionRestored_ = false;
    bool restored_ = false;
    bool savedOnce_ = false;
    bool told_ = false;
    QStringList repairs_;
    quint64 changes_ = 0;
    quint64 changesAtSave_ = 0;
};

} // namespace orebell
