// main_loop.h — start-up, each game and the paced frame loop.
//
// Writes: World::heldItem, energy, sceneShown, deathKind, level, demoStep,
// score (new game); playerOffsetX/Y (start of play); frameCounter, turnHold,
// splinterTimer (frame step); level (level exit).
#pragma once

constexpr double kFramePeriod = 0.02;  // seconds between frame steps, at least

// Opens the 800 x 600 screen, two pages, window or full screen by fullScreen.
void openGameScreen();
// Settings, screen, mouse pointer, images: once per run.
void startUp();
// One game from the reset of its fields through the title screen and play to
// its end (death, drowning, Esc, end of a demonstration).
void playOneGame();
// The game program: startUp, then games without end.
[[noreturn]] void runGameProgram();

// ---- Pieces of the loop, exposed for tests ----

// One pass of the frame loop; returns false when the game has ended.
// lastFrame is the time of the last frame step and is updated by it.
bool loopPass(double& lastFrame);
// The frame step; returns false when the game has ended.
bool frameStep(double& lastFrame);
