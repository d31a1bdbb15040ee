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
// the wizard took; the status line says both, in one sentence of the table
// below for each way a run can end. F5 runs once per press
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

#include "common/language.h"
#include "common/level_list.h"
#include "common/run_end.h"
#include "platform/platform.h"

#include <string>

namespace {

constexpr const char* kGameProgram = "zauberlabyrinth";
const char* const kChecking = trMark("Pr\x81"
                                     "fe ...");
const char* const kPlaying = trMark("Das Spiel l\x84uft (F5) ...");
const char* const kNotStarted = trMark("Das Spiel lie\xE1 sich nicht starten");
const char* const kSaveFailed = trMark("Speichern fehlgeschlagen");
const char* const kUnreachable = trMark("Die T\x81r ist vom Start aus nicht erreichbar. Trotzdem spielen (J/N)?");

// How a run that ended so is told: without the steps (no report), after
// one step, after {0} steps; {1} is what took the wizard's energy last
// ("ein Schwein").
struct EndSentences {
    RunEnd end;
    bool byWhat;  // the sentences name what took his energy
    const char* unknownSteps;
    const char* oneStep;
    const char* steps;
};
const EndSentences kEndSentences[] = {
    {RunEnd::ByPlayer, false, trMark("Probelauf: vom Spieler beendet."),
     trMark("Probelauf: vom Spieler beendet nach 1 Schritt."),
     trMark("Probelauf: vom Spieler beendet nach {0} Schritten.")},
    {RunEnd::Door, false, trMark("Probelauf: T\x81r erreicht."), trMark("Probelauf: T\x81r erreicht nach 1 Schritt."),
     trMark("Probelauf: T\x81r erreicht nach {0} Schritten.")},
    {RunEnd::Exhausted, false, trMark("Probelauf: gestorben."), trMark("Probelauf: gestorben nach 1 Schritt."),
     trMark("Probelauf: gestorben nach {0} Schritten.")},
    {RunEnd::Exhausted, true, trMark("Probelauf: gestorben, zuletzt traf ihn {1}."),
     trMark("Probelauf: gestorben nach 1 Schritt, zuletzt traf ihn {1}."),
     trMark("Probelauf: gestorben nach {0} Schritten, zuletzt traf ihn {1}.")},
    {RunEnd::Drowned, false, trMark("Probelauf: ertrunken."), trMark("Probelauf: ertrunken nach 1 Schritt."),
     trMark("Probelauf: ertrunken nach {0} Schritten.")},
};

// What the status line says after the game ended with `status`.
std::string verdict(int status) {
    if (status < 0) return tr(kNotStarted);
    RunEnd end = RunEnd::ByPlayer;
    Harm harm = Harm::None;
    if (!runEndOfStatus(status, end, harm)) return trFormat("Probelauf: das Spiel endete unerwartet ({0}).", {status});
    // The report is believed only when it tells the same end: it is this run's.
    RunReport report;
    const bool counted = readRunReport(kProbeLevelName, report) && report.status == status;
    // What took the last of his energy, when the game knew it.
    const char* by = harmName(harm);
    for (const EndSentences& told : kEndSentences) {
        if (told.end != end || told.byWhat != (by != nullptr)) continue;
        const char* sentence = !counted ? told.unknownSteps : report.steps == 1 ? told.oneStep : told.steps;
        return trFormat(sentence, {report.steps, by != nullptr ? by : ""});
    }
    return "";
}

void redraw() {
    drawMapView();
    drawCursorCell();
}

// A run makes sense: there is a start and a door, and a door out of reach
// was asked about.
bool worthARun() {
    if (!levelHasStart() || !levelHasDoor()) {
        showMessage(trFormat("Probelauf: {0}", {tr(levelHasStart() ? kNoDoorText : kNoStartText)}));
        return false;
    }
    // The search may take a moment on a large level.
    beginDialog(1);
    printText(tr(kChecking), false);
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
        showMessage(tr(kSaveFailed));
        return;
    }
    // A report left by an earlier run must not be taken for this one's.
    deleteFile(runReportPath(kProbeLevelName));
    printDialogLine(tr(kPlaying));
    const int status = runProgram(kGameProgram, {"--level", kProbeLevelName});
    flushKeys();
    takePointerAsSeen();
    redraw();
    showMessage(verdict(status));
}
