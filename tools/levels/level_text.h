// level_text.h — a level file back into the text source of assets/levels,
// so that a level made in the editor can be read, compared and kept beside
// the shipped ones.
//
// The text says with the grid and the marks what they can say, and with
// header lines the rest: "cell x y code" for a code the legend has no
// character for, "creature <mark> x y homeViewX homeViewY" for creatures in
// a table order other than reading order or with homes of their own,
// "view x y" for a start view other than the start's screen, "door none"
// for a level without a door within reach. Reading the text gives the same
// level file again, but for the table entries above each count, which are no
// creatures and are not kept (the notes say when any held values).
#pragma once

#include "common/level_file.h"
#include "tools/levels/level_source.h"

#include <string>
#include <vector>

struct LevelText {
    std::string text;                // the level source
    std::vector<std::string> notes;  // what the text does not keep, for the user
};

// Writes level as a level source with the characters of legend. `name` goes
// into the "name" header, `origin` into the first comment line.
LevelText levelToText(const LevelData& level, const Legend& legend, const std::string& name, const std::string& origin);

// The two levels would be written as the same file.
bool sameLevelData(const LevelData& a, const LevelData& b);
