// wizard_walk.h — the wizard's commands carried out on maps of the level
// tools' own: the move check of move_check.h applied to a Walker, and the
// action's exchange.
//
// The solver and the demonstration maker both walk with these, over maps of
// their own (anything with `int cell(x, y)` and `void setCell(x, y, code)`).
// Creatures, energy and the frame loop are not followed here; the game itself
// plays the results (tests/playthrough, tests/demos).
#pragma once

#include "common/level_file.h"
#include "common/move_check.h"

#include <vector>

// One move command: carries out checkMove on the walker and the map (the
// opened barrier becomes floor, the view turns or the wizard steps).
template <typename Map>
MoveOutcome moveWalker(Walker& w, const WalkDirection& d, Map& map) {
    const MoveOutcome out = checkMove(d, w, [&map](int x, int y) { return map.cell(x, y); });
    if (out.opened) {
        w.held = 0;
        map.setCell(out.cellX, out.cellY, tile::Floor);
    }
    if (out.result == MoveResult::Flipped) {
        w.viewX += d.dx * kViewStepX;
        w.viewY += d.dy * kViewStepY;
    } else if (out.result == MoveResult::Stepped) {
        w.x = out.cellX;
        w.y = out.cellY;
    }
    return out;
}

// The exchange: on a cell with an exchanged code the cell takes the held item
// (Floor for an empty hand) and the hand the cell's code. True when it did.
template <typename Map>
bool exchangeItem(Walker& w, Map& map) {
    const int code = map.cell(w.x, w.y);
    if (!isExchangedCode(code)) return false;
    map.setCell(w.x, w.y, w.held);
    w.held = code;
    return true;
}

// A level's map as one walk changes it: a copy of the file's map, a wall
// outside it.
class WalkMap {
public:
    explicit WalkMap(const LevelData& level);
    int cell(int x, int y) const;
    void setCell(int x, int y, int code);

private:
    std::vector<int> cells_;  // [x * kMapRows + y]
};

// The wizard at the start of the level, empty-handed.
Walker startWalker(const LevelData& level);

// What a command did on a walk.
struct WalkStep {
    MoveOutcome move;        // for the moves (with drowning and the door)
    bool exchanged = false;  // for the action: an item changed hands
    bool fired = false;      // for the action: the shooting star was fired
};

// Carries out one command on the walk. The action is the live one when
// `recorded` is false (actionExchanges decides between exchange and use) and
// the recorded one otherwise (exchange, then use, whatever the cell). Of a
// use only the firing of the star is followed: whether a weapon finds its
// creature is for the game to tell.
WalkStep walkCommand(Walker& w, Command command, WalkMap& map, bool recorded);

// Walks route from the level's start with the live action, as a player's
// keys would: true when a step lands on the door before any drowns the
// wizard. The level is taken as the game plays it, made safe (makeLevelSafe).
// A level set's ways are checked with it.
bool routeReachesDoor(const LevelData& level, const std::vector<Command>& route);
