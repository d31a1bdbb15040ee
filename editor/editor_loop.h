// editor_loop.h — the editor program: start-up and the command loop.
#pragma once

// How the screen opens.
enum class ScreenChoice {
    FullScreen,  // the default
    Window,      // the --window argument
};

// Opens the screen (mode 19: 800 x 600, 8 x 16 text grid, one page), sets
// the start-up values, loads the images, names the window and draws the view,
// the cursor, the start-up hint and the status line.
void startEditor(ScreenChoice screen);
// One pass of the command loop: wait 80 ms, empty the key buffer, run the
// command of every row of the command table whose keys ask for it, in table
// order, then the quit question if the window's close button was pressed,
// and the status line where something changed. Returns only while the
// editor goes on.
void commandPass();
// startEditor, then command passes until the program ends.
[[noreturn]] void runEditor(ScreenChoice screen);
