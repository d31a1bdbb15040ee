// Frame loop: pacing, the frame counter, the level exit, how a game ends and
// the diagnostic frame log.
#include "common/level_file.h"
#include "common/tile_codes.h"
#include "game/flow/flow.h"
#include "game/world/level_loader.h"
#include "game/world/scene.h"
#include "platform/platform.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/virtual_time.h"
#include "tests/world/game_fixture.h"

#include <sstream>
#include <string>
#include <vector>

namespace {

class Loop : public GameFixture {
protected:
    void SetUp() override {
        GameFixture::SetUp();
        world.energy = 99;
        world.level = 1;
        world.playerX = 5;
        world.playerY = 5;
        renderScene();
        headless::setTimerStep(1e-4);
        lastFrame = timerSeconds();
    }
    // Runs loop passes until the virtual clock has moved on by seconds or
    // the game ended; returns false if it ended.
    bool runFor(double seconds) {
        const double end = headless::clock() + seconds;
        while (headless::clock() < end) {
            if (!loopPass(lastFrame)) return false;
        }
        return true;
    }
    double lastFrame = 0;
};

TEST_F(Loop, FrameStepsComeNoFasterThanOnePerFrameperiodAndTheCounterRunsZeroToForty) {
    std::vector<int> counters;
    const double start = headless::clock();
    int previous = world.frameCounter;
    while (headless::clock() - start < 2.0) {
        ASSERT_TRUE(loopPass(lastFrame));
        if (world.frameCounter != previous) {
            counters.push_back(world.frameCounter);
            previous = world.frameCounter;
        }
    }
    // At most one frame per 0.02 s of the clock, and not much fewer.
    EXPECT_LE(counters.size(), 100u);
    EXPECT_GE(counters.size(), 90u);
    for (std::size_t i = 1; i < counters.size(); ++i) {
        EXPECT_EQ(counters[i], (counters[i - 1] + 1) % 41) << "at frame " << i;
    }
}

TEST_F(Loop, TheDoorChangesTheLevelOnlyAtRestOnTheNextPass) {
    ScratchDir dir;
    LevelData next;
    next.playerX = 7;
    next.playerY = 8;
    next.map[7][9] = tile::RedWall;
    writeLevelFile("Data\\002.dat", next);

    world.map[6][5] = tile::Door;
    world.playerX = 6;
    world.playerOffsetX = -40;  // stepping onto the door
    ASSERT_TRUE(loopPass(lastFrame));
    EXPECT_EQ(world.level, 1) << "not while the step is under way";

    world.playerOffsetX = 0;
    world.heldItem = tile::Key;
    world.sceneShown = 1;
    ASSERT_TRUE(loopPass(lastFrame));
    EXPECT_EQ(world.level, 2);
    EXPECT_EQ(world.playerX, 7);
    EXPECT_EQ(world.playerY, 8);
    EXPECT_EQ(world.heldItem, tile::Key) << "the item is carried into the next level";
    EXPECT_EQ(world.sceneShown, 1) << "the new level was revealed with the dissolve";
    EXPECT_EQ(headless::pixel(0, 770, 570), drawn(Img::Schluessel)) << "the slot is shown again";
}

TEST_F(Loop, LeavingLevelEightPlaysLevelOneAgainWithEnergyAndScoreKept) {
    ScratchDir dir;
    LevelData first;
    first.playerX = 3;
    first.playerY = 3;
    writeLevelFile("Data\\001.dat", first);
    world.level = 8;
    world.score = 4000;
    world.energy = 42;
    world.map[5][5] = tile::Door;
    ASSERT_TRUE(loopPass(lastFrame));
    EXPECT_EQ(world.level, 1);
    EXPECT_EQ(world.playerX, 3);
    EXPECT_EQ(world.score, 4000);
    EXPECT_EQ(world.energy, 42);
}

TEST_F(Loop, EnergyRunningOutKillsTheWizardInALiveGameOnly) {
    world.energy = 0;
    EXPECT_FALSE(frameStep(lastFrame));
    EXPECT_EQ(world.deathKind, 1);

    world.deathKind = 0;
    world.energy = 0;
    world.demoStep = 5;
    const double took = secondsTaken([&] { EXPECT_FALSE(frameStep(lastFrame)); });
    EXPECT_EQ(world.deathKind, 0) << "a demonstration just ends";
    EXPECT_LT(took, 0.5) << "without the death sequence's waits";
}

TEST_F(Loop, ASidewaysStepIntoWaterDrownsAtOnceAVerticalOneWhenComplete) {
    world.map[6][5] = tile::Water;
    world.playerX = 6;
    world.playerOffsetX = -40;
    EXPECT_FALSE(frameStep(lastFrame));
    EXPECT_EQ(world.deathKind, 2);

    world.deathKind = 0;
    world.map[5][6] = tile::Water;
    world.playerX = 5;
    world.playerY = 6;
    world.playerOffsetX = 0;
    world.playerOffsetY = -40;
    for (int frame = 1; frame < 8; ++frame) {
        ASSERT_TRUE(frameStep(lastFrame)) << "still gliding in frame " << frame;
    }
    EXPECT_FALSE(frameStep(lastFrame));
    EXPECT_EQ(world.deathKind, 2);
}

TEST_F(Loop, EscIsSpentOnTheMenuInALiveGameAndEndsADemonstration) {
    // Esc opens the menu and is still held when it closes: the mouse pushes
    // the frame down twice to "Zurück zum Spiel", Space chooses it.
    const double t = headless::clock();
    headless::keyDown(scancode::Esc, t);
    headless::mouse(400, 400, 0, t + 0.3);
    headless::mouse(400, 400, 0, t + 0.6);
    headless::keyDown(scancode::Space, t + 0.9);
    headless::keyUp(scancode::Space, t + 1.0);
    headless::keyUp(scancode::Esc, t + 2.0);
    headless::advance(0.001);
    EXPECT_TRUE(frameStep(lastFrame)) << "in a live game the Esc that opens the menu does not also end the game";
    EXPECT_FALSE(isKeyDown(scancode::Esc)) << "Esc, held until 2 s, was spent on the menu";
    EXPECT_EQ(world.menuCursor, 3);
    EXPECT_EQ(world.menuRequested, 0) << "the flow took the request";
    headless::advance(2.0);

    world.demoStep = 3;
    headless::keyDown(scancode::Esc, headless::clock());
    EXPECT_FALSE(runFor(0.1)) << "Esc ends a demonstration";
    headless::keyUp(scancode::Esc, headless::clock());
    headless::advance(0.01);

    world.demoStep = 1000;
    EXPECT_FALSE(runFor(0.1));

    world.demoStep = 3;
    headless::keyDown(scancode::Space, headless::clock());
    EXPECT_FALSE(runFor(0.1)) << "space ends a demonstration";
    world.demoStep = 0;
    EXPECT_TRUE(runFor(0.1)) << "but not a live game";
}

TEST_F(Loop, EscHeldWithAMoveEndsALiveGame) {
    world.map[6][5] = tile::Floor;
    headless::keyDown(scancode::Right, headless::clock());
    headless::keyDown(scancode::Esc, headless::clock());
    EXPECT_FALSE(runFor(0.1));
}

TEST_F(Loop, ABurstRunsItsFramesAndIsErasedAtTheEnd) {
    for (int k = 1; k <= 8; ++k) {
        world.splinterX[k] = 3;
        world.splinterY[k] = 3;
    }
    world.splinterTimer = 3;
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(frameStep(lastFrame));
    EXPECT_EQ(world.splinterTimer, 0);
    EXPECT_TRUE(pagesEqual()) << "no splinter is left on the screen";
}

// The diagnostic frame log: one line per frame step with the time the loop
// paces by, the first picture once, and nothing at all while it is off.
class FrameLog : public Loop {
protected:
    void TearDown() override {
        setFrameLog(false);
        Loop::TearDown();
    }
    // Runs passes until `frames` frame steps have run; returns their times.
    std::vector<double> runFrames(int frames) {
        std::vector<double> times;
        while (static_cast<int>(times.size()) < frames) {
            const double before = lastFrame;
            EXPECT_TRUE(loopPass(lastFrame));
            if (lastFrame != before) times.push_back(lastFrame);
        }
        return times;
    }
};

TEST_F(FrameLog, OneLinePerFrameStepWithTheTimeTheLoopPacesBy) {
    setFrameLog(true);
    testing::internal::CaptureStdout();
    const std::vector<double> times = runFrames(3);
    logFirstPicture();
    logFirstPicture();
    std::istringstream out(testing::internal::GetCapturedStdout());

    for (int n = 1; n <= 3; ++n) {
        std::string word;
        int number = 0;
        double seconds = 0;
        out >> word >> number >> seconds;
        EXPECT_EQ(word, "frame");
        EXPECT_EQ(number, n);
        EXPECT_NEAR(seconds, times[static_cast<std::size_t>(n - 1)], 1e-6);
    }
    std::string word;
    double seconds = -1;
    out >> word >> seconds;
    EXPECT_EQ(word, "shown");
    EXPECT_GT(seconds, times.back());
    EXPECT_FALSE(out >> word) << "the first picture is logged once, not " << word;
}

TEST_F(FrameLog, OffItWritesNothingAndLeavesTheClockAlone) {
    testing::internal::CaptureStdout();
    const double before = headless::clock();
    logFirstPicture();
    EXPECT_EQ(headless::clock(), before);
    runFrames(2);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

}  // namespace
