// game_screen.h — opening the game's screen.
#pragma once

// Opens the 800 x 600 screen with 32-bit colour and two pages: in a window
// when World::fullScreen is 0, full screen when it is 1; any other value
// opens nothing. Called at start-up and by the menu's full-screen switch.
// Writes: nothing of World.
void openGameScreen();
