// tile_palette.h — where the tile palette (Tab) puts each tile: a row per
// brush key, in the order of the brush groups, and a last row for the tiles
// no key selects.
#pragma once

#include <vector>

// One tile of the palette.
struct PaletteCell {
    int code;   // the TileCode it makes the brush
    int x;      // pixel column of its picture's top-left corner
    int y;      // pixel row
    char key;   // the brush key whose group holds it ('0'..'9', 'Q', 'W', 'E'), 0 for none
    int press;  // presses of that key, from a brush outside its group, that select it; 0 for none
};

// Every tile the editor can place, each once, in palette order: row by row,
// left to right.
std::vector<PaletteCell> paletteCells();
