// The diagnostic frame log: one line per frame step with the time the loop
// paces by, the first picture once, and nothing at all while it is off.
#include "game/flow/flow.h"
#include "game/world/scene.h"
#include "tests/world/game_fixture.h"

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace {

class FrameLog : public GameFixture {
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
    void TearDown() override {
        setFrameLog(false);
        GameFixture::TearDown();
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
    double lastFrame = 0;
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
