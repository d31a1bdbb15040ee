// images.cpp — creating, freeing and grabbing images.
//
// An image is a plain Image record; nothing on the screen refers to it, so it
// outlives any reopening of the screen.
#include "platform/platform.h"
#include "platform/screen_state.h"

#include <algorithm>
#include <cstring>

namespace {
// Larger requests make an empty image instead of exhausting memory: the
// biggest image either program uses is one screen.
constexpr int kMaxImageSide = 8192;
constexpr long long kMaxImagePixels = 16LL * 1024 * 1024;
}  // namespace

// Every pixel starts as kNewImageColour, the key colour with a full top byte.
// A width or height below 1, or a size beyond kMaxImageSide, gives an empty
// 0 x 0 image that draws nothing.
Image* createImage(int width, int height) {
    Image* image = new Image;
    if (width > 0 && height > 0 && width <= kMaxImageSide && height <= kMaxImageSide &&
        static_cast<long long>(width) * height <= kMaxImagePixels) {
        image->width = width;
        image->height = height;
        image->pixels.assign(static_cast<std::size_t>(width) * height, kNewImageColour);
    }
    return image;
}

void destroyImage(Image* image) { delete image; }

// Copies only when both corners lie on the page and (x1, y1) is the top-left
// one; otherwise the image stays as it was. The image's pixel storage is
// reused, so grabbing into an image of the same size never allocates.
void grabImage(int x1, int y1, int x2, int y2, Image* image) {
    if (!image || !core::onPage(x1, y1) || !core::onPage(x2, y2) || x2 < x1 || y2 < y1) return;
    const int width = x2 - x1 + 1;
    const int height = y2 - y1 + 1;
    image->pixels.resize(static_cast<std::size_t>(width) * height);
    image->width = width;
    image->height = height;
    const Colour* source = core::pageSelection.work + y1 * kScreenWidth + x1;
    Colour* target = image->pixels.data();
    for (int row = 0; row < height; ++row) {
        std::memcpy(target, source, sizeof(Colour) * width);
        source += kScreenWidth;
        target += width;
    }
}
