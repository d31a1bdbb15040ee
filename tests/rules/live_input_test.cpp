// Live input: which source issues the command, and failed reads that issue
// nothing.
#include "common/tile_codes.h"
#include "game/rules/player.h"
#include "platform/scancodes.h"
#include "tests/rules/rules_fixture.h"
#include "tests/support/virtual_time.h"

#include <vector>

namespace {

class LiveInputTest : public RulesTest {
protected:
    // Scripted input arrives when the virtual clock reaches it.
    static void settle() { headless::advance(0.001); }
    static void hold(int code) {
        headless::keyDown(code, headless::clock());
        settle();
    }
    static void pointer(int x, int y, int buttons) {
        headless::mouse(x, y, buttons, headless::clock());
        settle();
    }
    static void stick(int buttons, double x, double y) {
        headless::joystick(buttons, x, y, headless::clock());
        settle();
    }
    static void centredPointer() { pointer(400, 300, 0); }
};

// Keys held with the pointer at rest in the centre, and what one input step
// makes of them.
struct HeldKeysCase {
    const char* why;
    std::vector<int> keys;  // pressed in this order
    int playerX, playerY, energy;
};

const HeldKeysCase kHeldKeys[] = {
    {"an arrow key moves", {scancode::Right}, 6, 5, 50},
    {"the first matching key wins", {scancode::Up, scancode::Left}, 4, 5, 50},
    {"E alone fills the energy", {scancode::E}, 5, 5, 99},
    {"E does nothing while an arrow is held", {scancode::E, scancode::Right}, 6, 5, 50},
};

class HeldKeysTest : public LiveInputTest, public ::testing::WithParamInterface<HeldKeysCase> {};

TEST_P(HeldKeysTest, OneStepActsOnTheFirstMatchingKey) {
    const HeldKeysCase& c = GetParam();
    SCOPED_TRACE(c.why);
    centredPointer();
    for (int key : c.keys) hold(key);
    liveInputStep();
    EXPECT_EQ(world.playerX, c.playerX);
    EXPECT_EQ(world.playerY, c.playerY);
    EXPECT_EQ(world.energy, c.energy);
    // A step's glide starts at the old place.
    EXPECT_EQ(world.playerOffsetX, -40 * (c.playerX - 5));
    EXPECT_EQ(world.playerOffsetY, -40 * (c.playerY - 5));
}

INSTANTIATE_TEST_SUITE_P(Table, HeldKeysTest, ::testing::ValuesIn(kHeldKeys));

TEST_F(LiveInputTest, KeyboardHidesTheMouse) {
    pointer(100, 300, 0);  // far left of the centre
    hold(scancode::Right);
    liveInputStep();
    EXPECT_EQ(world.playerX, 6);
}

TEST_F(LiveInputTest, MouseAwayFromTheCentreMovesAndIsPutBack) {
    pointer(500, 300, 0);
    liveInputStep();
    EXPECT_EQ(world.playerX, 6);
    bool visible = true;
    const MouseState put = headless::lastSetMouse(&visible);
    EXPECT_EQ(put.x, 400);
    EXPECT_EQ(put.y, 300);
    EXPECT_FALSE(visible);
}

TEST_F(LiveInputTest, MouseOffTheWindowDoesNothing) {
    pointer(-1, -1, -1);
    liveInputStep();
    EXPECT_EQ(world.playerX, 5);
    EXPECT_EQ(world.playerY, 5);
    EXPECT_TRUE(playerAtRest());
}

TEST_F(LiveInputTest, MouseInTheDeadZoneDoesNothingWithoutButton) {
    pointer(419, 281, 0);
    liveInputStep();
    EXPECT_EQ(world.playerX, 5);
    EXPECT_EQ(world.playerY, 5);
}

TEST_F(LiveInputTest, MouseButtonActsWithoutPauseKeyboardActionPauses) {
    // On a free cell with nothing in hand the action changes nothing, so the
    // clock shows only the pause after it.
    pointer(400, 300, 1);
    const double mouseTook = secondsTaken(liveInputStep);

    pointer(400, 300, 0);
    hold(scancode::Enter);
    const double keyTook = secondsTaken(liveInputStep);
    EXPECT_LT(mouseTook, 0.05);
    EXPECT_GE(keyTook, 0.05);
}

TEST_F(LiveInputTest, MouseButtonRunsTheAction) {
    setCell(5, 5, tile::Axe);
    pointer(400, 300, 1);
    liveInputStep();
    EXPECT_EQ(world.heldItem, tile::Axe);
    EXPECT_EQ(cell(5, 5), tile::Floor);
}

TEST_F(LiveInputTest, FailedJoystickIssuesNothingAndLeavesTheKeyboard) {
    world.joystickOn = 1;
    centredPointer();
    liveInputStep();  // no joystick 0 attached: the read fails
    EXPECT_EQ(world.playerX, 5);
    EXPECT_TRUE(playerAtRest());

    hold(scancode::Right);
    liveInputStep();
    EXPECT_EQ(world.playerX, 6);
}

TEST_F(LiveInputTest, DeflectedJoystickHidesKeyboardAndMouse) {
    world.joystickOn = 1;
    stick(0, 1.0, 0.0);
    hold(scancode::Left);
    pointer(100, 300, 0);
    liveInputStep();
    EXPECT_EQ(world.playerX, 6);
}

TEST_F(LiveInputTest, JoystickIsIgnoredWhenSwitchedOff) {
    stick(0, 1.0, 0.0);
    centredPointer();
    liveInputStep();
    EXPECT_EQ(world.playerX, 5);
}

TEST_F(LiveInputTest, CentredJoystickLeavesTheKeyboard) {
    world.joystickOn = 1;
    stick(0, 0.2, -0.3);
    centredPointer();
    hold(scancode::Up);
    liveInputStep();
    EXPECT_EQ(world.playerY, 4);
}

TEST_F(LiveInputTest, JoystickVerticalAndButton) {
    world.joystickOn = 1;
    centredPointer();
    stick(0, 0.0, 0.9);
    liveInputStep();
    EXPECT_EQ(world.playerY, 6);
    world.playerOffsetY = 0;

    setCell(5, 6, tile::Sword);
    stick(3, 0.0, 0.0);  // two buttons: not the action
    liveInputStep();
    EXPECT_EQ(world.heldItem, 0);
    stick(1, 0.0, 0.0);
    liveInputStep();
    EXPECT_EQ(world.heldItem, tile::Sword);
}

TEST_F(LiveInputTest, EKeyFillsEnergyAndTheMouseStillMoves) {
    hold(scancode::E);
    pointer(400, 200, 0);
    liveInputStep();
    EXPECT_EQ(world.energy, 99);
    EXPECT_EQ(world.playerY, 4);
}

TEST_F(LiveInputTest, PendingKeyPressesAreDiscarded) {
    centredPointer();
    headless::typeText("abc", headless::clock());
    settle();
    liveInputStep();
    EXPECT_EQ(takeKey(), "");
}

}  // namespace

namespace {

TEST_F(LiveInputTest, TheGamePadWalksActsAndAsksForTheMenuWhileTheJoystickIsOn) {
    struct Case {
        GamePadState pad;
        int joystickOn;
        Command issued;
        int menuRequested;
    };
    const Case cases[] = {
        {{.attached = true, .right = true}, 1, Command::Right, 0},
        {{.attached = true, .up = true, .left = true}, 1, Command::Left, 0},
        {{.attached = true, .south = true}, 1, Command::Action, 0},
        {{.attached = true, .start = true}, 1, Command::None, 1},
        {{.attached = true}, 1, Command::Down, 0},                 // at rest it leaves the keyboard
        {{.attached = true, .right = true}, 0, Command::Down, 0},  // ignored while switched off
    };
    centredPointer();
    hold(scancode::Down);
    for (const Case& c : cases) {
        world.playerX = world.playerY = 5;
        world.playerOffsetX = world.playerOffsetY = 0;
        world.menuRequested = 0;
        world.joystickOn = c.joystickOn;
        headless::gamePad(c.pad, headless::clock());
        settle();
        EXPECT_EQ(liveInputStep(), c.issued) << "case " << (&c - cases);
        EXPECT_EQ(world.menuRequested, c.menuRequested) << "case " << (&c - cases);
    }
}

}  // namespace
