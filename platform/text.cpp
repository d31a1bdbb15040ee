// text.cpp — the text grid: cursor, colours and printing.
//
// Cells are 8 pixels wide and 8 (openScreen) or 16 (mode 19) high; row r,
// column c (from 1) has its top-left pixel at (8 (c - 1), h (r - 1)).
// Characters that fall outside the grid, past column 100 or below the last
// row, are not drawn, so printing never writes outside the page; the cursor
// still moves, but stops one past the last column and one past the last row.
#include "platform/fonts.h"
#include "platform/host_hooks.h"
#include "platform/platform.h"
#include "platform/refresh.h"
#include "platform/screen_state.h"
#include "platform/text_grid.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace core {

void drawCell(int row, int column, unsigned char code, Colour foreground, Colour background) {
    const TextGrid& grid = screen.text;
    if (row < 1 || row > grid.rows || column < 1 || column > kTextColumns) return;
    const std::uint8_t* glyph = grid.cellHeight == 16 ? kFont8x16[code] : kFont8x8[code];
    Colour* line = pageSelection.work + (row - 1) * grid.cellHeight * kScreenWidth + (column - 1) * 8;
    for (int y = 0; y < grid.cellHeight; ++y, line += kScreenWidth) {
        const std::uint8_t bits = glyph[y];
        for (int x = 0; x < 8; ++x) line[x] = (bits & (0x80 >> x)) ? foreground : background;
    }
}

}  // namespace core

void setTextPos(int row, int column) {
    core::TextGrid& grid = core::screen.text;
    if (row < 1 || row > grid.rows || column < 1 || column > kTextColumns) return;
    grid.row = row;
    grid.column = column;
}

void setTextColour(Colour foreground) { core::screen.text.foreground = foreground; }

void printText(const std::string& text, bool newline) {
    core::TextGrid& grid = core::screen.text;
    if (core::textPrinted) core::textPrinted(grid.row, grid.column, text);
    for (unsigned char c : text) {
        if (grid.column > kTextColumns) break;  // nothing more of this text can show
        core::drawCell(grid.row, grid.column, c, grid.foreground, grid.background);
        ++grid.column;
    }
    if (newline) {
        grid.column = 1;
        grid.row = std::min(grid.row + 1, grid.rows + 1);
    }
    core::countCall(core::Lane::Drawing, 1 + static_cast<int>(std::min<std::size_t>(text.size(), kTextColumns)));
}

// The value right-aligned in as many columns as the picture has '#'; a minus
// sign counts as one of them. A value wider than that is printed whole after
// "%".
void printPicture(const std::string& picture, int value) {
    const std::size_t width = static_cast<std::size_t>(std::count(picture.begin(), picture.end(), '#'));
    const std::string digits = std::to_string(value);
    std::string shown = digits.size() > width ? std::string(1, '%') : std::string(width - digits.size(), ' ');
    shown.append(digits);
    printText(shown, true);
}

void printInteger(int value, bool newline) {
    std::string shown(value < 0 ? 0 : 1, ' ');
    shown.append(std::to_string(value));
    printText(shown, newline);
}
