// drawing.cpp — images and boxes on the work page (setPixel and getPixel are
// inline, in pixel_access.h).
//
// Everything is clipped to the page (0..799 x 0..599). drawImage works row by
// row on the clipped rectangle and never allocates: it runs for hundreds of
// 40 x 40 cells per scene redraw.
#include "platform/host_hooks.h"
#include "platform/platform.h"
#include "platform/refresh.h"
#include "platform/row_copy.h"
#include "platform/screen_state.h"

#include <algorithm>

namespace {

// A horizontal run of pixels from xa to xb (included) on row y, clipped.
void horizontalLine(int y, int xa, int xb, Colour colour) {
    if (y < 0 || y >= kScreenHeight) return;
    xa = std::max(xa, 0);
    xb = std::min(xb, kScreenWidth - 1);
    if (xa > xb) return;
    std::fill_n(core::pageSelection.work + y * kScreenWidth + xa, xb - xa + 1, colour);
}

void verticalLine(int x, int ya, int yb, Colour colour) {
    if (x < 0 || x >= kScreenWidth) return;
    ya = std::max(ya, 0);
    yb = std::min(yb, kScreenHeight - 1);
    Colour* p = core::pageSelection.work + ya * kScreenWidth + x;
    for (int y = ya; y <= yb; ++y, p += kScreenWidth) *p = colour;
}

// The clipped part of an image and where it goes on the page.
struct Block {
    const Colour* source;  // first pixel of the part, in the image
    Colour* target;        // where it goes on the work page
    std::size_t columns;   // pixels per row of the part
    int rows;
    std::size_t sourceStride;  // the image's width
};

// One loop over the rows per drawing mode, chosen once per image rather
// than once per row, so that each mode's loop keeps its values in registers.
void copyRows(const Block& b) {
    const Colour* source = b.source;
    Colour* target = b.target;
    for (int row = 0; row < b.rows; ++row) {
        core::copyRow(target, source, b.columns);
        source += b.sourceStride;
        target += kScreenWidth;
    }
}

// The transparent and exclusive-or modes read the page as well as the image
// and do a few operations per pixel, so they gain from wider vectors where
// the processor has them: the compiler makes a second copy of each for
// AVX2, chosen once when the program is loaded.
#if defined(__x86_64__) && defined(__GNUC__)
#define ZL_WIDE_VECTORS __attribute__((target_clones("avx2", "default")))
#else
#define ZL_WIDE_VECTORS
#endif

// Written as a select rather than a skipped store so that the compiler can
// do several pixels at once.
ZL_WIDE_VECTORS void keyRows(const Block& b) {
    const Colour* source = b.source;
    Colour* target = b.target;
    for (int row = 0; row < b.rows; ++row) {
        for (std::size_t i = 0; i < b.columns; ++i) {
            const Colour p = source[i] & 0x00FFFFFFu;
            target[i] = p == kKeyColour ? target[i] : p;
        }
        source += b.sourceStride;
        target += kScreenWidth;
    }
}

ZL_WIDE_VECTORS void xorRows(const Block& b) {
    const Colour* source = b.source;
    Colour* target = b.target;
    for (int row = 0; row < b.rows; ++row) {
        for (std::size_t i = 0; i < b.columns; ++i) target[i] ^= source[i];
        source += b.sourceStride;
        target += kScreenWidth;
    }
}

}  // namespace

// Corners may be given in any order.
void drawBox(int x1, int y1, int x2, int y2, Colour colour) {
    const int left = std::min(x1, x2), right = std::max(x1, x2);
    const int top = std::min(y1, y2), bottom = std::max(y1, y2);
    horizontalLine(top, left, right, colour);
    horizontalLine(bottom, left, right, colour);
    verticalLine(left, top, bottom, colour);
    verticalLine(right, top, bottom, colour);
    core::countCall(core::Lane::Drawing, 16);
}

void drawImage(int x, int y, const Image* image, DrawMode mode) {
    if (!image || image->width <= 0 || image->height <= 0 ||
        image->pixels.size() < static_cast<std::size_t>(image->width) * image->height)
        return;
    // The visible part in image coordinates, computed in 64 bits so that
    // positions near the int limits cannot overflow.
    const long long left = std::max(0LL, -static_cast<long long>(x));
    const long long top = std::max(0LL, -static_cast<long long>(y));
    const long long right = std::min<long long>(image->width, static_cast<long long>(kScreenWidth) - x);
    const long long bottom = std::min<long long>(image->height, static_cast<long long>(kScreenHeight) - y);
    if (left >= right || top >= bottom) return;

    const int columns = static_cast<int>(right - left);
    const int rows = static_cast<int>(bottom - top);
    const Colour* source = image->pixels.data() + top * image->width + left;
    Colour* target = core::pageSelection.work + (y + top) * kScreenWidth + (x + left);
    const Block block{source, target, static_cast<std::size_t>(columns), rows, static_cast<std::size_t>(image->width)};
    switch (mode) {
        case DrawMode::Opaque: copyRows(block); break;
        case DrawMode::Transparent: keyRows(block); break;
        case DrawMode::Xor: xorRows(block); break;
    }
    if (core::pictureDrawn) {
        core::pictureDrawn(core::workPageIndex(), x + static_cast<int>(left), y + static_cast<int>(top),
                           x + static_cast<int>(right) - 1, y + static_cast<int>(bottom) - 1);
    }
    core::countCall(core::Lane::Drawing, 1 + columns * static_cast<int>(bottom - top) / 64);
}
