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

// True when the w x h pixel blocks at (ax, ay) and (bx, by) of the page are
// equal.
inline bool sameBlock(int page, int ax, int ay, int bx, int by, int w, int h) {
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (headless::pixel(page, ax + x, ay + y) != headless::pixel(page, bx + x, by + y)) return false;
    return true;
}
