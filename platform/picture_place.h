// picture_place.h — where the 800 x 600 picture goes in a window or page of
// any size (internal to platform/). The SDL window and the browser page both
// place it so.
//
// The picture keeps its aspect and fills as much of the area as it can. It
// is enlarged in whole steps (every picture pixel the same number of screen
// pixels) when such a step reaches at least nine tenths of the largest size
// that fits; otherwise, and when it must shrink, to the largest size that
// fits, nearest-neighbour, where picture pixels differ by at most one screen
// pixel. So 1600 x 1200 shows it twice as large, while 1920 x 1080 fills
// the whole height at 1.8 rather than leaving nearly half of it black.
#pragma once

namespace core {

// The picture's rectangle in the area, in the area's pixels, centred.
struct PicturePlace {
    int x = 0;         // left edge
    int y = 0;         // top edge
    int width = 800;   // screen pixels across
    int height = 600;  // and down
};

// Screen pixels per picture pixel in an area of that many pixels; 1 for an
// empty area.
double pictureScale(int areaWidth, int areaHeight);
PicturePlace placePicture(int areaWidth, int areaHeight);

}  // namespace core
