// tile_names.cpp — the German names of the tiles and creatures, as the
// status line, the palette, the check and the test run show them.
//
// The marked codes -2, -1, 4 and 5 are the secret walls the wizard walks
// through: "begehbar" tells them from the walls they look like. Code page
// 437: \x81 is ü, \x84 ä, \x94 ö, \xE1 ß.
//
// Writes: nothing of the record.
#include "editor/tile_names.h"

#include <algorithm>
#include <iterator>

namespace {

struct TileName {
    int code;          // the TileCode
    const char* name;  // what the editor calls it
};
const TileName kTileNames[] = {
    {-2, "S\x84ule, begehbar"},
    {-1, "Alte Wand, begehbar"},
    {0, "Boden"},
    {1, "Boden 2"},
    {2, "Boden 3"},
    {3, "Boden 4"},
    {4, "Rote Mauer, begehbar"},
    {5, "Alte Mauer, begehbar"},
    {10, "Flamme"},
    {11, "Flamme 2"},
    {12, "Glut"},
    {13, "Wasserfall"},
    {14, "Wasser"},
    {29, "T\x81r"},
    {30, "Axt"},
    {31, "Krug"},
    {32, "Schwert"},
    {33, "Sternschnuppe"},
    {34, "Kreuz"},
    {40, "Schl\x81ssel"},
    {41, "Schl\x81ssel 2"},
    {42, "Kaputter Schl\x81ssel"},
    {43, "Moosschl\x81ssel"},
    {44, "Krone"},
    {45, "Harfe"},
    {46, "Kerzenst\x84nder"},
    {50, "Sperre 1"},
    {51, "Sperre 2"},
    {52, "Sperre 3"},
    {53, "Sperre 4"},
    {54, "Schatzsperre 1"},
    {55, "Schatzsperre 2"},
    {56, "Schatzsperre 3"},
    {60, "Quersperre 1"},
    {61, "Quersperre 2"},
    {62, "Quersperre 3"},
    {63, "Quersperre 4"},
    {100, "Rote Mauer"},
    {101, "Rote Mauer, Kante unten"},
    {102, "Rote Mauer, Kante oben"},
    {103, "Rote Mauer, Kante links"},
    {104, "Rote Mauer, Kante rechts"},
    {105, "Fenster"},
    {110, "Rote Mauer 2"},
    {120, "Alte Wand"},
    {121, "Alte Wand, Kante links"},
    {122, "Alte Wand, Kante rechts"},
    {123, "Alte Wand mit Blut"},
    {124, "Fackelhalter"},
    {130, "Alte Mauer"},
    {131, "Alte Mauer, Kante links"},
    {132, "Alte Mauer, Kante rechts"},
    {133, "Alte Mauer mit Blut"},
    {134, "Alte Mauer, Bogen rechts"},
    {135, "Alte Mauer, Bogen links"},
    {136, "Alte Mauer mit Fenster"},
    {140, "S\x84ule"},
    {141, "S\x84ule, oben"},
    {142, "S\x84ule, unten"},
    {143, "S\x84ule, liegend"},
    {144, "Dach links"},
    {145, "Dach rechts"},
    {146, "Dach 2 links"},
    {147, "Dach 2 rechts"},
    {148, "Dach"},
    {149, "Dach 2"},
    {150, "Hecke links"},
    {151, "Hecke Mitte"},
    {152, "Hecke rechts"},
    {153, "Kette"},
    {154, "Metall"},
    {155, "Metall, Ende links"},
    {156, "Metall, Ende rechts"},
    {157, "Kette quer"},
    {160, "Wolke links"},
    {161, "Wolke Mitte"},
    {162, "Wolke rechts"},
};

// The creature kinds in the order of the level file (FileCreatureKind).
struct CreatureName {
    const char* name;         // "Schwein"
    const char* withArticle;  // "ein Schwein"
};
const CreatureName kCreatureNames[kCreatureKinds] = {
    {"Schwein", "ein Schwein"},
    {"Flammengeist", "ein Flammengeist"},
    {"Putzmann", "ein Putzmann"},
    {"Auge", "ein Auge"},
};
const char* const kFlameWithArticle = "eine Flamme";

}  // namespace

const char* tileName(int code) {
    const auto found = std::find_if(std::begin(kTileNames), std::end(kTileNames),
                                    [code](const TileName& tile) { return tile.code == code; });
    return found == std::end(kTileNames) ? nullptr : found->name;
}

std::string tileLabel(int code) {
    const char* name = tileName(code);
    return std::to_string(code) + " " + (name != nullptr ? name : "(unbekannt)");
}

const char* creatureName(FileCreatureKind kind) { return kCreatureNames[static_cast<int>(kind)].name; }

const char* harmName(Harm harm) {
    if (harm == Harm::Flame) return kFlameWithArticle;
    const int kind = static_cast<int>(harm) - static_cast<int>(Harm::Pig);
    return kind >= 0 && kind < kCreatureKinds ? kCreatureNames[kind].withArticle : nullptr;
}
