// rules_fixture.h — a small hand-made world for the rules tests.
//
// Every test starts from a zeroed World on an all-Floor map with the wizard
// at rest on (5, 5) of the first screen, energy 50, sound on, and all 102
// catalogue images created at their sizes (filled with the new-image colour),
// so that the real scene operations can draw. The headless backend is reset
// and an 800 x 600 two-page screen is open.
#pragma once

#include "game/world/sprite_catalogue.h"
#include "game/world/world.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "tests/support/catalogue_images.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

class RulesTest : public ::testing::Test {
protected:
    void SetUp() override {
        headless::reset();
        openScreen(kScreenWidth, kScreenHeight, 32, 2, 0);
        world = World{};
        createCatalogueImages(ImageFill::New);
        world.playerX = 5;
        world.playerY = 5;
        world.energy = 50;
        world.soundOn = 1;
        world.level = 1;
        world.sceneShown = 1;  // flips render without the slow dissolve
    }
    void TearDown() override { destroyCatalogueImages(); }

    // Puts creature k of a table on (x, y) with the current screen as home
    // and raises the count to at least k.
    static Creature& place(CreatureTable& table, int& count, int k, int x, int y) {
        Creature& c = table[static_cast<std::size_t>(k)];
        c = Creature{};
        c.x = x;
        c.y = y;
        c.homeViewX = world.viewX;
        c.homeViewY = world.viewY;
        count = std::max(count, k);
        return c;
    }
    static Creature& pig(int k, int x, int y) { return place(world.pigs, world.pigCount, k, x, y); }
    static Creature& ghost(int k, int x, int y) { return place(world.flameGhosts, world.flameGhostCount, k, x, y); }
    static Creature& eye(int k, int x, int y) { return place(world.eyes, world.eyeCount, k, x, y); }
    static Creature& cleaner(int k, int x, int y) { return place(world.cleaners, world.cleanerCount, k, x, y); }
    // Makes the screen at (viewX, viewY) the creature's home instead of the
    // current one.
    static Creature& homeOn(Creature& c, int viewX, int viewY) {
        c.homeViewX = viewX;
        c.homeViewY = viewY;
        return c;
    }

    static void setCell(int x, int y, int code) {
        world.map[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)] = code;
    }
    static int cell(int x, int y) { return world.map[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)]; }
    static std::vector<std::string> sounds() { return headless::soundsPlayed(); }
    // Fills one catalogue image with a colour, to recognise it on a page.
    static void paintImage(Img id, Colour colour) {
        Image* img = image(id);
        std::fill(img->pixels.begin(), img->pixels.end(), colour);
    }

private:
};
