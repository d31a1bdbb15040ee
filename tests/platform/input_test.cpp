// Tests of input and waits against the scripted headless backend: the key
// state, the key buffer and its capacity, the key-pressed mark and the sleeps
// it cuts short, the close request, joystick and mouse, and the clock.
#include "platform/backend.h"
#include "tests/platform/headless_screen.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/test_files.h"

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace {

using Input = HeadlessScreen;

// Virtual time has no jitter; the slack covers the timer step of a few
// clock reads (1e-5 s each).
constexpr double kEps = 1e-4;

TEST_F(Input, ALongSleepEndsAtTheFirstSliceBoundaryAfterAKeyPress) {
    headless::keyDown(57, 1.0);
    sleepMs(4000);
    EXPECT_GE(headless::clock(), 1.0 - kEps);
    EXPECT_LE(headless::clock(), 1.05 + kEps);
    // The key stays in the key state.
    EXPECT_TRUE(isKeyDown(57));

    headless::reset();
    headless::keyDown(28, 1.01);
    sleepMs(4000);
    EXPECT_GE(headless::clock(), 1.01 - kEps);
    EXPECT_LE(headless::clock(), 1.06 + kEps);
}

TEST_F(Input, AnUntakenKeyDownCutsShortOnlyASleepOf100AndOnlyOnce) {
    // A key goes down at 0, untaken; then a sleep, a second key down and a
    // second sleep.
    const struct {
        const char* why;
        int firstMs;
        double firstEnds;
        double secondKeyAt;
        int secondMs;
        double secondEnds;
    } kSleeps[] = {
        {"short sleeps are never cut short", 60, 0.06, 0.07, 99, 0.159},
        // The check at the start cleared the mark: the next sleep runs in
        // full, and a key in its second half no longer counts.
        {"a sleep of 100 ends at once", 100, 0.0, 0.02, 100, 0.1},
    };
    for (const auto& sleep : kSleeps) {
        SCOPED_TRACE(sleep.why);
        headless::reset();
        headless::keyDown(57, 0.0);
        headless::advance(0);
        sleepMs(sleep.firstMs);
        EXPECT_NEAR(headless::clock(), sleep.firstEnds, kEps);
        headless::keyDown(30, sleep.secondKeyAt);
        sleepMs(sleep.secondMs);
        EXPECT_NEAR(headless::clock(), sleep.secondEnds, kEps);
    }
}

TEST_F(Input, TakeKeyClearsTheMark) {
    headless::typeText("a", 0.0);
    headless::advance(0);
    EXPECT_EQ(takeKey(), "a");
    sleepMs(1000);
    EXPECT_NEAR(headless::clock(), 1.0, kEps);
}

TEST_F(Input, AKeyDuringTheFirstSliceOf120EndsItAfterFiftyMs) {
    headless::keyDown(57, 0.03);
    sleepMs(120);
    EXPECT_NEAR(headless::clock(), 0.05, kEps);
}

// A loop polling every 80 ms, as the editor's does: how often keyPressed
// answers true for a press of the given length.
TEST_F(Input, KeyPressedLatchesATapAndRepeatsAHoldFromThreeTenthsOn) {
    struct Case {
        double hold;  // seconds the key is down, from 0.01
        int acts;     // polls at 0.08, 0.16, ... 1.6 that answer true
    };
    // 0.6 s: at 0.08, then from 0.38 on at 0.40, 0.48, 0.56.
    for (const Case c : {Case{0.04, 1}, Case{0.15, 1}, Case{0.6, 4}}) {
        headless::reset();
        headless::keyDown(2, 0.01);
        headless::keyUp(2, 0.01 + c.hold);
        int acts = 0;
        for (int poll = 1; poll <= 20; ++poll) {
            sleepMs(80);
            acts += keyPressed(2) ? 1 : 0;
        }
        EXPECT_EQ(acts, c.acts) << c.hold;
    }
}

TEST_F(Input, SpentKeysAndButtonsReadAsUpUntilLetGo) {
    GamePadState aAndDown;
    aAndDown.attached = aAndDown.south = aAndDown.down = true;
    GamePadState onlyDown = aAndDown;
    onlyDown.south = false;
    headless::keyDown(28, 0.0);
    headless::keyDown(57, 0.0);
    headless::mouse(10, 10, 1, 0.0);
    headless::gamePad(aAndDown, 0.0);
    headless::advance(0.5);
    spendHeldKeys();
    EXPECT_FALSE(isKeyDown(28));
    EXPECT_FALSE(keyPressed(57)) << "the latch is forgotten";
    EXPECT_EQ(readMouse().buttons, 0);
    GamePadState pad = readGamePad();
    EXPECT_TRUE(pad.attached);
    EXPECT_FALSE(pad.south || pad.down);
    headless::keyUp(28, 0.6);
    headless::keyDown(28, 0.7);
    headless::mouse(10, 10, 0, 0.6);
    headless::mouse(10, 10, 1, 0.7);
    headless::gamePad(onlyDown, 0.6);
    headless::gamePad(aAndDown, 0.7);
    headless::advance(0.15);
    EXPECT_EQ(readMouse().buttons, 0) << "the button is seen let go";
    EXPECT_FALSE(readGamePad().south) << "A is seen let go";
    headless::advance(0.15);
    EXPECT_TRUE(isKeyDown(28));
    EXPECT_FALSE(isKeyDown(57)) << "still held since the spend";
    EXPECT_EQ(readMouse().buttons, 1);
    pad = readGamePad();
    EXPECT_TRUE(pad.south) << "A pressed again";
    EXPECT_FALSE(pad.down) << "the D-pad still held since the spend";
}

TEST_F(Input, TheCloseRequestIsAnExtendedKeyThatCountsAsAKeyPress) {
    headless::closeRequest(0.5);
    sleepMs(2000);
    EXPECT_NEAR(headless::clock(), 0.5, kEps);
    EXPECT_EQ(takeKey(), std::string("\xFF") + static_cast<char>(107));
    EXPECT_EQ(takeKey(), "");
    for (int code = 1; code < 128; ++code) EXPECT_FALSE(isKeyDown(code));
}

TEST_F(Input, TheCloseRequestIsAlsoAFlagReadOnce) {
    EXPECT_FALSE(takeCloseRequest());
    headless::closeRequest(0.5);
    headless::advance(1.0);
    flushKeys();  // a program that empties the buffer unread still learns of it
    EXPECT_TRUE(takeCloseRequest());
    EXPECT_FALSE(takeCloseRequest());
}

TEST_F(Input, SleepUntilRestsToItsTimeAtMostATenthOfASecondAndNeverBack) {
    headless::keyDown(57, 0.005);  // a key does not cut it short
    sleepUntil(0.0175);
    EXPECT_NEAR(headless::clock(), 0.0175, kEps);
    EXPECT_TRUE(isKeyDown(57));
    sleepUntil(0.01);  // already past: no wait
    EXPECT_NEAR(headless::clock(), 0.0175, kEps);
    sleepUntil(5.0);
    EXPECT_NEAR(headless::clock(), 0.1175, kEps);
}

TEST_F(Input, TakeKeyGivesCharactersExtendedKeysAndThenTheEmptyText) {
    headless::typeText("x\x81", 0.0);
    headless::extendedKey(72, 0.0);
    headless::advance(0);
    EXPECT_EQ(takeKey(), "x");
    EXPECT_EQ(takeKey(), "\x81");
    EXPECT_EQ(takeKey(), std::string("\xFF") + static_cast<char>(72));
    EXPECT_EQ(takeKey(), "");
    EXPECT_EQ(takeKey(), "");
}

TEST_F(Input, TheKeyBufferKeepsTheLatestFifteenKeystrokes) {
    headless::typeText("ABCDEFGHIJKLMNOP", 0.0);  // 16
    headless::advance(0);
    std::string taken;
    for (std::string key = takeKey(); !key.empty(); key = takeKey()) taken += key;
    EXPECT_EQ(taken, "BCDEFGHIJKLMNOP");

    headless::typeText("0123456789abcdefghij", 0.1);  // 20
    headless::advance(0.1);
    taken.clear();
    for (std::string key = takeKey(); !key.empty(); key = takeKey()) taken += key;
    EXPECT_EQ(taken, "56789abcdefghij");
}

TEST_F(Input, FlushKeysEmptiesTheBufferButNotTheKeyState) {
    headless::keyDown(1, 0.0);
    headless::typeText("\x1B", 0.0);
    headless::advance(0);
    flushKeys();
    EXPECT_EQ(takeKey(), "");
    EXPECT_TRUE(isKeyDown(1));
}

TEST_F(Input, TheKeyStateFollowsTheKeyboardDuringABusyLoop) {
    headless::keyDown(77, 0.5);
    headless::keyUp(77, 0.7);
    int polls = 0;
    while (!isKeyDown(77) && polls < 10000000) ++polls;
    EXPECT_TRUE(isKeyDown(77));
    EXPECT_GE(headless::clock(), 0.5);
    EXPECT_LT(headless::clock(), 0.5 + 1.0 / 60 + 0.001);
    while (isKeyDown(77) && polls < 20000000) ++polls;
    EXPECT_FALSE(isKeyDown(77));
    EXPECT_GE(headless::clock(), 0.7);
}

TEST_F(Input, ScancodesOutsideTheTableAreNeverHeld) {
    headless::keyDown(0, 0.0);
    headless::keyDown(128, 0.0);
    headless::keyDown(-3, 0.0);
    headless::keyDown(100000, 0.0);
    headless::advance(0);
    for (int code : {0, 128, -3, 100000, -2147483647 - 1}) EXPECT_FALSE(isKeyDown(code));
}

TEST_F(Input, ReleasingAllKeysClearsTheKeyState) {
    headless::keyDown(72, 0.0);
    headless::keyDown(57, 0.0);
    headless::advance(0);
    core::releaseAllKeys();
    EXPECT_FALSE(isKeyDown(72));
    EXPECT_FALSE(isKeyDown(57));
}

TEST_F(Input, WithoutAJoystickReadsGiveMinusOneAndMinus1000) {
    JoystickState j = readJoystick(0);
    EXPECT_EQ(j.buttons, -1);
    EXPECT_EQ(j.x, -1000);
    EXPECT_EQ(j.y, -1000);
    headless::joystick(1, 0.75, -0.25, 0.0);
    headless::advance(0);
    j = readJoystick(0);
    EXPECT_EQ(j.buttons, 1);
    EXPECT_EQ(j.x, 0.75);
    EXPECT_EQ(j.y, -0.25);
    EXPECT_EQ(readJoystick(1).buttons, -1);  // only joystick 0 exists
    EXPECT_EQ(readJoystick(-1).x, -1000);
    headless::detachJoystick(0.1);
    headless::advance(0.1);
    EXPECT_EQ(readJoystick(0).buttons, -1);
}

TEST_F(Input, TheMouseIsUnavailableUntilScriptedAndSetMouseWarpsIt) {
    MouseState m = readMouse();
    EXPECT_EQ(m.x, -1);
    EXPECT_EQ(m.y, -1);
    EXPECT_EQ(m.wheel, -1);
    EXPECT_EQ(m.buttons, -1);
    setMouse(400, 300, false);
    EXPECT_EQ(readMouse().x, -1);  // no pointer to move
    bool visible = true;
    EXPECT_EQ(headless::lastSetMouse(&visible).x, 400);
    EXPECT_FALSE(visible);

    headless::mouse(500, 310, 1, 0.0);
    headless::advance(0);
    m = readMouse();
    EXPECT_EQ(m.x, 500);
    EXPECT_EQ(m.y, 310);
    EXPECT_EQ(m.buttons, 1);
    setMouse(400, 300, false);
    m = readMouse();
    EXPECT_EQ(m.x, 400);
    EXPECT_EQ(m.y, 300);
}

// A program that reads the mouse every 80 ms, as the editor's loop does,
// sees a button "held, or pressed since the last read": a click shorter
// than the pass is read once, a hold on every read while it lasts.
TEST_F(Input, AClickShorterThanTheReadsIsReadOnceAndAHoldAsLongAsItLasts) {
    struct Case {
        const char* name;
        std::vector<std::pair<double, double>> presses;  // (from, seconds held) of the left button
        std::vector<int> reads;                          // buttons at 0.08, 0.16, 0.24, 0.32
    };
    const Case cases[] = {
        {"a 30 ms click", {{0.02, 0.03}}, {1, 0, 0, 0}},
        {"two clicks between two reads", {{0.01, 0.02}, {0.05, 0.02}}, {1, 0, 0, 0}},
        {"a click on each side of a read", {{0.05, 0.02}, {0.09, 0.02}}, {1, 1, 0, 0}},
        {"a hold of a quarter second", {{0.02, 0.25}}, {1, 1, 1, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        headless::reset();
        headless::mouse(100, 100, 0, 0.0);
        for (const auto& [from, held] : c.presses) {
            headless::mouse(100, 100, kMouseLeft, from);
            headless::mouse(100, 100, 0, from + held);
        }
        std::vector<int> reads;
        for (int pass = 0; pass < 4; ++pass) {
            sleepMs(80);
            reads.push_back(readMouse().buttons);
        }
        EXPECT_EQ(reads, c.reads);
    }
}

// The host reports the pointer in picture pixels with the fractions of its
// scale; the pixel is the one it lies in, a hair's breadth of rounding
// below a pixel's edge kept in that pixel, and off the picture is
// unavailable.
TEST_F(Input, ThePointerIsThePixelItLiesInAndOffThePictureUnavailable) {
    const struct {
        double x;
        double y;
        int pixelX;  // -1: unavailable
        int pixelY;
    } cases[] = {
        {400.5, 300.5, 400, 300},
        {399.99997, 299.99997, 400, 300},  // the host pixel that starts pixel 400 at a scale of 1.2
        {399.99, 299.99, 399, 299},
        {0.0, 0.0, 0, 0},
        {-0.00001, 5.0, 0, 5},
        {799.99, 599.99, 799, 599},
        {-0.5, 10.0, -1, -1},  // on the black bar of a scaled full screen
        {800.0, 10.0, -1, -1},
        {10.0, 600.0, -1, -1},
    };
    double at = 0.0;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
        headless::mouseAt(c.x, c.y, 0, at);
        headless::advance(at - headless::clock());
        const MouseState m = readMouse();
        EXPECT_EQ(m.x, c.pixelX);
        EXPECT_EQ(m.y, c.pixelY);
        EXPECT_EQ(m.buttons, c.pixelX < 0 ? -1 : 0);
        at += 0.1;
    }
}

// When a window shows the page: an unchanged page once a second, a page drawn
// on at every refresh; the core decides it for every backend, so the
// headless backend counts what a window would have shown.
TEST_F(Input, AStillPageIsShownOnceASecondAndAChangingOneAtEveryRefresh) {
    while (headless::clock() < 10.0) isKeyDown(57);
    EXPECT_GE(headless::presentCount(), 10);
    EXPECT_LE(headless::presentCount(), 12);

    const long long presents = headless::presentCount();
    const long long refreshes = headless::refreshCount();
    for (int x = 0; headless::clock() < 12.0; ++x) setPixel(x % kScreenWidth, 0, kWhite);
    EXPECT_GE(headless::presentCount() - presents, headless::refreshCount() - refreshes - 1);
    EXPECT_GT(headless::refreshCount() - refreshes, 100);
}

TEST_F(Input, TimerSecondsIsMonotonicAndMovesByTheTimerStep) {
    const double a = timerSeconds();
    const double b = timerSeconds();
    EXPECT_GT(b, a);
    EXPECT_NEAR(b - a, 1e-5, 1e-9);
    headless::setTimerStep(0.5);
    EXPECT_NEAR(timerSeconds() - b, 0.5, 1e-9);
}

TEST_F(Input, EventsOfTheSameTimeArriveInTheOrderTheyWereScripted) {
    headless::typeText("b", 0.2);
    headless::typeText("a", 0.1);
    headless::typeText("c", 0.2);
    headless::advance(1.0);
    EXPECT_EQ(takeKey(), "a");
    EXPECT_EQ(takeKey(), "b");
    EXPECT_EQ(takeKey(), "c");
}

TEST(HeadlessProgram, EndProgramThrowsAndSoundsAreRecorded) {
    headless::reset();
    playSound("wave\\plop.wav");
    playSound("wave\\tok.wav");
    EXPECT_EQ(headless::soundsPlayed(), (std::vector<std::string>{"wave\\plop.wav", "wave\\tok.wav"}));
    headless::clearSounds();
    EXPECT_TRUE(headless::soundsPlayed().empty());
    EXPECT_THROW(endProgram(), headless::ProgramEnded);
}

// A sound's file is read until the backend keeps what it made of it: one
// that appears later still plays, one that is kept is not read again.
TEST(HeadlessProgram, ASoundsFileIsReadUntilTheBackendKeepsIt) {
    ScratchDir dir;
    headless::reset();
    playSound("wave\\plop.wav");
    EXPECT_TRUE(headless::soundsLoaded().empty()) << "missing: silent";
    dir.writeFile("wave/plop.wav", wavFile({}, std::string(100, '\x20')));
    playSound("wave\\plop.wav");
    std::filesystem::remove(dir.path() / "wave/plop.wav");
    playSound("wave\\plop.wav");
    EXPECT_EQ(headless::soundsLoaded(), std::vector<std::string>{"wave\\plop.wav"});
    EXPECT_EQ(headless::soundsPlayed().size(), 3u);

    dir.writeFile("wave/huge.wav", wavFile({}, std::string((16u << 20) + 2, '\x20')));
    dir.writeFile("wave/noise.wav", std::string(1000, '\x55'));
    playSound("wave\\huge.wav");
    playSound("wave\\noise.wav");
    EXPECT_EQ(headless::soundsLoaded().size(), 1u) << "beyond 16 MB or no WAV: not played";
}

TEST(HeadlessProgram, ResetRestartsTheRandomNumbersAndTheKeyState) {
    headless::reset();
    std::vector<double> first(1000);
    for (double& r : first) {
        r = random01();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
    }
    random01();
    headless::keyDown(1, 0.0);
    headless::typeText("q", 0.0);
    headless::advance(0);
    headless::reset();
    EXPECT_EQ(headless::clock(), 0.0);
    for (double r : first) ASSERT_EQ(random01(), r);
    EXPECT_FALSE(isKeyDown(1));
    EXPECT_EQ(takeKey(), "");
}

}  // namespace
