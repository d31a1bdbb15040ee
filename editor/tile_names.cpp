// tile_names.cpp — the names of the tiles and creatures, as the status
// line, the palette, the check and the test run show them: German here, in
// the language chosen where they are shown (tr).
//
// The marked codes -2, -1, 4 and 5 are the secret walls the wizard walks
// through: "begehbar" tells them from the walls they look like. Code page
// 437: \x81 is ü, \x84 ä, \x94 ö, \xE1 ß.
//
// Writes: nothing of the record.
#include "editor/tile_names.h"

#include "common/language.h"

#include <algorithm>
#include <iterator>

namespace {

struct TileName {
    int code;          // the TileCode
    const char* name;  // what the editor calls it
};
const TileName kTileNames[] = {
    {-2, trMark("S\x84ule, begehbar")},
    {-1, trMark("Alte Wand, begehbar")},
    {0, trMark("Boden")},
    {1, trMark("Boden 2")},
    {2, trMark("Boden 3")},
    {3, trMark("Boden 4")},
    {4, trMark("Rote Mauer, begehbar")},
    {5, trMark("Alte Mauer, begehbar")},
    {10, trMark("Flamme")},
    {11, trMark("Flamme 2")},
    {12, trMark("Glut")},
    {13, trMark("Wasserfall")},
    {14, trMark("Wasser")},
    {29, trMark("T\x81r")},
    {30, trMark("Axt")},
    {31, trMark("Krug")},
    {32, trMark("Schwert")},
    {33, trMark("Sternschnuppe")},
    {34, trMark("Kreuz")},
    {40, trMark("Schl\x81ssel")},
    {41, trMark("Schl\x81ssel 2")},
    {42, trMark("Kaputter Schl\x81ssel")},
    {43, trMark("Moosschl\x81ssel")},
    {44, trMark("Krone")},
    {45, trMark("Harfe")},
    {46, trMark("Kerzenst\x84nder")},
    {50, trMark("Sperre 1")},
    {51, trMark("Sperre 2")},
    {52, trMark("Sperre 3")},
    {53, trMark("Sperre 4")},
    {54, trMark("Schatzsperre 1")},
    {55, trMark("Schatzsperre 2")},
    {56, trMark("Schatzsperre 3")},
    {60, trMark("Quersperre 1")},
    {61, trMark("Quersperre 2")},
    {62, trMark("Quersperre 3")},
    {63, trMark("Quersperre 4")},
    {100, trMark("Rote Mauer")},
    {101, trMark("Rote Mauer, Kante unten")},
    {102, trMark("Rote Mauer, Kante oben")},
    {103, trMark("Rote Mauer, Kante links")},
    {104, trMark("Rote Mauer, Kante rechts")},
    {105, trMark("Fenster")},
    {110, trMark("Rote Mauer 2")},
    {120, trMark("Alte Wand")},
    {121, trMark("Alte Wand, Kante links")},
    {122, trMark("Alte Wand, Kante rechts")},
    {123, trMark("Alte Wand mit Blut")},
    {124, trMark("Fackelhalter")},
    {130, trMark("Alte Mauer")},
    {131, trMark("Alte Mauer, Kante links")},
    {132, trMark("Alte Mauer, Kante rechts")},
    {133, trMark("Alte Mauer mit Blut")},
    {134, trMark("Alte Mauer, Bogen rechts")},
    {135, trMark("Alte Mauer, Bogen links")},
    {136, trMark("Alte Mauer mit Fenster")},
    {140, trMark("S\x84ule")},
    {141, trMark("S\x84ule, oben")},
    {142, trMark("S\x84ule, unten")},
    {143, trMark("S\x84ule, liegend")},
    {144, trMark("Dach links")},
    {145, trMark("Dach rechts")},
    {146, trMark("Dach 2 links")},
    {147, trMark("Dach 2 rechts")},
    {148, trMark("Dach")},
    {149, trMark("Dach 2")},
    {150, trMark("Hecke links")},
    {151, trMark("Hecke Mitte")},
    {152, trMark("Hecke rechts")},
    {153, trMark("Kette")},
    {154, trMark("Metall")},
    {155, trMark("Metall, Ende links")},
    {156, trMark("Metall, Ende rechts")},
    {157, trMark("Kette quer")},
    {160, trMark("Wolke links")},
    {161, trMark("Wolke Mitte")},
    {162, trMark("Wolke rechts")},
};

// The creature kinds in the order of the level file (FileCreatureKind).
struct CreatureName {
    const char* name;         // "Schwein"
    const char* withArticle;  // "ein Schwein"
};
const CreatureName kCreatureNames[kCreatureKinds] = {
    {trMark("Schwein"), trMark("ein Schwein")},
    {trMark("Flammengeist"), trMark("ein Flammengeist")},
    {trMark("Putzmann"), trMark("ein Putzmann")},
    {trMark("Auge"), trMark("ein Auge")},
};
const char* const kFlameWithArticle = trMark("eine Flamme");

}  // namespace

const char* tileName(int code) {
    const auto found = std::find_if(std::begin(kTileNames), std::end(kTileNames),
                                    [code](const TileName& tile) { return tile.code == code; });
    return found == std::end(kTileNames) ? nullptr : tr(found->name);
}

std::string tileLabel(int code) {
    const char* name = tileName(code);
    return std::to_string(code) + " " + (name != nullptr ? name : tr("(unbekannt)"));
}

const char* creatureName(FileCreatureKind kind) { return tr(kCreatureNames[static_cast<int>(kind)].name); }

const char* harmName(Harm harm) {
    if (harm == Harm::Flame) return tr(kFlameWithArticle);
    const int kind = static_cast<int>(harm) - static_cast<int>(Harm::Pig);
    return kind >= 0 && kind < kCreatureKinds ? tr(kCreatureNames[kind].withArticle) : nullptr;
}
