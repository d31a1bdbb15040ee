// play_level.cpp — F5: trying the level out in the game without leaving
// the editor, and hearing how it went.
//
// Before the run the level is looked at as F6 does: without a start or a
// door a run is pointless, so the status line says what is missing and
// nothing starts; a door the search cannot reach from the start is asked
// about first (J plays anyway). Then the level is saved to a scratch file
// of its own in Data (never over a file the user named; that takes F1), the
// game is started on it with --level, and the editor waits until the game
// ends. Its screen is drawn again as it was; the level, its history and the
// unsaved mark are untouched. The game's exit status says how the run ended
// (common/run_end.h) and its report beside the scratch file how many steps
// the wizard took; the status line says both. F5 runs once per press
// (shortcut_keys.cpp), so a key still held when the game ends starts
// nothing.
//
// Writes: editor.textRow (through the dialog rows); pointerX, pointerY,
// pointerButtons (through takePointerAsSeen); message (through
// showMessage).
#include "editor/commands.h"
#include "editor/drawing.h"
#include "editor/editor_state.h"
#include "editor/status_line.h"
#include "editor/tile_names.h"

#include "common/level_list.h"
#include "common/run_end.h"
#include "platform/platform.h"

#include <string>

namespace {

constexpr const char* kGameProgram = "zauberlabyrinth";
const char* const kChecking = "Pr\x81" "fe ...";
const char* const kPlaying = "Das Spiel l\x84uft (F5) ...";
const char* const kNotStarted = "Das Spiel lie\xE1 sich nicht starten";
const char* const kSaveFailed = "Speichern fehlgeschlagen";
const char* const kUnreachable = "Die T\x81r ist vom Start aus nicht erreichbar. Trotzdem spielen (J/N)?";
const char* const kRun = "Probelauf: ";

// How each end of a run is told.
struct EndText {
    RunEnd end;
    const char* text;
};
const EndText kEndTexts[] = {
    {RunEnd::ByPlayer, "vom Spieler beendet"},
    {RunEnd::Door, "T\x81r erreicht"},
    {RunEnd::Exhausted, "gestorben"},
    {RunEnd::Drowned, "ertrunken"},
};

std::string stepsText(int steps) { return steps == 1 ? " nach 1 Schritt" : " nach " + std::to_string(steps) + " Schritten"; }

// What the status line says after the game ended with `status`.
std::string verdict(int status) {
    if (status < 0) return kNotStarted;
    RunEnd end = RunEnd::ByPlayer;
    Harm harm = Harm::None;
    if (!runEndOfStatus(status, end, harm)) return kRun + std::string("das Spiel endete unerwartet (") + std::to_string(status) + ").";
    // The report is believed only when it tells the same end: it is this run's.
    RunReport report;
    const bool counted = readRunReport(kProbeLevelName, report) && report.status == status;
    std::string text = kRun;
    for (const EndText& told : kEndTexts) {
        if (told.end == end) text += told.text;
    }
    if (counted) text += stepsText(report.steps);
    // What took the last of his energy, when the game knew it.
    if (const char* by = harmName(harm)) text += std::string(", zuletzt traf ihn ") + by;
    return text + ".";
}

void redraw() {
    drawMapView();
    drawCursorCell();
}

// A run makes sense: there is a start and a door, and a door out of reach
// was asked about.
bool worthARun() {
    if (!levelHasStart() || !levelHasDoor()) {
        showMessage(kRun + std::string(levelHasStart() ? kNoDoorText : kNoStartText));
        return false;
    }
    // The search may take a moment on a large level.
    beginDialog(1);
    printText(kChecking, false);
    const SolverResult search = searchDoor();
    if (!search.complete || search.finished) return true;
    const bool anyway = askYesNo(kUnreachable);
    if (!anyway) redraw();
    return anyway;
}

}  // namespace

void playLevelCommand() {
    if (!worthARun()) return;
    beginDialog(1);
    if (!writeLevelFile(levelFilePath(kProbeLevelName), editor.level)) {
        redraw();
        showMessage(kSaveFailed);
        return;
    }
    // A report left by an earlier run must not be taken for this one's.
    deleteFile(runReportPath(kProbeLevelName));
    printDialogLine(kPlaying);
    const int status = runProgram(kGameProgram, {"--level", kProbeLevelName});
    flushKeys();
    takePointerAsSeen();
    redraw();
    showMessage(verdict(status));
}
