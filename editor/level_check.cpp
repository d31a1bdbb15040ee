// level_check.cpp — F6: can the level be finished?
//
// A panel in German names the problems in order: no start, no door, a
// barrier whose item is nowhere on the map, and else whether the door can
// be reached from the start by the game's own rules (the solver of
// common/solver.h, the search the level tools prove the shipped levels
// with) and in how many steps. Creatures are left out, as the solver leaves
// them: they never block the wizard. The search is held to 1.5 million
// states per search (the largest shipped labyrinth, 008, takes about 2.5 s
// in a debug build); a level too large for that is said to be undecided,
// not unsolvable.
//
// Enter jumps the cursor to the first problem that has a cell (the barrier,
// or the start when the door cannot be reached); any other key goes back.
//
// Writes: editor.viewX, viewY, cursorX, cursorY (the jump); textRow
// (through the dialog rows).
#include "editor/commands.h"
#include "editor/drawing.h"
#include "editor/editor_state.h"

#include "common/barrier_keys.h"
#include "common/solver.h"
#include "common/tile_codes.h"
#include "platform/platform.h"

#include <string>
#include <vector>

namespace {

constexpr int kPollMs = 20;
const char* const kEnterHint = "Eingabe: zum Problem springen, andere Taste: zur\x81" "ck";
const char* const kAnyKeyHint = "Eine Taste: zur\x81" "ck";

bool mapHolds(int code) {
    for (int x = 1; x <= kLevelColumns; ++x) {
        for (int y = 1; y <= kLevelRows; ++y) {
            if (editor.level.map[x][y] == code) return true;
        }
    }
    return false;
}

// The first barrier on the map, column by column, whose item is nowhere.
bool findBarrierWithoutItem(int& bx, int& by) {
    for (int x = 1; x <= kLevelColumns; ++x) {
        for (int y = 1; y <= kLevelRows; ++y) {
            const BarrierKey* barrier = findBarrier(editor.level.map[x][y]);
            if (barrier != nullptr && !mapHolds(barrier->item)) {
                bx = x;
                by = y;
                return true;
            }
        }
    }
    return false;
}

}  // namespace

std::vector<LevelFinding> checkLevel() {
    std::vector<LevelFinding> findings;
    const bool startSet = editor.level.playerX != 0 || editor.level.playerY != 0;
    if (!startSet) findings.push_back({"Kein Start gesetzt (S auf einem Feld)."});
    if (!mapHolds(tile::Door)) findings.push_back({"Keine T\x81r im Level (E, dann Leertaste)."});
    int bx = 0;
    int by = 0;
    if (findBarrierWithoutItem(bx, by)) {
        findings.push_back({"Sperre bei " + std::to_string(bx) + "," + std::to_string(by) +
                                ": ihr Schl\x81ssel liegt nirgends.",
                            bx, by});
    }
    if (!findings.empty()) return findings;
    SolverOptions options;
    options.stateLimit = kLevelCheckStates;
    const SolverResult result = solveLevel(editor.level, options);
    if (result.finished && !result.route.empty()) {
        findings.push_back({"Schaffbar: die T\x81r ist in " + std::to_string(result.route.size()) +
                            " Schritten vom Start aus erreichbar."});
    } else if (result.finished) {
        findings.push_back({"Schaffbar: die T\x81r ist vom Start aus erreichbar."});
    } else if (!result.complete) {
        findings.push_back({"Nicht entschieden: das Level ist zu gro\xE1 f\x81r die Pr\x81" "fung."});
    } else {
        findings.push_back({"Die T\x81r ist vom Start aus nicht erreichbar.", editor.level.playerX, editor.level.playerY});
    }
    return findings;
}

namespace {

void jumpTo(int x, int y) {
    editor.viewX = screenOfColumn(x);
    editor.viewY = screenOfRow(y);
    editor.cursorX = x - editor.viewX;
    editor.cursorY = y - editor.viewY;
}

}  // namespace

void checkLevelCommand() {
    // The search may take a moment on a large level.
    beginDialog(1);
    printText("Pr\x81" "fe ...", false);
    const std::vector<LevelFinding> findings = checkLevel();
    const LevelFinding* target = nullptr;
    for (const LevelFinding& finding : findings) {
        if (target == nullptr && finding.x != 0 && isReachable(finding.x, finding.y)) target = &finding;
    }
    drawMapView();
    beginDialog(static_cast<int>(findings.size()) + 2);
    printDialogLine("Pr\x81" "fung (F6):");
    for (const LevelFinding& finding : findings) printDialogLine(finding.text);
    printDialogLine(target != nullptr ? kEnterHint : kAnyKeyHint);
    // The key that opened the panel is let go of before one answers it.
    while (isKeyDown(scancode::F6)) sleepMs(kPollMs);
    flushKeys();
    std::string key;
    while (key.empty()) {
        sleepMs(kPollMs);
        key = takeKey();
    }
    // The answer's key does not reach the command loop.
    while (isKeyDown(scancode::Esc) || isKeyDown(scancode::Enter)) sleepMs(kPollMs);
    spendHeldKeys();
    if (key == "\r" && target != nullptr) jumpTo(target->x, target->y);
    drawMapView();
    drawCursorCell();
}
