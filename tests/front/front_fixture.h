// front_fixture.h — a headless game screen in a scratch folder, with helpers
// to press keys at virtual times and to see whether a text is on the screen.
#pragma once

#include "game/front/front.h"
#include "tests/support/scratch_dir.h"
#include "tests/world/game_fixture.h"

#include <string>

class FrontTest : public GameFixture {
protected:
    // A key pressed at virtual time `at` and held for `hold` seconds. The
    // menu sees a 50 ms press once; the title screen, which sleeps 120 ms a
    // pass, needs 100 ms.
    static void tap(int scancode, double at, double hold = 0.05) {
        headless::keyDown(scancode, at);
        headless::keyUp(scancode, at + hold);
    }
    // Seconds from now on the virtual clock.
    static double in(double seconds) { return headless::clock() + seconds; }
    // Runs the title screen; the virtual seconds it took.
    static double timedTitle() {
        const double start = headless::clock();
        titleScreen();
        return headless::clock() - start;
    }

    // Does the visible page show text at (row, column) in colour? Prints the
    // same text on the background page and compares the cells.
    static bool textShown(int row, int column, const std::string& text, Colour colour = kWhite) {
        return textShownIn(headless::pagePixels(0), row, column, text, colour);
    }
    // The same in a picture of the visible page taken earlier (800 x 600).
    static bool textShownIn(const Colour* picture, int row, int column, const std::string& text, Colour colour = kWhite) {
        setPages(1, 0);
        setTextColour(colour);
        setTextPos(row, column);
        printText(text, false);
        setPages(0, 0);
        setTextColour(kWhite);
        for (int y = 8 * (row - 1); y < 8 * row; ++y) {
            for (int x = 8 * (column - 1); x < 8 * (column - 1 + static_cast<int>(text.size())); ++x) {
                if (picture[y * kScreenWidth + x] != headless::pixel(1, x, y)) return false;
            }
        }
        return true;
    }

    ScratchDir dir;
};
