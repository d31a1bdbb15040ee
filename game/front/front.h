// front.h — the front end between games: title screen, game over, the
// in-game menu, the settings file and demonstration playback.
#pragma once

#include "common/commands.h"

// Title screen with attract mode; returns when play is to begin.
void titleScreen();
// Closing scene, message and best-player entry after a live game is lost.
void gameOver();
// The in-game menu, opened by Esc.
void gameMenu();
// Reads "Data\Einstellung.dat": switches and best players.
void readSettings();
// Writes "Data\Einstellung.dat".
void writeSettings();
// The command of demoMoves[demoStep], and demoStep advanced past it; the flow
// carries it out. Command::None in a live game (demoStep 0).
// Writes: World::demoStep.
Command demoInputStep();
