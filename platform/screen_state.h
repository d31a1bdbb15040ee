// screen_state.h — the pages and the text grid (internal to platform/).
//
// Every page is one 800 x 600 buffer; pageSelection.work (pixel_access.h)
// points straight at the work page, so a pixel operation is a bounds test
// and one store or load. Before the first openScreen (and after
// headless::reset) it points at a detached scratch page, so drawing never
// needs a null test and never touches memory outside a buffer.
#pragma once

#include "platform/platform.h"

#include <cstdint>
#include <vector>

namespace core {

constexpr int kPagePixels = kScreenWidth * kScreenHeight;

struct TextGrid {
    int cellHeight = 8;  // 8 (openScreen) or 16 (mode 19)
    int rows = 75;       // 600 / cellHeight, whole cells only
    int row = 1;         // cursor, from 1; may stand one past the last row
    int column = 1;      // from 1; may stand one past the last column
    Colour foreground = kWhite;
    Colour background = 0xFF000000u;
};

// Everything about the screen but the page selection (pixel_access.h).
struct Screen {
    bool opened = false;        // openScreen / openScreenMode has run
    std::vector<Colour> store;  // pages * kPagePixels colours
    TextGrid text;
};

// The one screen of the program; defined in screen.cpp.
extern Screen screen;

// Back to "no screen": pages freed, scratch page cleared, grid defaults.
void closeScreen();
// The number of the work page (0 without a screen).
int workPageIndex();
// Pixels of page `index`; nullptr when there is no such page.
const Colour* pagePixels(int index);

}  // namespace core
