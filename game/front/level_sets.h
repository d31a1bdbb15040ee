// level_sets.h — the level sets the game can play: the shipped labyrinths,
// always first, and the sets "Data\<name>.zset" in the player's folder; the
// change from one to another with its table of best players (its file:
// setBestPlayersPath, common/level_set_import.h, which also brings a set
// given on the command line into Data); and the list the title screen opens
// with F2.
#pragma once

#include <string>
#include <vector>

// One line of the list of sets.
struct SetListEntry {
    std::string name;     // "" for the shipped labyrinths, else the file's name in Data without ".zset"
    std::string title;    // the set's title (code page 437); the file's name when it has none
    std::string author;   // its author
    bool proven = false;  // every labyrinth carries a way to its door
    std::string refusal;  // why the file cannot be played (code page 437); "" when it can
    std::string note;     // what the list says of it besides (code page 437): the shipped labyrinths the player changed
};

// The shipped labyrinths, then every set file in Data but the shipped one's,
// by title; a damaged file is listed with what is wrong with it. The
// shipped labyrinths are played from Data\001..008.dat: they are marked
// proven only while each of those is the shipped file, and the ones the
// player changed are named in their note.
std::vector<SetListEntry> listLevelSets();

// Makes `name` the set played ("" the shipped labyrinths). The table of the
// set left is kept (the shipped one in memory for the settings file, a
// player's set in its table file) and that of the new set is shown from
// now on; a set without a table file starts with an empty one. Its
// demonstrations come next on the title screen. False, with the reason in
// German, when the set cannot be read; nothing changes then.
// Writes: World::setName, set, demoCycle, bestNames, bestScores,
// shippedBestNames, shippedBestScores.
bool chooseLevelSet(const std::string& name, std::string& refusal);

// ---- set_list_screen.cpp: the title screen's F2 ----

// The key's hint in the status line's free columns, beside the key help's.
void printSetListHint();
// The list over the title screen: arrows choose, Enter or Space plays the
// chosen set, Esc goes back. When another set was chosen, its labyrinth 1
// is loaded and drawn behind the title and the result is true; otherwise
// the screen is put back as it was. `seconds` gets how long it was open.
bool setListScreen(double& seconds);
