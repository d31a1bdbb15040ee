// solver.h — proves by search that a level can be finished, and finds a
// shortest route.
//
// The search runs over the states of play that decide where the wizard can
// go: his cell and view, the item in his hand, and the changes that
// exchanges and barrier openings have made to the map. From each state it
// tries the four moves and the action, by the game's rules (move_check.h):
// barriers open only from their side with their item, which is used up; the
// action exchanges the held item with the item on the wizard's cell; a move
// at the view's edge turns the view without moving; a step into water
// drowns; the door ends the level.
//
// Creatures and energy are left out: creatures never block the wizard, and
// what they and the flames cost is for the play-through tests to measure.
//
// What can be reached is searched breadth-first over regions rather than
// cells: within the cells connected under the map's current barriers the
// wizard can walk anywhere, so a state there is the map changes, the held
// item and the region; items that open nothing still shut (weapons, the
// star, keys whose barriers are all open) are all alike. The shortest route
// is then searched cell by cell and view by view (A*, with the steps to the
// door as the estimate), up to the first state on the door.
#pragma once

#include "common/commands.h"
#include "common/level_file.h"

#include <cstddef>
#include <vector>

struct SolverOptions {
    // Each of the two searches gives up after this many states (the result
    // says so); a caller that must answer quickly, as the editor's level
    // check, gives a small limit.
    std::size_t stateLimit = 4'000'000;
    // Also search for a shortest route (only when the door can be reached).
    bool findRoute = true;
};

// A cell of the level and the code it holds in the file.
struct SolverCell {
    int x = 0;
    int y = 0;
    int code = 0;
};

struct SolverResult {
    bool finished = false;  // the door can be reached
    bool complete = false;  // every reachable state was explored (the limit was not hit)
    // A shortest way from the start to the door, in commands; empty when the
    // door cannot be reached or the search for it gave up.
    std::vector<Command> route;
    std::size_t states = 0;       // states explored to learn what can be reached
    std::size_t routeStates = 0;  // states explored to find the shortest route
    // Filled only when complete:
    std::vector<SolverCell> itemsNeverReached;    // items on cells the wizard can never stand on
    std::vector<SolverCell> barriersNeverOpened;  // barriers that stay shut in every state
    std::vector<SolverCell> keysNeverUsed;        // keys and treasures he can reach that never open a barrier
};

// Searches the level from its start. The level is taken as it stands; a
// start outside the reachable cells finds nothing.
SolverResult solveLevel(const LevelData& level, const SolverOptions& options = {});
