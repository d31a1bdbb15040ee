// level_set.h — a level set ("Sammlung"): eight labyrinths with a title and an
// author, handed around as one file "Data\<name>.zset", and its one reader
// and one writer. The game plays a set through its normal flow, the editor
// makes and changes sets, the level tool builds the shipped one.
//
// The file is plain text in the field format of every data file, each value
// of a labyrinth walked by forEachLevelValue as in a level file:
//
//   "Zauberlabyrinth-Sammlung",1                      what it is, format version
//   "Titel","Das Zauberlabyrinth"
//   "Autor","Die Zauberlabyrinth-Entwickler"
//   "Labyrinthe",8,"Ende",1,"Demos",4                 eight places; closing scene 0 or 1; 0..4 demonstrations
//   then for each place n = 1..8:
//   "Labyrinth",n,"Der Keller"                        the place and its labyrinth's name
//   "Weg",96,2,2,3,...                                a way to the door (codes 1..5), or "Weg",0
//   the labyrinth's values, exactly as a level file holds them (1,624 lines)
//   "Ende" and the closing scene's values, when there is one
//   for each demonstration k: "Demo",k,n and its 1000 codes on one line, played on place n
//   "Schluss"
//
// A way ("Weg") is the proof that the door can be reached: the commands of
// the solver (common/solver.h), walked from the start by the game's rules.
// The reader walks every way again and keeps only one that ends on the door,
// so a set counts as proven exactly when each of its eight places carries a
// way. Values are read strictly (a field that is not a whole number refuses
// the file) but kept as they stand; whoever plays or edits a labyrinth makes
// it safe (makeLevelSafe) as with any level file.
#pragma once

#include "common/commands.h"
#include "common/demo_file.h"
#include "common/language.h"
#include "common/level_file.h"
#include "common/level_list.h"

#include <string>
#include <vector>

constexpr int kLevelSetFormat = 1;         // the format this program writes and reads
constexpr int kMaxSetDemonstrations = 4;   // demonstrations a set may bring
constexpr int kMaxSetText = 40;            // characters of a title, an author or a place's name
constexpr int kMaxRouteCommands = 20'000;  // commands a way may hold
constexpr const char* kLevelSetExtension = ".zset";

// The shipped labyrinths as a set: the title the game lists them by, and the
// name of the file the build makes of them ("Data\zauberlabyrinth.zset"),
// which the game's list leaves out: the shipped labyrinths head it already.
constexpr const char* kShippedSetTitle = trMark("Das Zauberlabyrinth");
constexpr const char* kShippedSetAuthor = trMark("Die Zauberlabyrinth-Entwickler");
constexpr const char* kShippedSetName = "zauberlabyrinth";

// One place of a set.
struct SetLabyrinth {
    std::string name;            // the labyrinth's name, code page 437, at most kMaxSetText characters
    LevelData level;             // its values as a level file holds them
    std::vector<Command> route;  // a way from the start to the door by the game's rules; empty when unproven

    bool operator==(const SetLabyrinth&) const = default;
};

// A demonstration the title screen plays for the set.
struct SetDemonstration {
    int place = 1;           // the labyrinth 1..8 it is played on
    RecordingMoves moves{};  // codes 1..1000, as a recording holds them

    bool operator==(const SetDemonstration&) const = default;
};

// A whole set. The levels live in vectors, so a set is small wherever it
// is kept and copies like any value.
struct LevelSet {
    std::string title;                             // code page 437, at most kMaxSetText characters
    std::string author;                            // likewise
    std::vector<SetLabyrinth> labyrinths;          // kLevelCount places in play order, once read or made
    std::vector<LevelData> closingScene;           // none, or the scene shown behind the game-over text
    std::vector<SetDemonstration> demonstrations;  // 0..kMaxSetDemonstrations, played in turn

    bool operator==(const LevelSet&) const = default;
};

// A set with title and author and eight empty places (no name, every value 0).
LevelSet emptyLevelSet(const std::string& title = "", const std::string& author = "");
// A place that holds nothing: no name and an all-zero level.
bool isEmptyPlace(const SetLabyrinth& place);
// Every place carries a way to its door.
bool isProven(const LevelSet& set);

// "Data\<name>.zset".
std::string levelSetPath(const std::string& name);

// Writes the set to path ("Data\..."), replacing an earlier file only once
// the new one is complete. True when it stands in place. A set with fewer or
// more than eight places is not written.
bool writeLevelSet(const std::string& path, const LevelSet& set);
// Reads the set at path. False, with `refusal` saying in German (code page
// 437) what is wrong, when the file is missing, damaged, cut short, too
// large or no set; set is then as it was.
bool readLevelSet(const std::string& path, LevelSet& set, std::string& refusal);
// The same from the current field source, whatever put the bytes there (an
// open data file after beginFieldRead, a file from outside Data).
bool readLevelSetFields(LevelSet& set, std::string& refusal);
