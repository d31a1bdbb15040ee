// front.h — the front end between games: title screen, game over, the
// in-game menu, the settings file and demonstration playback.
#pragma once

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
// Carries out demoMoves[demoStep] and advances demoStep; nothing in a live game.
void demoInputStep();
