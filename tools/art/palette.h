// palette.h — the shared colour table of all pictures.
//
// Each line of the palette file is "<char> <RRGGBB> <name>": the character
// that stands for the colour in character grids and drawing commands.
// '.' and ' ' are reserved: they mean "leave this pixel alone" in a grid.
#pragma once

#include "tools/art/canvas.h"

#include <array>
#include <string>

namespace zlart {

struct PaletteEntry {
    bool defined = false;
    Rgb rgb = 0;
    std::string name;
};

struct Palette {
    std::array<PaletteEntry, 128> entries;

    bool has(char c) const;
    // The colour of c; fails with file:line when c is not in the palette.
    Rgb colour(char c, const std::string& file, int line) const;
};

// Reads the palette file; fails on a malformed line or a reused character.
Palette readPalette(const std::string& path);
Palette parsePalette(const std::string& text, const std::string& fileName);

}  // namespace zlart
