// Moves of the wizard: steps, bounds, blocking, view flips and barriers.
#include "common/tile_codes.h"
#include "game/rules/player.h"
#include "tests/rules/rules_fixture.h"

namespace {

using MoveTest = RulesTest;

TEST_F(MoveTest, EachStepChangesTheCellAndStartsTheGlideAtTheOldPlace) {
    moveRight();
    EXPECT_EQ(world.playerX, 6);
    EXPECT_EQ(world.playerOffsetX, -40);
    world.playerOffsetX = 0;
    moveLeft();
    EXPECT_EQ(world.playerX, 5);
    EXPECT_EQ(world.playerOffsetX, 40);
    world.playerOffsetX = 0;
    moveDown();
    EXPECT_EQ(world.playerY, 6);
    EXPECT_EQ(world.playerOffsetY, -40);
    world.playerOffsetY = 0;
    moveUp();
    EXPECT_EQ(world.playerY, 5);
    EXPECT_EQ(world.playerOffsetY, 40);
    EXPECT_EQ(world.playerOffsetX, 0);
}

TEST_F(MoveTest, EveryCodeBelowFiftyIsEnteredAndFiftyOrMoreBlocks) {
    setCell(6, 5, tile::SecretPillar);
    moveRight();
    EXPECT_EQ(world.playerX, 6);
    world.playerOffsetX = 0;
    setCell(7, 5, 49);
    moveRight();
    EXPECT_EQ(world.playerX, 7);
    world.playerOffsetX = 0;
    setCell(8, 5, tile::Barrier);
    moveRight();
    EXPECT_EQ(world.playerX, 7);
    EXPECT_EQ(world.playerOffsetX, 0);
    setCell(7, 4, tile::RedWall);
    moveUp();
    EXPECT_EQ(world.playerY, 5);
    EXPECT_TRUE(sounds().empty());
}

TEST_F(MoveTest, RightAtViewColumnTwentyFlipsFirstAndStepsAfter) {
    world.playerX = 20;
    moveRight();
    EXPECT_EQ(world.viewX, 19);
    EXPECT_EQ(world.playerX, 20);
    EXPECT_EQ(world.playerOffsetX, 0);
    EXPECT_EQ(world.playerX - world.viewX, 1);
    moveRight();
    EXPECT_EQ(world.viewX, 19);
    EXPECT_EQ(world.playerX, 21);
    EXPECT_EQ(world.playerOffsetX, -40);
}

TEST_F(MoveTest, LeftAtViewColumnOneFlipsBack) {
    world.viewX = 19;
    world.playerX = 20;
    moveLeft();
    EXPECT_EQ(world.viewX, 0);
    EXPECT_EQ(world.playerX, 20);
    EXPECT_EQ(world.playerOffsetX, 0);
}

TEST_F(MoveTest, VerticalFlipsAtRowsFourteenAndOne) {
    world.playerY = 14;
    moveDown();
    EXPECT_EQ(world.viewY, 13);
    EXPECT_EQ(world.playerY, 14);
    EXPECT_EQ(world.playerOffsetY, 0);
    moveUp();
    EXPECT_EQ(world.viewY, 0);
    EXPECT_EQ(world.playerY, 14);
    moveUp();
    EXPECT_EQ(world.playerY, 13);
    EXPECT_EQ(world.playerOffsetY, 40);
}

TEST_F(MoveTest, NoFlipTowardASolidCell) {
    world.playerX = 20;
    setCell(21, 5, tile::RedWall);
    moveRight();
    EXPECT_EQ(world.viewX, 0);
    EXPECT_EQ(world.playerX, 20);
}

TEST_F(MoveTest, TheReachableBoundsStopStepsAndFlips) {
    // A move against each bound changes nothing: no step, no glide, no flip.
    const struct {
        int viewX, playerX, viewY, playerY;
        void (*move)();
    } kBounds[] = {
        {190, 210, 0, 5, moveRight},
        {0, 1, 0, 5, moveLeft},
        {0, 5, 130, 144, moveDown},
        {0, 5, 0, 1, moveUp},
    };
    for (const auto& b : kBounds) {
        world.viewX = b.viewX;
        world.playerX = b.playerX;
        world.viewY = b.viewY;
        world.playerY = b.playerY;
        b.move();
        EXPECT_EQ(world.viewX, b.viewX);
        EXPECT_EQ(world.playerX, b.playerX);
        EXPECT_EQ(world.viewY, b.viewY);
        EXPECT_EQ(world.playerY, b.playerY);
        EXPECT_EQ(world.playerOffsetX, 0);
        EXPECT_EQ(world.playerOffsetY, 0);
    }
}

TEST_F(MoveTest, KeyOpensBarrierFromTheSideAndWalksIn) {
    world.heldItem = tile::Key;
    setCell(4, 5, tile::Barrier);
    moveLeft();
    EXPECT_EQ(cell(4, 5), tile::Floor);
    EXPECT_EQ(world.heldItem, 0);
    EXPECT_EQ(world.playerX, 4);
    EXPECT_EQ(world.playerOffsetX, 40);
    EXPECT_EQ(world.openedCellX, 4);
    EXPECT_EQ(world.openedCellY, 5);
    EXPECT_EQ(sounds(), std::vector<std::string>{"wave\\wszt.wav"});
}

TEST_F(MoveTest, KeyDoesNotOpenBarrierFromAbove) {
    world.heldItem = tile::Key;
    setCell(5, 6, tile::Barrier);
    moveDown();
    EXPECT_EQ(cell(5, 6), tile::Barrier);
    EXPECT_EQ(world.heldItem, tile::Key);
    EXPECT_EQ(world.playerY, 5);
    EXPECT_TRUE(sounds().empty());
}

TEST_F(MoveTest, CrossBarrierOpensOnlyVertically) {
    world.heldItem = tile::Key2;
    setCell(6, 5, tile::CrossBarrier2);
    moveRight();
    EXPECT_EQ(cell(6, 5), tile::CrossBarrier2);
    EXPECT_EQ(world.heldItem, tile::Key2);

    setCell(5, 4, tile::CrossBarrier2);
    moveUp();
    EXPECT_EQ(cell(5, 4), tile::Floor);
    EXPECT_EQ(world.heldItem, 0);
    EXPECT_EQ(world.playerY, 4);
}

TEST_F(MoveTest, OnlyTheFittingItemOpens) {
    world.heldItem = tile::Key2;
    setCell(6, 5, tile::Barrier);
    moveRight();
    EXPECT_EQ(cell(6, 5), tile::Barrier);
    EXPECT_EQ(world.heldItem, tile::Key2);

    // Items below 40 open nothing, even where item + 10 lies next to them:
    // the cross walks onto the crown's cell and both stay.
    world.heldItem = tile::Cross;
    setCell(6, 5, tile::Cross + 10);
    moveRight();
    EXPECT_EQ(world.heldItem, tile::Cross);
    EXPECT_EQ(cell(6, 5), tile::Crown);
    EXPECT_EQ(world.playerX, 6);
    world.playerX = 5;
    world.playerOffsetX = 0;

    world.heldItem = tile::Crown;
    setCell(6, 5, tile::TreasureBarrier);
    moveRight();
    EXPECT_EQ(cell(6, 5), tile::Floor);
    EXPECT_EQ(world.playerX, 6);
}

TEST_F(MoveTest, BarrierOpensSilentlyWithSoundOff) {
    world.soundOn = 0;
    world.heldItem = tile::Key;
    setCell(6, 5, tile::Barrier);
    moveRight();
    EXPECT_EQ(cell(6, 5), tile::Floor);
    EXPECT_TRUE(sounds().empty());
}

TEST_F(MoveTest, BarrierAcrossTheViewEdgeOpensThenFlips) {
    world.heldItem = tile::Key;
    world.playerX = 20;
    setCell(21, 5, tile::Barrier);
    moveRight();
    EXPECT_EQ(cell(21, 5), tile::Floor);
    EXPECT_EQ(world.openedCellX, 21);
    EXPECT_EQ(world.viewX, 19);
    EXPECT_EQ(world.playerX, 20);

    world.heldItem = tile::Key;
    world.viewX = 0;
    world.playerX = 5;
    world.playerY = 14;
    setCell(5, 15, tile::CrossBarrier);
    moveDown();
    EXPECT_EQ(cell(5, 15), tile::Floor);
    EXPECT_EQ(world.openedCellY, 15);
    EXPECT_EQ(world.viewY, 13);

    world.heldItem = tile::Key;
    world.playerY = 14;  // view row 1 of the new view
    setCell(5, 13, tile::CrossBarrier);
    moveUp();
    EXPECT_EQ(world.openedCellY, 0);
    EXPECT_EQ(world.viewY, 0);
}

TEST_F(MoveTest, NoBarrierOpensBeyondTheBounds) {
    world.viewX = 190;
    world.playerX = 210;
    world.heldItem = tile::Key;
    setCell(211, 5, tile::Barrier);
    moveRight();
    EXPECT_EQ(cell(211, 5), tile::Barrier);
    EXPECT_EQ(world.heldItem, tile::Key);
}

TEST_F(MoveTest, GlideBringsTheOffsetToRestInEightFrames) {
    moveRight();
    for (int frame = 1; frame <= 7; ++frame) {
        stepWizard();
        EXPECT_EQ(world.playerOffsetX, -40 + 5 * frame);
    }
    stepWizard();
    EXPECT_TRUE(playerAtRest());
    stepWizard();
    EXPECT_TRUE(playerAtRest());

    moveUp();
    for (int frame = 0; frame < 8; ++frame) stepWizard();
    EXPECT_EQ(world.playerOffsetY, 0);
}

}  // namespace
