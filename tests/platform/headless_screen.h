// headless_screen.h — common ground of the platform tests: a fresh headless
// backend with the game's screen open, and a few ways to look at pages.
#pragma once

#include "platform/headless/headless.h"
#include "platform/platform.h"

#include <gtest/gtest.h>

#include <string>

// Each test starts from headless::reset() with an 800 x 600 screen of two
// pages and the 8 x 8 text grid, as the game opens it.
class HeadlessScreen : public ::testing::Test {
protected:
    void SetUp() override {
        headless::reset();
        openScreen(kScreenWidth, kScreenHeight, 32, 2, 0);
    }
};

// Fills page `page` with one colour, through the drawing operations.
inline void fillPage(int page, Colour colour) {
    setPages(page, headless::visiblePage());
    for (int y = 0; y < kScreenHeight; ++y)
        for (int x = 0; x < kScreenWidth; ++x) setPixel(x, y, colour);
}

// How many pixels of the page lie outside the rectangle (x1..x2, y1..y2) and
// differ from `colour`.
inline int changedOutside(int page, int x1, int y1, int x2, int y2, Colour colour) {
    int changed = 0;
    for (int y = 0; y < kScreenHeight; ++y)
        for (int x = 0; x < kScreenWidth; ++x)
            if ((x < x1 || x > x2 || y < y1 || y > y2) && headless::pixel(page, x, y) != colour) ++changed;
    return changed;
}

// Three pixels to follow through a copy between pages: the page's two
// corners and one inside.
struct PixelMark {
    int x, y;
    Colour colour;
};
inline constexpr PixelMark kPixelMarks[] = {{0, 0, 0x123456}, {799, 599, 0x654321}, {100, 100, 0xABCDEF}};

// Sets the marks on page `page`; page 0 is the work page afterwards.
inline void setPixelMarks(int page) {
    setPages(page, headless::visiblePage());
    for (const PixelMark& m : kPixelMarks) setPixel(m.x, m.y, m.colour);
    setPages(0, headless::visiblePage());
}

// How many of the marks page holds.
inline int pixelMarksOn(int page) {
    int found = 0;
    for (const PixelMark& m : kPixelMarks) found += headless::pixel(page, m.x, m.y) == m.colour;
    return found;
}

// True when the w x h pixel blocks at (ax, ay) and (bx, by) of the page are
// equal.
inline bool sameBlock(int page, int ax, int ay, int bx, int by, int w, int h) {
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (headless::pixel(page, ax + x, ay + y) != headless::pixel(page, bx + x, by + y)) return false;
    return true;
}
