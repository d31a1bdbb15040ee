// view_blocks.h — the yardstick of the map redraws (the game's scene and the
// editor's map view): the view's 280 cells as 40 x 40 block copies onto a
// raw page, row by row with memcpy, the least work a redraw can do.
#pragma once

#include "common/map_geometry.h"
#include "platform/platform.h"

#include <cstring>
#include <vector>

// A page of the screen's size and one cell's block, filled with two colours.
struct ViewBlocks {
    std::vector<Colour> page = std::vector<Colour>(static_cast<std::size_t>(kScreenWidth) * kScreenHeight, 0x00123456u);
    std::vector<Colour> block = std::vector<Colour>(static_cast<std::size_t>(kCell) * kCell, 0x00ABCDEFu);

    // Copies the block onto every cell of the view.
    void copyOntoEveryCell() {
        for (int c = 0; c < kViewColumns; ++c) {
            for (int r = 0; r < kViewRows; ++r) {
                Colour* target = page.data() + r * kCell * kScreenWidth + c * kCell;
                for (int row = 0; row < kCell; ++row)
                    std::memcpy(target + row * kScreenWidth, block.data() + row * kCell, sizeof(Colour) * kCell);
            }
        }
    }
};
