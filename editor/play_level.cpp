// play_level.cpp — F5: trying the level out in the game without leaving
// the editor.
//
// The level is saved to a scratch file of its own in Data (never over a
// file the user named; that takes F1), the game is started on it with
// --level, and the editor waits until the game ends. Then its screen is
// drawn again as it was; the level, its history and the unsaved mark are
// untouched. F5 runs once per press (shortcut_keys.cpp), so a key still
// held when the game ends starts nothing.
//
// Writes: editor.textRow (through the dialog rows); pointerX, pointerY,
// pointerButtons (through takePointerAsSeen).
#include "editor/commands.h"
#include "editor/drawing.h"
#include "editor/editor_state.h"

#include "common/level_list.h"
#include "platform/platform.h"

namespace {

constexpr const char* kGameProgram = "zauberlabyrinth";
const char* const kPlaying = "Das Spiel l\x84uft (F5) ...";
const char* const kNotStarted = "Das Spiel lie\xE1 sich nicht starten";
const char* const kSaveFailed = "Speichern fehlgeschlagen";

}  // namespace

void playLevelCommand() {
    beginDialog(2);
    if (!writeLevelFile(levelFilePath(kProbeLevelName), editor.level)) {
        printDialogLine(kSaveFailed);
        return;
    }
    printDialogLine(kPlaying);
    const int exitCode = runProgram(kGameProgram, {"--level", kProbeLevelName});
    flushKeys();
    takePointerAsSeen();
    drawMapView();
    drawCursorCell();
    if (exitCode < 0) printDialogLine(kNotStarted);
}
