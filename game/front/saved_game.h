// saved_game.h — saved games "Data\<name>.sav" and their two dialogs.
//
// A saved game is the level part of the world (map, wizard cell, view, the
// four creature tables with their counts), in the order of a level file but
// one value per line, followed by one line "score,held,energy,level":
// 34,625 lines in all. Step offsets, counters, splinters and the settings are
// not stored. A game of a level set of the player's adds one line, the
// set's name as a text field; a file without it (every game of the shipped
// labyrinths, every file saved before there were sets) is a game of the
// shipped labyrinths, and a program that knows no sets stops reading before
// it.
#pragma once

#include <string>

constexpr int kSavedGameLines = 34625;

// "Data\<name>.sav".
std::string savedGamePath(const std::string& name);
// Writes the running game to path; true when the new file stands in place.
// On failure an earlier file of that name is left as it was.
bool saveGame(const std::string& path);
// Reads path into scratch storage first; only a file that could be opened
// replaces the stored fields of the world, made safe to play, with the
// score set to 0 (a loaded game starts without points), and its set
// becomes the one played. False when the file could not be opened, or when
// it names a set that is missing or damaged (then `refusal`, when given,
// says so: "Sammlung fehlt: <name>"): the world is then exactly as it was.
// Writes (on success): World::map, playerX/Y, viewX/Y, the creature tables
// and counts, heldItem, energy, level, score; what chooseLevelSet writes.
bool loadGame(const std::string& path, std::string* refusal = nullptr);

// Asks for a name at row 37, column 38 and saves under it. An empty name
// cancels; a refused name shows "Ungültiger Name" and a failed write
// "Speichern fehlgeschlagen", each for about two seconds where the dialog was.
void saveGameDialog();
// Asks for a name and loads that game; true when it was loaded. An empty
// name cancels; a refused name shows "Ungültiger Name", a file that cannot
// be read "Spielstand nicht gefunden", a game whose set is gone "Sammlung
// fehlt: <name>", and the game goes on unchanged.
bool loadGameDialog();
