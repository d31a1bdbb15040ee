// text_grid.h — glyph drawing for the text operations (internal).
#pragma once

#include "platform/platform.h"

namespace core {

// Draws character `code` into the cell (row, column) of the grid, glyph
// pixels in `foreground`, the rest in `background`. Cells outside the grid
// are skipped.
void drawCell(int row, int column, unsigned char code, Colour foreground, Colour background);

}  // namespace core
