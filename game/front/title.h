// title.h — the title screen's pass, one step of its loop (titleScreen in
// front.h runs it until it ends).
#pragma once

#include <cstdint>

// The state one visit of the title screen carries from pass to pass.
struct TitleState {
    double start = 0;  // timerSeconds() on entry and after every return from the menu
    double now = 0;    // the last reading of the pass loop; 0 before the first
    std::int32_t colour = static_cast<std::int32_t>(0xFFF72211u);  // text colour, 0xFFF6FB01..0xFFF72211
};

enum class TitleExit {
    Stay,           // next pass
    Start,          // a start key: play
    Demonstration,  // twenty seconds passed: a demonstration was loaded
    Loaded,         // a saved game was loaded through the menu: play it
};

// One pass: colour step; the credits (below ten seconds) or the best
// players (above ten), and the hints of F1, F2 and F3; the time-out, which
// starts a demonstration; the mouse, joystick and game pad buttons; a pause
// of 120 ms and a step of the tile animation; Esc or the pad's Start (menu),
// F1 (key help), F2 (level sets), H, L, F3 (language), and the start keys
// Enter and Space.
TitleExit titlePass(TitleState& state);
