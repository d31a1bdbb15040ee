// front.h — the front end between games, as the flow calls it: title screen,
// game over, the in-game menu, the settings file, demonstration playback and
// the end of the program.
#pragma once

#include "common/commands.h"

// Title screen with attract mode; returns when play is to begin: a start
// key, a demonstration loaded (demoStep 1) or a saved game loaded (then
// true).
bool titleScreen();
// Closing scene, message and best-player entry after a live game is lost.
void gameOver();
// The in-game menu, opened by Esc. Returns after "Spielstand abspeichern",
// "Spielstand laden" and "Zurück zum Spiel"; true when a saved game was
// loaded. "Spiel beenden" does not return.
bool gameMenu();
// Reads "Data\Einstellung.dat": switches and best players.
void readSettings();
// Writes "Data\Einstellung.dat" with the shipped labyrinths' table and,
// while a set of the player's is played, that set's table file; false when
// one could not be written, in which case its previous file stands
// unchanged.
bool writeSettings();
// writeSettings, but only when the switches or the best players differ from
// what this run last read from the file or wrote to it: a run that changed
// nothing never writes over what another run stored meanwhile. Registered
// at start-up for the host's silent end (a browser page hidden or closed).
void storeChangedSettings();
// Stores the table of the set played where it belongs: the settings file
// for the shipped labyrinths, "Data\<set>.bestenliste" for a set of the
// player's (which leaves the settings file alone). False when it could not
// be written.
bool writeBestPlayers();
// The command of demoMoves[demoStep], and demoStep advanced past it; the flow
// carries it out. Command::None in a live game (demoStep 0).
// Writes: World::demoStep.
Command demoInputStep();
// Ends the program as the menu's "Spiel beenden" does, without its dissolve:
// the settings are written, then the program ends.
[[noreturn]] void quitGame();
// quitGame when the window's close button was pressed since the last look.
// Every loop that waits for the player calls it once per pass.
void quitOnCloseRequest();
