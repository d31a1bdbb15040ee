// tiny_font.h — a 5 x 7 pixel font of our own for labels on the contact
// sheet and for the small numerals on the editor's barrier pictures.
#pragma once

#include "tools/art/canvas.h"

#include <string>

namespace zlart {

constexpr int kGlyphWidth = 5;
constexpr int kGlyphHeight = 7;
constexpr int kGlyphAdvance = 6;  // one blank column between characters

// Rows of the glyph for c, top first, bit 4 the leftmost pixel; a filled box
// for characters the font does not have.
const unsigned char* glyphRows(char c);
// Draws text with its top-left at (x, y), each font pixel as scale x scale.
void drawTinyText(Layer& l, int x, int y, const std::string& text, Rgb c, int scale);
// Width in pixels of text at scale 1.
int tinyTextWidth(const std::string& text);

}  // namespace zlart
