// level_check.cpp — F6: can the level be finished?
//
// A panel names the problems in order: no start, no door, a
// barrier whose item is nowhere on the map, and else whether the door can
// be reached from the start by the game's own rules (the solver of
// common/solver.h, the search the level tools prove the shipped levels
// with) and in how many steps. Creatures are left out, as the solver leaves
// them: they never block the wizard, but they cost energy on the way, so the
// panel says it checked without them and names those standing on the
// route found or next to it. The search is held to 1.5 million
// states per search (the largest shipped labyrinth, 008, takes about 2.5 s
// in a debug build); a level too large for that is said to be undecided,
// not unsolvable.
//
// Enter jumps the cursor to the first problem that has a cell (the barrier,
// the start when the door cannot be reached, the first creature by the
// route); any other key goes back. F5 asks the same questions before a test
// run (levelHasStart, levelHasDoor, searchDoor).
//
// Writes: editor.viewX, viewY, cursorX, cursorY (the jump); textRow
// (through the dialog rows).
#include "editor/commands.h"
#include "editor/drawing.h"
#include "editor/editor_state.h"
#include "editor/tile_names.h"

#include "common/barrier_keys.h"
#include "common/language.h"
#include "common/solver.h"
#include "common/tile_codes.h"
#include "common/wizard_walk.h"
#include "platform/platform.h"

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr int kPollMs = 20;
constexpr int kMostWarnings = 5;  // creatures by the route named one by one; the rest are counted
const char* const kEnterHint = trMark("Eingabe: zum Problem springen, andere Taste: zur\x81"
                                      "ck");
const char* const kAnyKeyHint = trMark("Eine Taste: zur\x81"
                                       "ck");
const char* const kWithoutCreatures = trMark("Ohne Wesen gepr\x81"
                                             "ft: Schweine, Flammengeister, Augen und Putzm\x84nner kosten Energie.");

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

std::string cellName(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }

// A creature standing on the route or on a cell next to it: it may drain
// the wizard's energy on the way, which the search does not count.
struct RouteCreature {
    int routeIndex;  // the first step of the route that passes by it
    FileCreatureKind kind;
    int x;
    int y;
};

// The creatures by the route, in the order the route passes them.
std::vector<RouteCreature> creaturesByRoute(const std::vector<Command>& route) {
    // For each cell, the first step of the route on it or next to it.
    constexpr int kNever = std::numeric_limits<int>::max();
    std::vector<int> firstPass(static_cast<std::size_t>(kMapColumns) * kMapRows, kNever);
    auto passBy = [&firstPass](int x, int y, int step) {
        for (int dx = -1; dx <= 1; ++dx) {
            for (int dy = -1; dy <= 1; ++dy) {
                if (!isMapCell(x + dx, y + dy)) continue;
                int& first = firstPass[static_cast<std::size_t>(x + dx) * kMapRows + static_cast<std::size_t>(y + dy)];
                first = std::min(first, step);
            }
        }
    };
    WalkMap map(editor.level);
    Walker walker = startWalker(editor.level);
    passBy(walker.x, walker.y, 0);
    for (std::size_t i = 0; i < route.size(); ++i) {
        walkCommand(walker, route[i], map, false);
        passBy(walker.x, walker.y, static_cast<int>(i) + 1);
    }
    std::vector<RouteCreature> found;
    for (int kind = 0; kind < kCreatureKinds; ++kind) {
        const StoredCreatureTable& table = editor.level.creatures[kind];
        const int count = std::clamp(editor.level.counts[kind], 0, kMaxCreatures);
        for (int k = 1; k <= count; ++k) {
            const StoredCreature& c = table[k];
            if (!isMapCell(c.x, c.y)) continue;
            const int first = firstPass[static_cast<std::size_t>(c.x) * kMapRows + static_cast<std::size_t>(c.y)];
            if (first != kNever) found.push_back({first, static_cast<FileCreatureKind>(kind), c.x, c.y});
        }
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const RouteCreature& a, const RouteCreature& b) { return a.routeIndex < b.routeIndex; });
    return found;
}

void warnOfCreatures(const std::vector<Command>& route, std::vector<LevelFinding>& findings) {
    const std::vector<RouteCreature> creatures = creaturesByRoute(route);
    const int named = std::min(static_cast<int>(creatures.size()), kMostWarnings);
    for (int i = 0; i < named; ++i) {
        const RouteCreature& c = creatures[static_cast<std::size_t>(i)];
        findings.push_back(
            {trFormat("Warnung: {0} bei {1} am Weg.", {creatureName(c.kind), cellName(c.x, c.y)}), c.x, c.y});
    }
    const int more = static_cast<int>(creatures.size()) - named;
    // One sentence for one, as a language may say it otherwise.
    if (more == 1) findings.push_back({tr("... und 1 weitere Wesen am Weg.")});
    if (more > 1) findings.push_back({trFormat("... und {0} weitere Wesen am Weg.", {more})});
}

}  // namespace

const char* const kNoStartText = trMark("Kein Start gesetzt (S auf einem Feld).");
const char* const kNoDoorText = trMark("Keine T\x81r im Level (E, dann Leertaste).");

bool levelHasStart() { return editor.level.playerX != 0 || editor.level.playerY != 0; }

bool levelHasDoor() { return mapHolds(tile::Door); }

SolverResult searchDoor() {
    SolverOptions options;
    options.stateLimit = kLevelCheckStates;
    return solveLevel(editor.level, options);
}

std::vector<LevelFinding> checkLevel() {
    std::vector<LevelFinding> findings;
    if (!levelHasStart()) findings.push_back({tr(kNoStartText)});
    if (!levelHasDoor()) findings.push_back({tr(kNoDoorText)});
    int bx = 0;
    int by = 0;
    if (findBarrierWithoutItem(bx, by)) {
        findings.push_back({trFormat("Sperre bei {0}: ihr Schl\x81ssel liegt nirgends.", {cellName(bx, by)}), bx, by});
    }
    if (!findings.empty()) return findings;
    const SolverResult result = searchDoor();
    if (result.finished && result.route.size() == 1) {
        findings.push_back({tr("Schaffbar: die T\x81r ist in 1 Schritten vom Start aus erreichbar.")});
    } else if (result.finished && !result.route.empty()) {
        findings.push_back(
            {trFormat("Schaffbar: die T\x81r ist in {0} Schritten vom Start aus erreichbar.", {result.route.size()})});
    } else if (result.finished) {
        findings.push_back({tr("Schaffbar: die T\x81r ist vom Start aus erreichbar.")});
    } else if (!result.complete) {
        findings.push_back({tr("Nicht entschieden: das Level ist zu gro\xE1 f\x81r die Pr\x81"
                               "fung.")});
    } else {
        findings.push_back(
            {tr("Die T\x81r ist vom Start aus nicht erreichbar."), editor.level.playerX, editor.level.playerY});
    }
    findings.push_back({tr(kWithoutCreatures)});
    if (!result.route.empty()) warnOfCreatures(result.route, findings);
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
    printText(tr("Pr\x81"
                 "fe ..."),
              false);
    const std::vector<LevelFinding> findings = checkLevel();
    const LevelFinding* target = nullptr;
    for (const LevelFinding& finding : findings) {
        if (target == nullptr && finding.x != 0 && isReachable(finding.x, finding.y)) target = &finding;
    }
    drawMapView();
    beginDialog(static_cast<int>(findings.size()) + 2);
    printDialogLine(tr("Pr\x81"
                       "fung (F6):"));
    for (const LevelFinding& finding : findings) printDialogLine(finding.text);
    printDialogLine(tr(target != nullptr ? kEnterHint : kAnyKeyHint));
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
