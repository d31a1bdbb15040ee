// moves.cpp — the four move commands: one scheme, one table row per
// direction. A move opens a fitting barrier, stops at a solid cell, flips the
// view when the wizard stands at the view's edge, and otherwise steps.
//
// Writes: World::playerX/Y, playerOffsetX/Y, viewX/Y, heldItem, map and
// openedCellX/Y (barrier opening).
#include "game/rules/player.h"

#include "common/barrier_keys.h"
#include "common/map_geometry.h"
#include "common/tile_codes.h"
#include "game/rules/map_edit.h"
#include "game/world/sound_catalogue.h"
#include "game/world/scene.h"
#include "game/world/world.h"

namespace {

// One direction of movement. Exactly one of dx, dy is not 0.
struct MoveRule {
    int dx;               // column change of a step: +1 right, -1 left
    int dy;               // row change of a step: +1 down, -1 up
    int limit;            // last cell the move starts from: <= limit forward, >= limit backward
    Approach approach;    // which barriers it can open (barrier_keys.h)
    int viewCells;        // cells of the view along the axis
    int flipCells;        // view change of a flip (the edge cell stays visible)
};

// The steps keep the wizard on the reachable cells, columns 1..210 and rows
// 1..144: he steps right only from column 209 or less, and so on.
constexpr MoveRule kRight{+1, 0, kReachColumns - 1, Approach::Sideways, kViewColumns, kViewStepX};
constexpr MoveRule kLeft{-1, 0, 2, Approach::Sideways, kViewColumns, kViewStepX};
constexpr MoveRule kUp{0, -1, 2, Approach::Vertical, kViewRows, kViewStepY};
constexpr MoveRule kDown{0, +1, kReachRows - 1, Approach::Vertical, kViewRows, kViewStepY};

// The coordinate of (x, y) along the rule's axis, and the sign of the move.
int along(const MoveRule& r, int x, int y) { return r.dx != 0 ? x : y; }
int direction(const MoveRule& r) { return r.dx != 0 ? r.dx : r.dy; }

bool withinBounds(const MoveRule& r) {
    const int p = along(r, world.playerX, world.playerY);
    return direction(r) > 0 ? p <= r.limit : p >= r.limit;
}

// The wizard stands on the view's last cell in the direction of the move.
bool atViewEdge(const MoveRule& r) {
    const int cell = along(r, world.playerX - world.viewX, world.playerY - world.viewY);
    return direction(r) > 0 ? cell >= r.viewCells : cell <= 1;
}

void openBarrier(int x, int y) {
    world.heldItem = 0;
    writeCell(x, y, tile::Floor);
    // View-relative; outside 1..20 x 1..14 when the barrier lies across the
    // view's edge, where the drawing is clipped.
    world.openedCellX = x - world.viewX;
    world.openedCellY = y - world.viewY;
    paintOpenedCell();
    showHeldItem();
    playCue(Snd::wszt);
}

void flipView(const MoveRule& r) {
    eraseWizard();
    world.viewX += r.dx * r.flipCells;
    world.viewY += r.dy * r.flipCells;
    renderScene();
    drawWizard();
    showHeldItem();
}

void move(const MoveRule& r) {
    if (!withinBounds(r)) return;
    const int nx = world.playerX + r.dx;
    const int ny = world.playerY + r.dy;
    if (opensBarrier(cellAt(nx, ny), world.heldItem, r.approach)) openBarrier(nx, ny);
    if (!isEnterable(cellAt(nx, ny))) return;
    if (atViewEdge(r)) {
        flipView(r);
        return;
    }
    world.playerX = nx;
    world.playerY = ny;
    // The sprite starts where it was and glides into the new cell.
    if (r.dx != 0) world.playerOffsetX = -r.dx * kCell;
    if (r.dy != 0) world.playerOffsetY = -r.dy * kCell;
}

}  // namespace

void moveRight() { move(kRight); }
void moveLeft() { move(kLeft); }
void moveUp() { move(kUp); }
void moveDown() { move(kDown); }
