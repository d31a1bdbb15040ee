// moves.cpp — the four move commands: the shared move check (move_check.h)
// says what the step does; this file carries it out with the drawing and the
// sound: a fitting barrier opens, the view flips when the wizard stands at
// its edge, otherwise he steps and glides into the new cell.
//
// Writes: World::playerX/Y, playerOffsetX/Y, viewX/Y, stepsTaken, heldItem,
// map and openedCellX/Y (barrier opening).
#include "game/rules/player.h"

#include "common/move_check.h"
#include "common/tile_codes.h"
#include "game/rules/map_edit.h"
#include "game/world/scene.h"
#include "game/world/sound_catalogue.h"
#include "game/world/world.h"

namespace {

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

void flipView(const WalkDirection& d) {
    eraseWizard();
    world.viewX += d.dx * kViewStepX;
    world.viewY += d.dy * kViewStepY;
    renderScene();
    drawWizard();
    showHeldItem();
}

void move(Command command) {
    const WalkDirection& d = *walkDirection(command);
    const Walker here{world.playerX, world.playerY, world.viewX, world.viewY, world.heldItem};
    const MoveOutcome out = checkMove(d, here, cellAt);
    if (out.opened) openBarrier(out.cellX, out.cellY);
    if (out.result == MoveResult::Flipped) flipView(d);
    if (out.result != MoveResult::Stepped) return;
    world.playerX = out.cellX;
    world.playerY = out.cellY;
    ++world.stepsTaken;
    // The sprite starts where it was and glides into the new cell.
    if (d.dx != 0) world.playerOffsetX = -d.dx * kCell;
    if (d.dy != 0) world.playerOffsetY = -d.dy * kCell;
}

}  // namespace

void moveRight() { move(Command::Right); }
void moveLeft() { move(Command::Left); }
void moveUp() { move(Command::Up); }
void moveDown() { move(Command::Down); }
