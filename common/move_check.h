// move_check.h — what one command of the wizard does, worked out from the
// map without changing anything: the game carries the answer out with its
// drawing and sounds (game/rules/moves.cpp, action.cpp), the level tools'
// walk and solver on their own maps (wizard_walk.h, solver.h).
//
// A move opens a fitting barrier (using the held item up), stops at a solid
// cell or the edge of the reachable cells, turns the view when the wizard
// stands at the view's edge and otherwise steps. A step onto water drowns
// him, a step onto the door ends the level. The live action exchanges the
// held item on a cell with code 10 or more and uses it on the others.
#pragma once

#include "common/barrier_keys.h"
#include "common/commands.h"
#include "common/map_geometry.h"
#include "common/tile_codes.h"

// Where the wizard stands and what he holds.
struct Walker {
    int x = 0;      // cell column
    int y = 0;      // cell row
    int viewX = 0;  // view column offset
    int viewY = 0;  // view row offset
    int held = 0;   // item code in hand, 0 for none
    bool operator==(const Walker&) const = default;
};

// One direction of movement: exactly one of dx, dy is not 0.
struct WalkDirection {
    Command command;    // the move command that goes this way
    int dx;             // column change of a step: +1 right, -1 left
    int dy;             // row change of a step: +1 down, -1 up
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

// The wizard drowns on this cell.
constexpr bool drownsOn(int code) { return code == tile::Water; }

// A cell the wizard can stand on and live: enterable and no water.
inline bool isSafeFooting(int code) { return isEnterableCode(code) && !drownsOn(code); }

// The live action on a cell holding `code` exchanges the held item (code 10
// or more) rather than using it.
constexpr bool actionExchanges(int code) { return code >= tile::Flame; }

// A step from (x, y) in direction d stays within columns 1..210 and rows
// 1..144: the move acts only from where its step lands inside them.
constexpr bool stepStaysInReach(const WalkDirection& d, int x, int y) { return isReachable(x + d.dx, y + d.dy); }

// The wizard stands on the view's last cell in direction d, so a move that
// way turns the view instead of stepping.
constexpr bool atViewEdge(const WalkDirection& d, const Walker& w) {
    if (d.dx > 0) return w.x - w.viewX >= kViewColumns;
    if (d.dx < 0) return w.x - w.viewX <= 1;
    if (d.dy > 0) return w.y - w.viewY >= kViewRows;
    return w.y - w.viewY <= 1;
}

// What one move does.
enum class MoveResult {
    OutOfReach,  // the wizard stands at the last reachable cell in that direction
    Blocked,     // the neighbour cell is solid
    Flipped,     // the view turns; the wizard keeps his cell
    Stepped,     // the wizard goes onto the neighbour cell
};

struct MoveOutcome {
    MoveResult result = MoveResult::OutOfReach;  // what the move does
    bool opened = false;                         // a barrier opens first (the held item is used up)
    int cellX = 0;                               // the neighbour cell looked at
    int cellY = 0;
    bool drowned = false;  // a step onto water: the end of the wizard
    bool door = false;     // a step onto the door: the end of the level
};

// What a move in direction d does from w on a map read through
// `cellAt(x, y)` (anything outside the map reads as wall). Changes nothing.
template <typename CellAt>
MoveOutcome checkMove(const WalkDirection& d, const Walker& w, const CellAt& cellAt) {
    MoveOutcome out;
    if (!isReachable(w.x, w.y) || !stepStaysInReach(d, w.x, w.y)) return out;
    out.cellX = w.x + d.dx;
    out.cellY = w.y + d.dy;
    const int code = cellAt(out.cellX, out.cellY);
    out.opened = opensBarrier(code, w.held, d.approach);
    // An opened barrier becomes floor.
    const int after = out.opened ? static_cast<int>(tile::Floor) : code;
    if (!isEnterableCode(after)) {
        out.result = MoveResult::Blocked;
    } else if (atViewEdge(d, w)) {
        out.result = MoveResult::Flipped;
    } else {
        out.result = MoveResult::Stepped;
        out.drowned = drownsOn(after);
        out.door = after == tile::Door;
    }
    return out;
}
