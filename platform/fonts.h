// fonts.h — the code page 437 glyph tables of the text grid (internal).
//
// One glyph per code 0..255, one byte per pixel row, top row first, bit 7 the
// leftmost pixel. Generated from Debian console fonts; see platform/FONTS.md.
#pragma once

#include <cstdint>

extern const std::uint8_t kFont8x8[256][8];    // the game's grid: 100 x 75 cells
extern const std::uint8_t kFont8x16[256][16];  // the editor's grid (mode 19): 100 x 37 cells
