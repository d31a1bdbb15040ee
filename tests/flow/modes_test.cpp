// The cycle of modes with the front end: a demonstration from the title
// screen to its end, the close button during play, the E key's display.
#include "common/demo_file.h"
#include "game/flow/flow.h"
#include "game/world/scene.h"
#include "tests/support/scratch_dir.h"
#include "tests/world/game_fixture.h"

#include <filesystem>

namespace {

class Modes : public GameFixture {
protected:
    void SetUp() override {
        GameFixture::SetUp();
        headless::setTimerStep(1e-4);
    }
    ScratchDir dir;
};

TEST_F(Modes, AfterTwentySecondsTheTitlePlaysMovesOneTo999OfTheRecordingThenComesBack) {
    // No level files: labyrinth 1 is open floor with the wizard on (1, 1).
    // Only the 999th and the 1000th code move him, to the right.
    RecordingMoves moves{};
    moves[999] = 2;
    moves[1000] = 2;
    ASSERT_TRUE(writeRecording(recordingPath(1), moves));

    world.mode = GameMode::Title;
    runMode();
    ASSERT_EQ(world.mode, GameMode::Demonstration);
    EXPECT_EQ(world.demoStep, 1);
    EXPECT_EQ(world.level, 1);
    EXPECT_EQ(world.demoCycle, 1);

    runMode();
    EXPECT_EQ(world.mode, GameMode::Title);
    EXPECT_EQ(world.demoStep, 1000);
    EXPECT_EQ(world.playerX, 2) << "the 999th move was played, the 1000th not";
    EXPECT_EQ(world.deathKind, 0);
}

TEST_F(Modes, TheCloseButtonDuringPlayEndsTheProgramWithTheSettingsWritten) {
    world.energy = 99;
    world.mode = GameMode::Live;
    headless::closeRequest(headless::clock() + 1.0);
    EXPECT_THROW(runMode(), headless::ProgramEnded);
    EXPECT_TRUE(std::filesystem::exists(dir.path() / "Data" / "Einstellung.dat"));
}

TEST_F(Modes, TheEKeyShowsTheFullEnergyAtOnce) {
    world.energy = 20;
    world.playerX = 5;
    world.playerY = 5;
    renderScene();
    headless::keyDown(scancode::E, headless::clock());
    headless::advance(0.001);
    double lastFrame = timerSeconds() - 1;
    ASSERT_TRUE(frameStep(lastFrame));
    ASSERT_EQ(world.energy, 99);
    // The energy cells (row 72, columns 10 and 11) as a full render draws 99.
    std::vector<Colour> shown;
    for (int y = 568; y < 576; ++y)
        for (int x = 72; x < 88; ++x) shown.push_back(headless::pixel(0, x, y));
    renderScene();
    std::vector<Colour> expected;
    for (int y = 568; y < 576; ++y)
        for (int x = 72; x < 88; ++x) expected.push_back(headless::pixel(0, x, y));
    EXPECT_EQ(shown, expected);
}

}  // namespace
