// The shooting-star burst: splinter courses, kills, corpses and points.
#include "common/tile_codes.h"
#include "game/rules/items.h"
#include "tests/rules/rules_fixture.h"
#include "tests/support/virtual_time.h"

namespace {

class BurstTest : public RulesTest {
protected:
    // Fires the star from the wizard's cell and runs the first burst frame,
    // as the frame loop does: burstStep, then the timer goes down.
    void fire() {
        world.heldItem = tile::ShootingStar;
        useHeldItem();
        headless::clearSounds();
        frame();
    }
    static void frame() {
        burstStep();
        --world.splinterTimer;
    }
    static std::pair<int, int> splinter(int k) {
        return {world.splinterX[static_cast<std::size_t>(k)], world.splinterY[static_cast<std::size_t>(k)]};
    }
};

TEST_F(BurstTest, SplintersFlyOutOneCellPerFrame) {
    world.playerX = 10;
    world.playerY = 7;
    fire();
    EXPECT_EQ(splinter(1), std::make_pair(10, 6));
    EXPECT_EQ(splinter(2), std::make_pair(11, 6));
    EXPECT_EQ(splinter(3), std::make_pair(11, 7));
    EXPECT_EQ(splinter(4), std::make_pair(11, 8));
    EXPECT_EQ(splinter(5), std::make_pair(10, 8));
    EXPECT_EQ(splinter(6), std::make_pair(9, 8));
    EXPECT_EQ(splinter(7), std::make_pair(9, 7));
    EXPECT_EQ(splinter(8), std::make_pair(9, 6));
    for (int f = 2; f <= 20; ++f) frame();
    EXPECT_EQ(world.splinterTimer, 0);
    EXPECT_EQ(splinter(1), std::make_pair(10, 1));
    EXPECT_EQ(splinter(3), std::make_pair(20, 7));
    EXPECT_EQ(splinter(5), std::make_pair(10, 14));
    EXPECT_EQ(splinter(7), std::make_pair(1, 7));
}

TEST_F(BurstTest, DiagonalSplinterStopsAtTheFirstEdge) {
    world.playerX = 18;
    world.playerY = 2;
    fire();
    EXPECT_EQ(splinter(2), std::make_pair(19, 1));
    frame();
    frame();
    EXPECT_EQ(splinter(2), std::make_pair(19, 1));  // no sliding along row 1
    EXPECT_EQ(splinter(4), std::make_pair(20, 4));
    EXPECT_EQ(splinter(8), std::make_pair(17, 1));
}

TEST_F(BurstTest, PigOnTheWizardsCellDiesInTheFiringFrame) {
    Creature& p = pig(1, 5, 5);
    fire();
    EXPECT_TRUE(isEmptyEntry(p));
    EXPECT_EQ(world.score, 500);
    EXPECT_EQ(cell(5, 5), tile::DeadPig);
    EXPECT_EQ(sounds(), std::vector<std::string>{"wave\\Sterb.wav"});
}

TEST_F(BurstTest, SplinterOnTheEdgeColumnKillsWhatWalksIn) {
    world.playerX = 20;
    fire();
    for (int f = 0; f < 5; ++f) frame();
    EXPECT_EQ(splinter(3), std::make_pair(20, 5));
    EXPECT_EQ(splinter(2), std::make_pair(20, 5));
    Creature& g = ghost(1, 20, 5);
    g.offsetX = 40;  // still gliding in: the cell counts
    frame();
    EXPECT_TRUE(isEmptyEntry(g));
    EXPECT_EQ(cell(20, 5), tile::Smoke);
    EXPECT_EQ(world.score, 500);
}

TEST_F(BurstTest, FourKillsGiveTwoThousand) {
    world.playerX = 10;
    world.playerY = 7;
    pig(1, 10, 3);      // splinter 1, up
    cleaner(1, 14, 7);  // splinter 3, right
    ghost(1, 7, 10);    // splinter 6, down left
    eye(1, 10, 14);     // splinter 5, down
    fire();
    for (int f = 2; f <= 20; ++f) frame();
    EXPECT_EQ(world.score, 2000);
    EXPECT_EQ(cell(10, 3), tile::DeadPig);
    EXPECT_EQ(cell(14, 7), tile::DeadCleaner);
    EXPECT_EQ(cell(7, 10), tile::Smoke);
    EXPECT_EQ(cell(10, 14), tile::DeadEye);
}

TEST_F(BurstTest, SplintersPassThroughWalls) {
    world.playerX = 10;
    world.playerY = 7;
    setCell(10, 6, tile::RedWall);
    Creature& p = pig(1, 10, 4);
    fire();
    frame();
    frame();
    EXPECT_FALSE(isEmptyEntry(p));  // splinter 1 reaches row 4 in the fourth frame
    frame();
    EXPECT_TRUE(isEmptyEntry(p));
}

TEST_F(BurstTest, CreatureOfAnotherScreenSurvives) {
    world.viewX = 19;
    world.playerX = 25;
    // Another screen, on the same view-relative cell as (6, 5).
    Creature& p = homeOn(pig(1, 25, 5), 0, 0);
    p.x = 6;
    fire();
    for (int f = 2; f <= 20; ++f) frame();
    EXPECT_FALSE(isEmptyEntry(p));
    EXPECT_EQ(world.score, 0);
}

TEST_F(BurstTest, CorpseNotWrittenOnAFlameButPointsAndSoundStay) {
    setCell(5, 5, tile::Flame);
    pig(1, 5, 5);
    fire();
    EXPECT_EQ(cell(5, 5), tile::Flame);
    EXPECT_EQ(world.score, 500);
    EXPECT_EQ(sounds(), std::vector<std::string>{"wave\\Sterb.wav"});
}

TEST_F(BurstTest, KillsGoByEntryIndexThenKind) {
    // Within index 1: pig before cleaning man; eye 1 before pig 2.
    pig(2, 5, 5);
    eye(1, 5, 5);
    cleaner(1, 5, 5);
    pig(1, 5, 5);
    fire();
    EXPECT_EQ(sounds(),
              (std::vector<std::string>{"wave\\Sterb.wav", "wave\\schnitt.wav", "wave\\plop.wav", "wave\\Sterb.wav"}));
    EXPECT_EQ(world.score, 2000);
}

TEST_F(BurstTest, CorpseImageIsDrawnOnBothPagesExceptSmoke) {
    const Colour deadPig = 0xFF123456u;
    const Colour smoke = 0xFF654321u;
    paintImage(Img::SchweinTot, deadPig);
    paintImage(Img::schmauch1, smoke);
    world.playerX = 10;
    world.playerY = 7;
    pig(1, 10, 5);    // splinter 1, second frame; view cell (10, 5)
    ghost(1, 12, 7);  // splinter 3, third frame
    fire();
    frame();
    frame();
    EXPECT_EQ(headless::pixel(1, 9 * 40 + 20, 4 * 40 + 20) & 0x00FFFFFFu, deadPig & 0x00FFFFFFu);
    EXPECT_EQ(headless::pixel(0, 9 * 40 + 1, 4 * 40 + 1) & 0x00FFFFFFu, deadPig & 0x00FFFFFFu);
    EXPECT_NE(headless::pixel(1, 11 * 40 + 20, 6 * 40 + 20) & 0x00FFFFFFu, smoke & 0x00FFFFFFu);
    EXPECT_EQ(cell(12, 7), tile::Smoke);
}

TEST_F(BurstTest, BurstKillPausesWithSoundOff) {
    world.soundOn = 0;
    pig(1, 5, 5);
    world.heldItem = tile::ShootingStar;
    useHeldItem();
    EXPECT_GE(secondsTaken(burstStep), 0.004);
    EXPECT_TRUE(sounds().empty());
    EXPECT_EQ(world.score, 500);
}

TEST_F(BurstTest, DamagedCountsStayInsideTheTables) {
    pig(100, 5, 5);
    world.pigCount = 777;
    world.cleanerCount = -4;
    world.eyeCount = 101;
    fire();
    EXPECT_EQ(world.score, 500);
}

}  // namespace
