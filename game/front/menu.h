// menu.h — the in-game menu's seven lines and its drawing.
#pragma once

#include "game/world/world.h"

constexpr int kMenuLines = 7;

// The frame around the chosen line: a one-pixel white outline.
struct MenuFrame {
    int x1, y1, x2, y2;
};

// What choosing a line does to the menu.
enum class MenuExit {
    Stay,    // a switch was flipped; the menu goes on
    Leave,   // back to the game (or the title screen)
    Loaded,  // a saved game was loaded; then back
};

// One line of the menu, on text row 22 + 2 (k - 1), column 38.
struct MenuLine {
    const char* text;        // a fixed line, German (drawMenu shows it through tr); nullptr for a switch
    int RunState::*setting;  // a switch line's setting (0 or 1); nullptr otherwise
    const char* textOn;      // a switch line's text while the setting is 1, German
    const char* textOff;     // ... while it is 0; any other value shows nothing
    MenuFrame frame;
    MenuExit (*choose)(const MenuLine&);  // what Space, Enter or the left button does here
};

// Lines 1..7 by World::menuCursor; entry 0 is unused.
extern const MenuLine kMenu[kMenuLines + 1];

// The whole menu in its current state on the work page (the visible page):
// a wall box, the heading, the seven lines and the frame of menuCursor,
// then a pause of 60 ms.
void drawMenu();
