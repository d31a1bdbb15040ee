// The barrier-and-key table answers the game's moves and the level tools'
// walk alike: each barrier opens with its one item, from its one approach.
#include "common/barrier_keys.h"
#include "common/tile_codes.h"
#include "game/rules/player.h"
#include "game/world/sprite_catalogue.h"
#include "game/world/world.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "tests/support/catalogue_images.h"
#include "tools/levels/level_check.h"

#include <gtest/gtest.h>

#include <memory>
#include <span>

namespace {

class BarrierKeys : public ::testing::Test {
protected:
    void SetUp() override {
        headless::reset();
        openScreen(kScreenWidth, kScreenHeight, 32, 2, 0);
        createCatalogueImages(ImageFill::New);
    }
    void TearDown() override { destroyCatalogueImages(); }

    // The game: the wizard on (5, 5) holding `item` walks into `barrier`
    // sideways (from the left) or vertically (from above). True if it opened.
    static bool gameOpens(int barrier, int item, Approach approach) {
        world = World{};
        world.sceneShown = 1;
        world.playerX = 5;
        world.playerY = 5;
        world.heldItem = item;
        const bool sideways = approach == Approach::Sideways;
        const int x = sideways ? 6 : 5;
        const int y = sideways ? 5 : 6;
        world.map[x][y] = barrier;
        if (sideways)
            moveRight();
        else
            moveDown();
        return world.map[x][y] == tile::Floor;
    }

    // The tools: the same barrier between the start and the door, the item
    // lying beside the start. True if the walk reaches the door.
    static bool toolsOpen(int barrier, int item, Approach approach) {
        auto level = std::make_unique<LevelData>();
        for (auto& column : level->map) column.fill(tile::RedWall);
        level->playerX = 5;
        level->playerY = 5;
        level->map[5][5] = tile::Floor;
        level->map[4][5] = item;
        if (approach == Approach::Sideways) {
            level->map[6][5] = barrier;
            level->map[7][5] = tile::Door;
        } else {
            level->map[5][6] = barrier;
            level->map[5][7] = tile::Door;
        }
        return exploreLevel(*level).doorReached;
    }
};

TEST_F(BarrierKeys, EveryBarrierOpensWithItsItemFromItsApproachInGameAndToolsAlike) {
    ASSERT_EQ(kBarrierKeyCount, 11u);
    for (const BarrierKey& row : std::span(kBarrierKeys, kBarrierKeyCount)) {
        for (int item = tile::Axe; item <= tile::CandleStand; ++item) {
            if (!isItemCode(item)) continue;
            for (Approach approach : {Approach::Sideways, Approach::Vertical}) {
                const bool expected = item == row.item && approach == row.approach;
                EXPECT_EQ(gameOpens(row.barrier, item, approach), expected)
                    << "game: barrier " << row.barrier << ", item " << item;
                EXPECT_EQ(toolsOpen(row.barrier, item, approach), expected)
                    << "tools: barrier " << row.barrier << ", item " << item;
            }
        }
    }
}

TEST_F(BarrierKeys, CodesThatAreNoBarrierNeverOpen) {
    for (int code : {49, 57, 59, 64, 65, 66, 100}) {
        EXPECT_EQ(findBarrier(code), nullptr) << code;
        for (int item : {tile::Key, tile::Crown, tile::CandleStand}) {
            EXPECT_FALSE(gameOpens(code, item, Approach::Vertical)) << code;
            EXPECT_FALSE(gameOpens(code, item, Approach::Sideways)) << code;
        }
    }
}

}  // namespace
