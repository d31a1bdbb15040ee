// game_fixture.h — a headless game screen with every catalogue image made
// in a colour of its own, so that a test can tell from a pixel which image
// was drawn where.
#pragma once

#include "game/world/sprite_catalogue.h"
#include "game/world/world.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "tests/support/catalogue_images.h"

#include <gtest/gtest.h>

class GameFixture : public ::testing::Test {
protected:
    void SetUp() override {
        headless::reset();
        world = World{};
        openScreen(800, 600, 32, 2, 0);
        createCatalogueImages(ImageFill::Painted);
    }
    void TearDown() override { destroyCatalogueImages(); }
    // True when pages 0 and 1 hold the same pixels.
    static bool pagesEqual() {
        const Colour* a = headless::pagePixels(0);
        const Colour* b = headless::pagePixels(1);
        return std::equal(a, a + 800 * 600, b);
    }
    // The colour the fixture image id has when drawn opaque.
    static Colour drawn(Img id) { return fixtureColour(id); }
};
