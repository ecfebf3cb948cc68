#pragma once

#include "platform/HandOverLine.h"
#include "toolkit/MiningLog.h"
#include "toolkit/Platform.h"

#include <QString>

#include <functional>
#include <memory>

class QObject;
class QWidget;

namespace orebell {

// The parts of the shipped program that need heavy libraries (the sound player with Qt
// Multimedia, the mining log's SQLite file with Qt SQL, its window with Qt Charts, the line a
// second copy hands over through with Qt Network) are built as
// modules beside the executable and loaded when first needed, so a session that never uses them
// neither loads nor relocates those libraries. Tests and benchmarks of one part link it directly.

// The entry point each module exports, by name; the caller owns what it returns.
namespace module {
inline constexpr char Sound[] = "orebell-sound";
inline constexpr char Log[] = "orebell-log";
inline constexpr char LogWindow[] = "orebell-logwindow";
inline constexpr char HandOver[] = "orebell-handover";
inline constexpr char MakeSoundPlayer[] = "orebell_make_sound_player";
inline constexpr char MakeMiningLog[] = "orebell_make_mining_log";
inline constexpr char MakeMiningLogWindow[] = "orebell_make_mining_log_window";
inline constexpr char MakeHandOverLine[] = "orebell_make_hand_over_line";
using MakeSoundPlayerFn = SoundPlayer* (*)();
using MakeMiningLogFn = MiningLog* (*)();
using MakeHandOverLineFn = HandOverLine* (*)();
using MakeMiningLogWindowFn = QWidget* (*)(MiningLog& log, MessageBoxService& messages, QWidget* parent);
} // namespace module

// `folder` empty: the executable's own folder (bin/orebell is a link the program follows back).
QString programModulePath(const QString& name, const QString& folder = {});

// Loads the named module (once; it stays loaded) and finds `symbol` in it. Null with `error`
// set to a sentence for the player when the module is missing, broken or lacks the symbol.
QFunctionPointer resolveProgramModule(const QString& name, const char* symbol, const QString& folder,
                                      QString* error);

// The player's message when a module cannot be used: what is unavailable and why.
QString moduleUnavailableText(const QString& feature, const QString& error);

// The sound player from its module. The first play() starts loading the module on a thread of
// its own, off the caller's path, and the latest request sounds as soon as it is loaded; a
// newer request replaces one still waiting. Without the module every sound is the system's
// alert, and the player is told once.
std::unique_ptr<SoundPlayer> makeModuleSoundPlayer(MessageBoxService& messages, const QString& folder = {});

// The mining log from its module, loaded at the first trip recorded or read. open() at start-up
// does not load it: the file's health check runs with that first use, and what it finds is told
// then, once. Without the module nothing is kept, and the player is told once.
std::unique_ptr<MiningLog> makeModuleMiningLog(const QString& folder = {});

// The hand-over line from its module, loaded where it is made: by a later copy at once, by the
// running copy after its first frame. Null (with a warning) when the module cannot be used.
std::unique_ptr<HandOverLine> makeModuleHandOverLine(const QString& folder = {});

// Calls `then` once no window shown waits for its first frame any more (or after half a second
// when the system never puts one on screen); never after `context` is gone.
void runAfterFirstFrames(QObject* context, std::function<void()> then);

} // namespace orebell
