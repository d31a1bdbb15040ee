// In-game menu: moving the frame, the switches, the way out of the program.
#include "game/front/menu.h"
#include "game/front/front.h"
#include "game/world/scene.h"
#include "tests/front/front_fixture.h"

#include <filesystem>

namespace {

class Menu : public FrontTest {
protected:
    void SetUp() override {
        FrontTest::SetUp();
        world.level = 1;
        renderScene();
    }
    bool settingsWritten() const { return std::filesystem::exists(dir.path() / "Data" / "Einstellung.dat"); }
};

TEST_F(Menu, UpOnTheFirstLineFramesTheLastAndDownOnTheLastTheFirst) {
    tap(scancode::Up, in(0.3));    // 1 -> 7
    tap(scancode::Down, in(0.6));  // 7 -> 1
    tap(scancode::Down, in(0.9));  // 2
    tap(scancode::Down, in(1.2));  // 3, "Zurück zum Spiel"
    tap(scancode::Space, in(1.5));
    EXPECT_FALSE(gameMenu());
    EXPECT_EQ(world.menuCursor, 3);
    EXPECT_EQ(world.sceneShown, 1) << "the scene came back with its dissolve";
}

TEST_F(Menu, AnUnavailableMouseLeavesTheFrameAPushMovesItOneLine) {
    // The mouse reads all -1 for the first second, then is pushed down once
    // and clicks: the load dialog of line 2, left with an empty name.
    headless::mouse(400, 400, 0, in(1.0));
    headless::mouse(400, 300, 1, in(1.5));
    headless::typeText("\r", in(2.0));
    EXPECT_FALSE(gameMenu());
    EXPECT_EQ(world.menuCursor, 2);
}

TEST_F(Menu, SwitchesFlipAndStayTheFullScreenSwitchOpensTheScreenAgain) {
    tap(scancode::Up, in(0.3));  // 7: full screen
    tap(scancode::Space, in(0.6));
    tap(scancode::Up, in(0.9));  // 6: joystick
    tap(scancode::Space, in(1.2));
    tap(scancode::Up, in(1.5));  // 5: sound
    tap(scancode::Space, in(1.8));
    tap(scancode::Up, in(2.1));  // 4
    tap(scancode::Up, in(2.4));  // 3
    tap(scancode::Space, in(2.7));
    EXPECT_FALSE(gameMenu());
    EXPECT_EQ(world.fullScreen, 1);
    EXPECT_TRUE(headless::fullScreen());
    EXPECT_EQ(world.joystickOn, 1);
    EXPECT_EQ(world.soundOn, 1);
    EXPECT_EQ(headless::soundsPlayed(), (std::vector<std::string>{"wave\\tok.wav", "wave\\tok.wav"}))
        << "the frame's sound only once the sound is on";
    EXPECT_FALSE(settingsWritten()) << "switches reach the file only when the program ends";
}

TEST_F(Menu, SpielBeendenDarkensTheScreenWritesTheSettingsAndEnds) {
    world.soundOn = 1;
    for (int k = 0; k < 4; ++k) tap(scancode::Up, in(0.3 + 0.3 * k));  // 4
    tap(scancode::Space, in(1.5));
    const double start = headless::clock();
    EXPECT_THROW(gameMenu(), headless::ProgramEnded);
    EXPECT_NEAR(headless::clock() - start, 2.55, 0.1) << "the scatter is seen for a second";
    EXPECT_EQ(dir.readFile("Data/Einstellung.dat").substr(0, 7), "1,0,0\r\n");
    long dark = 0;
    for (int y = 1; y < 600; ++y)
        for (int x = 1; x < 800; ++x) dark += (headless::pixel(0, x, y) & 0xFFFFFF) == 0;
    EXPECT_GT(dark, 799 * 599 * 8 / 10);
    for (int y = 0; y < 560; y += 7) {  // the view; the status band is black anyway
        EXPECT_NE(headless::pixel(0, 0, y) & 0xFFFFFF, 0u) << "column 0 is never hit, row " << y;
    }
}

TEST_F(Menu, TheCloseButtonEndsTheProgramWithTheSettingsWritten) {
    headless::closeRequest(in(0.5));
    EXPECT_THROW(gameMenu(), headless::ProgramEnded);
    EXPECT_TRUE(settingsWritten());
}

}  // namespace
