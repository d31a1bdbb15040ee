// Creatures: chase rules, glides, screens and the map border.
#include "common/tile_codes.h"
#include "game/rules/creatures.h"
#include "tests/rules/rules_fixture.h"

namespace {

using CreatureTest = RulesTest;

// ---- pigs ----

TEST_F(CreatureTest, PigStepsDiagonallyTowardTheWizard) {
    world.playerX = 8;
    world.playerY = 9;
    Creature& p = pig(1, 3, 3);
    chasePigs();
    EXPECT_EQ(p.x, 4);
    EXPECT_EQ(p.y, 4);
    EXPECT_EQ(p.offsetX, -40);
    EXPECT_EQ(p.offsetY, -40);
}

TEST_F(CreatureTest, PigStepsLeftAndUpWithPositiveOffsets) {
    world.playerX = 2;
    world.playerY = 2;
    Creature& p = pig(1, 6, 6);
    chasePigs();
    EXPECT_EQ(p.x, 5);
    EXPECT_EQ(p.y, 5);
    EXPECT_EQ(p.offsetX, 40);
    EXPECT_EQ(p.offsetY, 40);
}

TEST_F(CreatureTest, PigBlockedSidewaysStillStepsVertically) {
    world.playerX = 8;
    world.playerY = 9;
    Creature& p = pig(1, 3, 3);
    setCell(4, 3, tile::RedWall);
    chasePigs();
    EXPECT_EQ(p.x, 3);
    EXPECT_EQ(p.y, 4);
    EXPECT_EQ(p.offsetX, 0);
    EXPECT_EQ(p.offsetY, -40);
}

TEST_F(CreatureTest, PigVerticalTestLooksBelowTheNewColumn) {
    world.playerX = 8;
    world.playerY = 9;
    Creature& p = pig(1, 3, 3);
    setCell(4, 4, tile::RedWall);  // below the new column; (3, 4) is free
    chasePigs();
    EXPECT_EQ(p.x, 4);
    EXPECT_EQ(p.y, 3);
    EXPECT_EQ(p.offsetY, 0);
}

TEST_F(CreatureTest, PigBlockedOnBothAxesStaysForGood) {
    world.playerX = 8;
    world.playerY = 9;
    Creature& p = pig(1, 3, 3);
    setCell(4, 3, tile::Barrier);
    setCell(3, 4, tile::Pillar);
    for (int pass = 0; pass < 50; ++pass) chasePigs();
    EXPECT_EQ(p.x, 3);
    EXPECT_EQ(p.y, 3);
    EXPECT_TRUE(p.offsetX == 0 && p.offsetY == 0);
}

TEST_F(CreatureTest, PigLevelWithTheWizardMovesOnlySideways) {
    world.playerX = 9;
    Creature& p = pig(1, 3, 5);
    chasePigs();
    EXPECT_EQ(p.x, 4);
    EXPECT_EQ(p.y, 5);
    EXPECT_EQ(p.offsetY, 0);
}

TEST_F(CreatureTest, PigEntersSecretWalls) {
    world.playerX = 9;
    Creature& p = pig(1, 3, 5);
    setCell(4, 5, tile::SecretOldWall);
    chasePigs();
    EXPECT_EQ(p.x, 4);
}

TEST_F(CreatureTest, ChaseTreatsOnlyResting) {
    world.playerX = 9;
    Creature& p = pig(1, 3, 5);
    chasePigs();
    chasePigs();
    EXPECT_EQ(p.x, 4);
    EXPECT_EQ(p.offsetX, -40);
}

TEST_F(CreatureTest, PigGlidesTwoPixelsAFrameTwentyFramesPerCell) {
    world.playerX = 9;
    Creature& p = pig(1, 3, 5);
    chasePigs();
    for (int frame = 1; frame < 20; ++frame) {
        stepPigs();
        EXPECT_EQ(p.offsetX, -40 + 2 * frame);
    }
    stepPigs();
    EXPECT_EQ(p.offsetX, 0);
    stepPigs();
    EXPECT_EQ(p.offsetX, 0);
}

TEST_F(CreatureTest, DiagonalGlideMovesBothAxesEachFrame) {
    Creature& p = pig(1, 3, 3);
    p.offsetX = 40;
    p.offsetY = -40;
    stepPigs();
    EXPECT_EQ(p.offsetX, 38);
    EXPECT_EQ(p.offsetY, -38);
}

TEST_F(CreatureTest, PigReachesTheWizardAndStaysOnHisCell) {
    Creature& p = pig(1, 3, 5);
    for (int frame = 0; frame < 40; ++frame) {
        chasePigs();
        stepPigs();
    }
    EXPECT_EQ(p.x, 5);
    EXPECT_TRUE(p.offsetX == 0 && p.offsetY == 0);
    chasePigs();
    EXPECT_EQ(p.x, 5);
    EXPECT_EQ(p.offsetX, 0);
}

// ---- flame ghosts and eyes ----

TEST_F(CreatureTest, FlameGhostFliesThroughWalls) {
    world.playerX = 8;
    world.playerY = 9;
    Creature& g = ghost(1, 3, 3);
    setCell(4, 3, tile::RedWall);
    setCell(3, 4, tile::RedWall);
    setCell(4, 4, tile::CrossBarrier);
    chaseFlameGhosts();
    EXPECT_EQ(g.x, 4);
    EXPECT_EQ(g.y, 4);
    EXPECT_EQ(g.offsetX, -40);
    EXPECT_EQ(g.offsetY, -40);
}

TEST_F(CreatureTest, EyeFliesThroughWallsAndGlidesFourPixels) {
    world.playerX = 2;
    Creature& e = eye(1, 6, 5);
    setCell(5, 5, tile::Pillar);
    chaseEyes();
    EXPECT_EQ(e.x, 5);
    EXPECT_EQ(e.offsetX, 40);
    for (int frame = 1; frame < 10; ++frame) stepEyes();
    EXPECT_EQ(e.offsetX, 4);
    stepEyes();
    EXPECT_EQ(e.offsetX, 0);
}

TEST_F(CreatureTest, FlameGhostGlidesTenFramesPerCell) {
    Creature& g = ghost(1, 3, 3);
    g.offsetY = 40;
    for (int frame = 0; frame < 9; ++frame) stepFlameGhosts();
    EXPECT_EQ(g.offsetY, 4);
    stepFlameGhosts();
    EXPECT_EQ(g.offsetY, 0);
}

// ---- cleaning men ----

class CleanerTest : public RulesTest {
protected:
    // A floor row 5 standing on red wall in row 6.
    void SetUp() override {
        RulesTest::SetUp();
        for (int x = 1; x <= 20; ++x) setCell(x, 6, tile::RedWall);
    }
};

TEST_F(CleanerTest, WalksAlongSupportedFloorTowardTheWizardsColumn) {
    world.playerX = 9;
    world.playerY = 2;  // far above: cleaning men never change rows
    Creature& c = cleaner(1, 3, 5);
    chaseCleaners();
    EXPECT_EQ(c.x, 4);
    EXPECT_EQ(c.y, 5);
    EXPECT_EQ(c.offsetX, -40);
    EXPECT_EQ(c.offsetY, 0);
}

TEST_F(CleanerTest, StopsAtAGap) {
    world.playerX = 9;
    Creature& c = cleaner(1, 3, 5);
    setCell(4, 6, tile::Floor);
    chaseCleaners();
    EXPECT_EQ(c.x, 3);
    EXPECT_EQ(c.offsetX, 0);
}

TEST_F(CleanerTest, CodeFiftyDoesNotCarryButFiftyOneDoes) {
    world.playerX = 1;
    Creature& c = cleaner(1, 6, 5);
    setCell(5, 6, tile::Barrier);
    chaseCleaners();
    EXPECT_EQ(c.x, 6);
    setCell(5, 6, tile::Barrier2);
    chaseCleaners();
    EXPECT_EQ(c.x, 5);
    EXPECT_EQ(c.offsetX, 40);
}

TEST_F(CleanerTest, StopsAtAWallAndInTheWizardsColumn) {
    world.playerX = 9;
    Creature& c = cleaner(1, 3, 5);
    setCell(4, 5, tile::OldWall);
    chaseCleaners();
    EXPECT_EQ(c.x, 3);
    Creature& d = cleaner(2, 9, 5);
    chaseCleaners();
    EXPECT_EQ(d.x, 9);
    EXPECT_EQ(d.offsetX, 0);
}

TEST_F(CleanerTest, GlidesOnlySideways) {
    Creature& c = cleaner(1, 3, 5);
    c.offsetX = -40;
    c.offsetY = 40;  // not his axis: left alone
    stepCleaners();
    EXPECT_EQ(c.offsetX, -38);
    EXPECT_EQ(c.offsetY, 40);
    // At rest on his axis he is chased again, whatever offsetY holds.
    c.offsetX = 0;
    world.playerX = 9;
    chaseCleaners();
    EXPECT_EQ(c.x, 4);
}

// ---- screens ----

TEST_F(CreatureTest, CreatureOfAnotherScreenIsFrozen) {
    world.playerX = 9;
    Creature& p = pig(1, 3, 5);
    p.homeViewX = 19;
    Creature& g = ghost(1, 3, 5);
    g.homeViewY = 13;
    g.offsetX = 40;
    chasePigs();
    chaseFlameGhosts();
    stepFlameGhosts();
    EXPECT_EQ(p.x, 3);
    EXPECT_EQ(p.offsetX, 0);
    EXPECT_EQ(g.x, 3);
    EXPECT_EQ(g.offsetX, 40);

    // Back on its screen it goes on from where it was.
    world.viewY = 13;
    world.playerY = 18;
    stepFlameGhosts();
    EXPECT_EQ(g.offsetX, 36);
}

TEST_F(CreatureTest, EmptyEntriesAreNeverChasedOnTheFirstScreen) {
    world.pigCount = 3;  // entries 1..3 all zero: killed or never placed
    world.eyeCount = 3;
    chasePigs();
    chaseEyes();
    for (int k = 0; k <= 3; ++k) {
        EXPECT_EQ(world.pigs[static_cast<std::size_t>(k)].x, 0);
        EXPECT_EQ(world.eyes[static_cast<std::size_t>(k)].offsetX, 0);
    }
}

TEST_F(CreatureTest, DamagedCountsStayInsideTheTables) {
    world.playerX = 9;
    Creature& last = pig(100, 3, 5);
    world.pigCount = 100000;
    world.flameGhostCount = -7;
    world.eyeCount = 1 << 30;
    world.cleanerCount = 101;
    chasePigs();
    chaseFlameGhosts();
    chaseEyes();
    chaseCleaners();
    stepPigs();
    stepFlameGhosts();
    stepEyes();
    stepCleaners();
    EXPECT_EQ(last.x, 4);  // entry 100 still takes part
}

// ---- the map border ----

TEST_F(CreatureTest, BorderCellsOutsideTheMapCountAsSolid) {
    // Damaged positions: the wizard beyond the last column and row.
    world.playerX = 225;
    world.playerY = 155;
    Creature& p = pig(1, 220, 150);
    chasePigs();
    EXPECT_EQ(p.x, 220);
    EXPECT_EQ(p.y, 150);

    world.playerX = -3;
    world.playerY = 5;
    Creature& q = pig(2, 1, 5);
    chasePigs();
    EXPECT_EQ(q.x, 0);  // column 0 is Floor
    q.offsetX = 0;
    chasePigs();
    EXPECT_EQ(q.x, 0);  // column -1 is outside the map
}

TEST_F(CreatureTest, CleanerOnTheLastRowIsCarriedByTheOutside) {
    world.playerX = 1;
    Creature& c = cleaner(1, 220, 150);
    chaseCleaners();
    EXPECT_EQ(c.x, 219);
    world.playerX = 225;  // damaged: right of the map
    c.x = 220;
    c.offsetX = 0;
    chaseCleaners();
    EXPECT_EQ(c.x, 220);
}

}  // namespace
