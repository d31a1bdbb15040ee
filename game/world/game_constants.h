// game_constants.h — the numbers several of the game's floors share, each
// written once: full energy, where the pointer rests, where the status line
// prints. The cell size is the map's (kCell, common/map_geometry.h), the text
// grid's width the platform's (kTextColumns, platform/platform.h).
#pragma once

constexpr int kFullEnergy = 99;  // energy of a new game and of the E key; a saved game's upper bound

// The pointer is kept hidden at the screen's centre; live input and the menu
// measure its pushes from there.
constexpr int kPointerCentreX = 400;  // pixels
constexpr int kPointerCentreY = 300;  // pixels

// The status line on the background page.
constexpr int kStatusRow = 72;     // its text row
constexpr int kEnergyColumn = 10;  // the energy value's column ("##") on it
constexpr int kScoreColumn = 50;   // the score's column ("#######") on it
constexpr const char* kEnergyPicture = "##";
constexpr const char* kScorePicture = "#######";
