// player.h — the wizard: live input, the four moves with barriers and
// screen flips, the action command and the per-frame glide.
//
// Writes: World::playerX/Y, playerOffsetX/Y, viewX/Y, heldItem and map
// (barrier opening), openedCellX/Y, energy (E key), menuRequested (Esc).
#pragma once

#include "common/commands.h"

// Reads joystick, game pad, keyboard and mouse and issues at most one
// command; returns it (None when nothing was issued or Esc asked for the
// menu), so that a recording can keep it.
Command liveInputStep();
void moveRight();
void moveLeft();
void moveUp();
void moveDown();
// Exchange on cells with code 10 or more, use on the others.
void actionCommand();
// The per-frame glide of the wizard.
void stepWizard();
// One recorded command: a move, or exchange-then-use for Command::Action;
// Command::None does nothing.
void carryOut(Command command);
