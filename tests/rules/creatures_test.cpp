// Creatures: chase rules, glides, screens and the map border.
#include "game/rules/creatures.h"
#include "common/tile_codes.h"
#include "tests/rules/rules_fixture.h"

#include <vector>

namespace {

using CreatureTest = RulesTest;

// ---- one chase from rest, as a table ----

enum class Kind { Pig, FlameGhost, Cleaner };
struct SetCell {
    int x, y, code;
};
// The wizard on (wizardX, wizardY), creature 1 of a kind at rest on (fromX,
// fromY), the cells set, `passes` chases of that kind: where the creature
// then stands and the offsets it glides in from. Cleaning men walk on a row
// 6 of red wall, columns 1..20.
struct ChaseCase {
    const char* name;
    Kind kind;
    int wizardX, wizardY;
    int fromX, fromY;
    std::vector<SetCell> cells;
    int passes;
    int x, y, offsetX, offsetY;
};

// clang-format off
const ChaseCase kChaseCases[] = {
    {"PigStepsDiagonallyTowardTheWizard", Kind::Pig, 8, 9, 3, 3, {}, 1, 4, 4, -40, -40},
    {"PigStepsLeftAndUpWithPositiveOffsets", Kind::Pig, 2, 2, 6, 6, {}, 1, 5, 5, 40, 40},
    {"PigBlockedSidewaysStillStepsVertically", Kind::Pig, 8, 9, 3, 3, {{4, 3, tile::RedWall}}, 1, 3, 4, 0, -40},
    // below the new column; (3, 4) is free
    {"PigVerticalTestLooksBelowTheNewColumn", Kind::Pig, 8, 9, 3, 3, {{4, 4, tile::RedWall}}, 1, 4, 3, -40, 0},
    {"PigBlockedOnBothAxesStaysForGood", Kind::Pig, 8, 9, 3, 3, {{4, 3, tile::Barrier}, {3, 4, tile::Pillar}}, 50,
     3, 3, 0, 0},
    {"PigLevelWithTheWizardMovesOnlySideways", Kind::Pig, 9, 5, 3, 5, {}, 1, 4, 5, -40, 0},
    {"PigEntersSecretWalls", Kind::Pig, 9, 5, 3, 5, {{4, 5, tile::SecretOldWall}}, 1, 4, 5, -40, 0},
    // Damaged positions: the wizard beyond the last column and row, or left
    // of the map. Column 0 is Floor, column -1 outside the map.
    {"PigAtTheMapsCornerStays", Kind::Pig, 225, 155, 220, 150, {}, 1, 220, 150, 0, 0},
    {"PigEntersColumnZero", Kind::Pig, -3, 5, 1, 5, {}, 1, 0, 5, 40, 0},
    {"PigNeverLeavesColumnZero", Kind::Pig, -3, 5, 0, 5, {}, 1, 0, 5, 0, 0},
    {"FlameGhostFliesThroughWalls", Kind::FlameGhost, 8, 9, 3, 3,
     {{4, 3, tile::RedWall}, {3, 4, tile::RedWall}, {4, 4, tile::CrossBarrier}}, 1, 4, 4, -40, -40},
    // far above: cleaning men never change rows
    {"CleanerWalksAlongSupportedFloorTowardTheWizardsColumn", Kind::Cleaner, 9, 2, 3, 5, {}, 1, 4, 5, -40, 0},
    {"CleanerStopsAtAGap", Kind::Cleaner, 9, 5, 3, 5, {{4, 6, tile::Floor}}, 1, 3, 5, 0, 0},
    {"CleanerIsNotCarriedByCodeFifty", Kind::Cleaner, 1, 5, 6, 5, {{5, 6, tile::Barrier}}, 1, 6, 5, 0, 0},
    {"CleanerIsCarriedByCodeFiftyOne", Kind::Cleaner, 1, 5, 6, 5, {{5, 6, tile::Barrier2}}, 1, 5, 5, 40, 0},
    {"CleanerStopsAtAWall", Kind::Cleaner, 9, 5, 3, 5, {{4, 5, tile::OldWall}}, 1, 3, 5, 0, 0},
    {"CleanerStopsInTheWizardsColumn", Kind::Cleaner, 9, 5, 9, 5, {}, 1, 9, 5, 0, 0},
    {"CleanerOnTheLastRowIsCarriedByTheOutside", Kind::Cleaner, 1, 5, 220, 150, {}, 1, 219, 150, 40, 0},
    {"CleanerOnTheLastRowStopsRightOfTheMap", Kind::Cleaner, 225, 5, 220, 150, {}, 1, 220, 150, 0, 0},
};
// clang-format on

class Chase : public RulesTest, public ::testing::WithParamInterface<ChaseCase> {};

TEST_P(Chase, FromRest) {
    const ChaseCase& c = GetParam();
    world.playerX = c.wizardX;
    world.playerY = c.wizardY;
    if (c.kind == Kind::Cleaner)
        for (int x = 1; x <= 20; ++x) setCell(x, 6, tile::RedWall);
    for (const SetCell& s : c.cells) setCell(s.x, s.y, s.code);
    Creature& creature = c.kind == Kind::Pig          ? pig(1, c.fromX, c.fromY)
                         : c.kind == Kind::FlameGhost ? ghost(1, c.fromX, c.fromY)
                                                      : cleaner(1, c.fromX, c.fromY);
    void (*chase)() = c.kind == Kind::Pig ? chasePigs : c.kind == Kind::FlameGhost ? chaseFlameGhosts : chaseCleaners;
    for (int pass = 0; pass < c.passes; ++pass) chase();
    EXPECT_EQ(creature.x, c.x);
    EXPECT_EQ(creature.y, c.y);
    EXPECT_EQ(creature.offsetX, c.offsetX);
    EXPECT_EQ(creature.offsetY, c.offsetY);
}

INSTANTIATE_TEST_SUITE_P(Creatures, Chase, ::testing::ValuesIn(kChaseCases),
                         [](const ::testing::TestParamInfo<ChaseCase>& info) { return info.param.name; });

// ---- pigs ----

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
    const Creature& p = homeOn(pig(1, 3, 5), 19, 0);
    Creature& g = homeOn(ghost(1, 3, 5), 0, 13);
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

}  // namespace
