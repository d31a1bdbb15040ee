// Title screen: what it shows when, the time-out, the start keys, H and L,
// the menu from it, and the demonstration cycle.
#include "game/front/title.h"
#include "common/demo_file.h"
#include "common/level_file.h"
#include "game/front/best_players.h"
#include "game/front/demonstration.h"
#include "game/front/front.h"
#include "game/front/saved_game.h"
#include "game/world/scene.h"
#include "tests/front/front_fixture.h"

#include <filesystem>

namespace {

constexpr double kTitleKey = 0.1;  // a press the title screen sees once

class Title : public FrontTest {
protected:
    void SetUp() override {
        FrontTest::SetUp();
        world.level = 1;
        renderScene();
    }
};

TEST_F(Title, CreditsFirstTheBestPlayersAfterTenSecondsADemonstrationAfterTwenty) {
    TitleState state;
    state.start = timerSeconds();
    ASSERT_EQ(titlePass(state), TitleExit::Stay);
    EXPECT_EQ(headless::pixel(0, 330, 235), drawn(Img::titel));
    EXPECT_EQ(headless::pixel(0, 390, 345), drawn(Img::zk));
    EXPECT_TRUE(textShown(52, 44,
                          "  Dr\x81"
                          "cke Leertaste um das ",
                          static_cast<Colour>(state.colour)));

    world.bestNames[1] = "Anna";
    world.bestScores[1] = 777;
    state.start = timerSeconds() - 15;
    ASSERT_EQ(titlePass(state), TitleExit::Stay);
    const auto colour = static_cast<Colour>(state.colour);
    EXPECT_TRUE(textShown(39, 44, "    DIE BESTEN SPIELER     ", colour));
    EXPECT_TRUE(textShown(41, 44, "Anna", colour));
    EXPECT_TRUE(textShown(41, 64, "    777", colour));
    EXPECT_TRUE(textShown(52, 44, std::string(29, ' '), colour)) << "the credits are wiped";

    // Space held in the pass that times out: the time-out comes first.
    headless::keyDown(scancode::Space, headless::clock());
    headless::advance(0.001);
    state.start = timerSeconds() - 20.5;
    EXPECT_EQ(titlePass(state), TitleExit::Demonstration);
    EXPECT_EQ(world.demoStep, 1);
}

TEST_F(Title, WithoutAStartTheMusicPlaysOnceAndADemonstrationBeginsAfterTwentySeconds) {
    world.soundOn = 1;
    const double took = timedTitle();
    EXPECT_GT(took, 20.0);
    EXPECT_LT(took, 20.3);
    EXPECT_EQ(world.demoStep, 1);
    EXPECT_EQ(headless::soundsPlayed(), std::vector<std::string>{"wave\\titelm.wav"});
}

TEST_F(Title, SpaceAndTheLeftButtonAloneStartAtOnce) {
    tap(scancode::Space, in(2), 0.04);  // let go again within one pass
    double took = timedTitle();
    EXPECT_GT(took, 2.0);
    EXPECT_LT(took, 2.2);
    EXPECT_EQ(world.demoStep, 0);

    headless::mouse(400, 300, 2, in(1));
    headless::mouse(400, 300, 3, in(1.5));
    headless::mouse(400, 300, 1, in(2));
    took = timedTitle();
    EXPECT_GT(took, 2.0) << "the right button, alone or with the left, does not start";
    EXPECT_LT(took, 2.2);
}

TEST_F(Title, HResetsTheTableAndSwitchesTheJoystickOffLShowsTheNextLabyrinth) {
    LevelData first;
    first.playerX = 7;
    writeLevelFile("Data\\001.dat", first);
    world.joystickOn = 1;
    world.level = 8;
    tap(scancode::H, in(1), kTitleKey);
    tap(scancode::L, in(2), kTitleKey);
    tap(scancode::Space, in(4), kTitleKey);  // after L's dissolve
    titleScreen();
    EXPECT_EQ(world.joystickOn, 0);
    EXPECT_EQ(world.bestNames[10], "Talvin");
    EXPECT_EQ(world.bestScores[10], 1000);
    EXPECT_EQ(world.level, 1) << "after labyrinth 8 comes 1";
    EXPECT_EQ(world.playerX, 7);
}

TEST_F(Title, TheClockStartsAgainAfterTheMenuAndALoadedGameIsPlayedAtOnce) {
    // Esc at 15 s; the menu's first line with an empty name does nothing.
    tap(scancode::Esc, in(15), kTitleKey);
    tap(scancode::Space, in(15.5));
    headless::typeText("\r", in(16));
    const double took = timedTitle();
    EXPECT_GT(took, 36.0) << "twenty seconds counted from the menu's end";
    EXPECT_EQ(world.demoStep, 1);

    world.demoStep = 0;
    world.playerX = 33;
    ASSERT_TRUE(saveGame(savedGamePath("Spiel1")));
    world.playerX = 5;
    tap(scancode::Esc, in(1), kTitleKey);
    tap(scancode::Down, in(1.5));
    tap(scancode::Space, in(1.8));
    headless::typeText("Spiel1\r", in(2.2));
    EXPECT_LT(timedTitle(), 3.5) << "typed at 2.2 s, then the dissolve's second";
    EXPECT_EQ(world.playerX, 33);
    EXPECT_EQ(world.demoStep, 0);
}

TEST_F(Title, TheKeyOrPadButtonThatChoseInTheMenuStartsNoGameUntilPressedAgain) {
    // Space on the keyboard, or A on the game pad (read while the joystick is
    // on): pressed at `at` and held for `hold` seconds.
    const struct {
        const char* chooser;
        void (*press)(double at, double hold);
    } kChoosers[] = {
        {"Space", [](double at, double hold) { tap(scancode::Space, at, hold); }},
        {"the pad's A",
         [](double at, double hold) {
             GamePadState pad;
             pad.attached = true;
             pad.south = true;
             headless::gamePad(pad, at);
             pad.south = false;
             headless::gamePad(pad, at + hold);
         }},
    };
    world.joystickOn = 1;
    for (const auto& c : kChoosers) {
        world.menuCursor = 0;
        tap(scancode::Esc, in(1), kTitleKey);
        tap(scancode::Down, in(1.5), 0.04);  // taps shorter than a pass act once
        tap(scancode::Down, in(1.7), 0.04);  // 3: "Zurück zum Spiel"
        c.press(in(2), 2.0);                 // held on through the dissolve and beyond
        c.press(in(6), kTitleKey);
        const double took = timedTitle();
        EXPECT_GT(took, 6.0) << c.chooser;
        EXPECT_LT(took, 6.2) << c.chooser;
        EXPECT_EQ(world.menuCursor, 3) << c.chooser;
        EXPECT_EQ(world.demoStep, 0) << c.chooser;
        headless::advance(0.5);
    }
}

TEST_F(Title, TheCloseButtonEndsTheProgramWithTheSettingsWritten) {
    headless::closeRequest(in(1));
    EXPECT_THROW(titleScreen(), headless::ProgramEnded);
    EXPECT_TRUE(std::filesystem::exists(dir.path() / "Data" / "Einstellung.dat"));
}

TEST_F(Title, DemonstrationsFollowInTurnAndAMissingRecordingPlaysAsZeros) {
    for (int n = 1; n <= 3; ++n) {  // no Demo4
        RecordingMoves moves{};
        moves[1] = 10 + n;
        ASSERT_TRUE(writeRecording(recordingPath(n), moves));
    }
    const int expectedFirst[] = {11, 12, 13, 0, 11};
    const int expectedLevel[] = {1, 2, 3, 4, 1};
    for (int visit = 0; visit < 5; ++visit) {
        world.demoMoves.fill(7);
        world.demoStep = 0;
        startDemonstration();
        EXPECT_EQ(world.level, expectedLevel[visit]) << "visit " << visit + 1;
        EXPECT_EQ(world.demoMoves[1], expectedFirst[visit]) << "visit " << visit + 1;
        EXPECT_EQ(world.demoMoves[1000], 0);
        EXPECT_EQ(world.demoStep, 1);
    }
}

}  // namespace

namespace {

TEST_F(Title, TheStatusLineNamesF1AndItsHelpHoldsTheClockOfTheTwentySeconds) {
    TitleState state;
    state.start = timerSeconds();
    ASSERT_EQ(titlePass(state), TitleExit::Stay);
    EXPECT_TRUE(textShown(kStatusRow, 86, "F1: Tastenhilfe", static_cast<Colour>(state.colour)));
    // Open for thirty seconds: the demonstration still waits its twenty.
    tap(scancode::F1, in(1), kTitleKey);
    tap(scancode::F1, in(31), kTitleKey);
    const double took = timedTitle();
    EXPECT_GT(took, 50.0);
    EXPECT_EQ(world.demoStep, 1);
}

}  // namespace
