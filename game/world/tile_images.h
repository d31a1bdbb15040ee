// tile_images.h — which catalogue images the scene draws for a tile code.
#pragma once

#include "game/world/sprite_catalogue.h"

struct TileImages {
    Img phaseA;  // drawn by the full render; Img::Count when the code has no image
    Img phaseB;  // second image of an animated tile; Img::Count when not animated
};

// The images of code; both Img::Count for a code not in the tile table.
TileImages tileImages(int code);
// True for the six animated codes (8, 10, 11, 12, 13, 14).
bool isAnimatedTile(int code);
