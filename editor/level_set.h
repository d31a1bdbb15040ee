// level_set.h — the editor's level set (F8): eight places for labyrinths
// with a title and an author, saved as one set file "Data\<name>.zset"
// (common/level_set.h) that the game plays and a friend can be given.
//
// The level being edited may stand in a place: then its changes go there
// (editor.setPlace), and the set's screen, a save of the set or a level
// taking its place in the editor takes them into the set. The operations
// below act on the record `editor` and draw nothing; the set's screen
// (level_set_screen.cpp) asks for what they need and shows what they say.
#pragma once

#include <string>
#include <vector>

// ---- level_set_places.cpp ----

// The changes made to the level being edited go into its place now.
void syncSetPlace();
// The level being edited is about to be replaced (F2, Ctrl+N, another place):
// its changes stay in its place, and it leaves the place.
void leaveSetPlace();
// The set, or the level in its place, holds changes its file has not.
bool setHasUnsavedChanges();

// The level being edited goes into place n (1..8), under its name, or
// "Labyrinth n" when it has none; it stands in that place from now on. The
// demonstrations recorded on the labyrinth it replaces go with it.
void putLevelIntoPlace(int n);
// Place n's labyrinth becomes the level being edited, in its place: made
// safe, the cursor on its start, a fresh history. An empty place gives an
// empty level.
void editPlace(int n);
// Place n becomes empty, without its demonstrations; the level being
// edited stays, in no place when it was n's.
void emptyPlace(int n);
// Places n and n + by (by -1 or +1) change over; the set screen's choice
// and the level in its place go with them. Nothing at the ends.
void movePlace(int n, int by);
// Place n's name.
void renamePlace(int n, const std::string& name);
// A new set with this title and author, eight empty places, no file yet.
void newSet(const std::string& title, const std::string& author);
// Title and author of the set.
void nameSet(const std::string& title, const std::string& author);

// Opens "Data\<name>.zset" as the set; false with the reason in German when
// it cannot be read, and then nothing changes.
bool openSet(const std::string& name, std::string& refusal);

// What the check before a save found for one place.
enum class PlaceProof {
    Proven,       // the door is reachable; the way is kept
    Empty,        // nothing in the place
    NoStart,      // no start set
    Unreachable,  // the door cannot be reached from the start (or there is none)
    Undecided,    // too large for the search
};
// The check of every place by the level check's solver, each way kept in
// the set; called before each step with the place about to be searched, so
// that the screen can say so.
std::vector<PlaceProof> proveSet(void (*searching)(int n) = nullptr);
// The findings as German lines (code page 437): "Bewiesen: ..." or "Nicht
// bewiesen: ...".
std::vector<std::string> proofLines(const std::vector<PlaceProof>& proofs);
// Proves the set, then writes it as "Data\<name>.zset": the set's file
// from now on, its changes saved, the level in its place too. False when
// the file could not be written (the old one stays as it was). The name
// of the shipped set's file is not taken: the game lists it as the shipped
// labyrinths.
bool saveSet(const std::string& name, std::vector<PlaceProof>& proofs, void (*searching)(int n) = nullptr);
// The set file names in Data, for the dialogs of the set's screen, as
// lines of the text grid (none when there is no set).
std::vector<std::string> setFileListLines();
