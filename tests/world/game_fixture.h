// game_fixture.h — a headless game screen with every catalogue image made
// in a colour of its own, so that a test can tell from a pixel which image
// was drawn where.
#pragma once

#include "game/world/sprite_catalogue.h"
#include "game/world/world.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"

#include <gtest/gtest.h>

// The colour the fixture fills image id with (never the key colour, never black).
inline Colour fixtureColour(Img id) {
    const auto n = static_cast<unsigned>(id) + 1;
    return 0xFF000000u | ((n * 37u) & 0xFFu) << 16 | ((n * 91u + 40u) & 0xFFu) << 8 | ((n * 53u + 7u) & 0xFFu);
}

class GameFixture : public ::testing::Test {
protected:
    void SetUp() override {
        headless::reset();
        world = World{};
        openScreen(800, 600, 32, 2, 0);
        for (const SpriteInfo& s : kSpriteCatalogue) {
            Image* img = createImage(s.width, s.height);
            std::fill(img->pixels.begin(), img->pixels.end(), fixtureColour(s.id));
            spriteImages()[static_cast<std::size_t>(s.id)] = img;
        }
    }
    void TearDown() override {
        for (Image*& img : spriteImages()) {
            destroyImage(img);
            img = nullptr;
        }
    }
    // True when pages 0 and 1 hold the same pixels.
    static bool pagesEqual() {
        const Colour* a = headless::pagePixels(0);
        const Colour* b = headless::pagePixels(1);
        return std::equal(a, a + 800 * 600, b);
    }
    // The colour the fixture image id has when drawn opaque.
    static Colour drawn(Img id) { return fixtureColour(id); }
};
