// level_set_import.h — a level set from outside the player's folder brought
// into it: the game's --set FILE (a file manager's double-click), and a file
// the browser page hands either program (dropped on the page or picked).
// Both go by one rule, so a set lands under the same name wherever it is
// opened, and no file of the player's is ever replaced.
#pragma once

#include <string>

// The table file of a set of the player's: "Data\<name>.bestenliste", ten
// lines "name",score as the settings file has them from its second line.
std::string setBestPlayersPath(const std::string& name);

// What bringing a set in came to.
enum class SetImport {
    Refused,  // no playable set, or it could not be stored; the reason in German
    Shipped,  // the shipped set's own labyrinths: nothing written, name ""
    Present,  // the same set stood in Data already under `name`: nothing written
    Added,    // written as Data\<name>.zset
};

// The set in the file at hostPath (a host path, see readFieldsFromOutside)
// brought into the player's Data: under the file's own name when that is
// free, else the first free "<name>-2", "<name>-3", ...; a set already
// there with the same content is taken as it is, and the shipped set's file
// means the shipped labyrinths. A name whose table of best players is left
// from a set deleted since is not free. `name` gets the name to play ("" for
// the shipped labyrinths), `refusal` the reason when it is refused.
SetImport importLevelSet(const std::string& hostPath, std::string& name, std::string& refusal);

// importLevelSet for a file the host hands a program while it runs
// (whenHostHandsFile): `answer` gets the name ("" the shipped labyrinths)
// or, when it returns false, why the file was refused (code page 437).
bool takeHandedLevelSet(const std::string& hostPath, std::string& answer);

// How many sets takeHandedLevelSet has added to Data in this run: a screen
// that lists the sets reads them again when it changes.
int levelSetsHanded();
