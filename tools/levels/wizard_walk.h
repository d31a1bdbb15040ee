// wizard_walk.h — the wizard's commands as the level tools follow them: a
// move opens a fitting barrier, stops at a solid cell or the edge of the
// reachable cells, flips the view at the view's edge and otherwise steps; the
// action exchanges the held item with an item on his cell.
//
// The solver and the demonstration maker both walk with these, over maps of
// their own (anything with `int cell(x, y)` and `void setCell(x, y, code)`).
// The tables come from common/: the geometry of map_geometry.h, the barriers
// of barrier_keys.h, the codes of tile_codes.h. Creatures, energy and the
// frame loop are not followed here; the game itself plays the results
// (tests/playthrough, tests/demos).
#pragma once

#include "common/barrier_keys.h"
#include "common/commands.h"
#include "common/map_geometry.h"
#include "common/level_file.h"
#include "common/tile_codes.h"

#include <vector>

// Where the wizard stands and what he holds.
struct Walker {
    int x = 0;      // cell column
    int y = 0;      // cell row
    int viewX = 0;  // view column offset
    int viewY = 0;  // view row offset
    int held = 0;   // item code in hand, 0 for none
    bool operator==(const Walker&) const = default;
};

// What one move did.
enum class MoveResult {
    OutOfReach,  // the wizard stands at the last reachable cell in that direction
    Blocked,     // the neighbour cell is solid
    Flipped,     // the view turned; the wizard kept his cell
    Stepped,     // the wizard is on the neighbour cell
};

struct MoveOutcome {
    MoveResult result = MoveResult::OutOfReach;
    bool opened = false;  // a barrier opened (the held item was used up)
    int cellX = 0;        // the neighbour cell looked at
    int cellY = 0;
};

// One direction of movement: exactly one of dx, dy is not 0.
struct WalkDirection {
    Command command;
    int dx;
    int dy;
    Approach approach;  // which barriers a move this way opens
};

constexpr WalkDirection kWalkDirections[] = {
    {Command::Up, 0, -1, Approach::Vertical},
    {Command::Right, +1, 0, Approach::Sideways},
    {Command::Down, 0, +1, Approach::Vertical},
    {Command::Left, -1, 0, Approach::Sideways},
};

// The row of a move command; nullptr for the action and for no command.
constexpr const WalkDirection* walkDirection(Command command) {
    for (const WalkDirection& d : kWalkDirections)
        if (d.command == command) return &d;
    return nullptr;
}

// A step from (x, y) in direction d stays within columns 1..210 and rows
// 1..144: the move acts only from where its step lands inside them.
constexpr bool stepStaysInReach(const WalkDirection& d, int x, int y) {
    return isReachable(x + d.dx, y + d.dy);
}

// The wizard stands on the view's last cell in direction d, so a move that
// way turns the view instead of stepping.
constexpr bool atViewEdge(const WalkDirection& d, const Walker& w) {
    if (d.dx > 0) return w.x - w.viewX >= kViewColumns;
    if (d.dx < 0) return w.x - w.viewX <= 1;
    if (d.dy > 0) return w.y - w.viewY >= kViewRows;
    return w.y - w.viewY <= 1;
}

// The wizard drowns on this cell: a step into it ends the game.
constexpr bool drownsOn(int code) { return code == tile::Water; }

// One move command. Drowning is not tested here: a Stepped move onto water
// is the end of the wizard (drownsOn).
template <typename Map>
MoveOutcome moveWalker(Walker& w, const WalkDirection& d, Map& map) {
    MoveOutcome out;
    if (!isReachable(w.x, w.y) || !stepStaysInReach(d, w.x, w.y)) return out;
    out.cellX = w.x + d.dx;
    out.cellY = w.y + d.dy;
    if (opensBarrier(map.cell(out.cellX, out.cellY), w.held, d.approach)) {
        w.held = 0;
        map.setCell(out.cellX, out.cellY, tile::Floor);
        out.opened = true;
    }
    if (!isEnterableCode(map.cell(out.cellX, out.cellY))) {
        out.result = MoveResult::Blocked;
        return out;
    }
    if (atViewEdge(d, w)) {
        w.viewX += d.dx * kViewStepX;
        w.viewY += d.dy * kViewStepY;
        out.result = MoveResult::Flipped;
        return out;
    }
    w.x = out.cellX;
    w.y = out.cellY;
    out.result = MoveResult::Stepped;
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
    MoveOutcome move;        // for the moves
    bool exchanged = false;  // for the action: an item changed hands
    bool fired = false;      // for the action: the shooting star was fired
    bool drowned = false;    // the wizard stepped into water
    bool door = false;       // the wizard stepped onto the door
};

// Carries out one command on the walk. The action is the live one when
// `recorded` is false (exchange on a cell with code 10 or more, use on the
// others) and the recorded one otherwise (exchange, then use, whatever the
// cell). Of a use only the firing of the star is followed: whether a weapon
// finds its creature is for the game to tell.
WalkStep walkCommand(Walker& w, Command command, WalkMap& map, bool recorded);
