// What a player does besides playing: recording a live game and playing it
// back as a demonstration, the key help and the window's focus holding play.
#include "common/demo_file.h"
#include "game/flow/flow.h"
#include "game/front/recording.h"
#include "game/world/level_loader.h"
#include "game/world/scene.h"
#include "tests/front/front_fixture.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

using Cell = std::pair<int, int>;

class Players : public FrontTest {
protected:
    void SetUp() override {
        FrontTest::SetUp();
        headless::setTimerStep(1e-4);
        // No level files: labyrinth 1 is open floor with the wizard on (1, 1).
        headless::setWatcher([this] {
            const Cell c{world.playerX, world.playerY};
            if (cells.empty() || cells.back() != c) cells.push_back(c);
        });
    }
    // Play ends with the wizard's last move started; the watcher may not have
    // looked since.
    void lastCell() {
        const Cell c{world.playerX, world.playerY};
        if (cells.back() != c) cells.push_back(c);
    }
    static RecordingMoves recorded(const std::string& name) {
        RecordingMoves moves{};
        readRecording(recordingFilePath(name), moves);
        return moves;
    }
    std::vector<Cell> cells;  // the wizard's cells as play went, one entry per change
};

TEST_F(Players, ARecordedLiveGamePlaysBackAsADemonstrationOverTheSameCells) {
    world.recordName = "Demo";
    world.mode = GameMode::Title;
    tap(scancode::Space, in(1.5), 0.2);  // after the second-long dissolve
    runMode();
    ASSERT_EQ(world.mode, GameMode::Live);
    // Right across the view's edge at column 20, the action, down, then Esc
    // held with the move ends the game.
    tap(scancode::Right, in(3.8), 3.5);
    tap(scancode::Space, in(7.5), 0.03);
    headless::keyDown(scancode::Down, in(8.0));
    headless::keyDown(scancode::Esc, in(9.0));
    cells.clear();
    runMode();
    lastCell();
    const std::vector<Cell> live = cells;
    headless::keyUp(scancode::Down, in(0));
    headless::keyUp(scancode::Esc, in(0));
    ASSERT_GT(live.back().first, 21) << "the view was turned";

    const RecordingMoves moves = recorded("Demo");
    const auto rightSteps = std::count_if(live.begin() + 1, live.end(), [&, i = 0](const Cell& c) mutable {
        return c.first > live[static_cast<std::size_t>(i++)].first;
    });
    EXPECT_EQ(std::count(moves.begin(), moves.end(), 2), rightSteps + 1) << "one more for the turn at column 20";
    EXPECT_EQ(std::count(moves.begin(), moves.end(), 5), 0)
        << "the action on bare floor with nothing in hand did nothing";
    EXPECT_EQ(moves[kRecordingMoves], 0);

    world.recordName.clear();
    world.mode = GameMode::Title;
    runMode();  // twenty seconds, then "Demo"
    ASSERT_EQ(world.mode, GameMode::Demonstration);
    cells.clear();
    runMode();
    lastCell();
    EXPECT_EQ(cells, live);
}

TEST_F(Players, TwoStepsThenSpielBeendenLeaveTheirTwoCodesAndZeros) {
    world.recordName = "Mine";
    world.energy = 99;
    world.level = 1;
    loadLevel();
    renderScene();
    world.mode = GameMode::Live;
    startRecording();
    // The wizard appears first.
    tap(scancode::Right, in(2.0), 0.1);
    tap(scancode::Right, in(2.5), 0.1);
    tap(scancode::Esc, in(3.0));
    for (int k = 0; k < 3; ++k) tap(scancode::Down, in(3.3 + 0.3 * k));  // "Spiel beenden"
    tap(scancode::Space, in(4.3));
    EXPECT_THROW(runMode(), headless::ProgramEnded);
    RecordingMoves expected{};
    expected[1] = expected[2] = 2;
    EXPECT_EQ(recorded("Mine"), expected);
}

TEST_F(Players, TheKeyHelpHoldsPlayAndGivesTheSceneBackAsItWas) {
    renderScene();
    const std::vector<Colour> before(headless::pagePixels(0), headless::pagePixels(0) + 800 * 600);
    bool panelSeen = false;
    headless::setWatcher([&] { panelSeen = panelSeen || headless::pixel(0, 125, 85) == drawn(Img::altmauer); });
    tap(scancode::F1, in(0), 0.1);
    tap(scancode::F1, in(2.0), 0.1);
    headless::advance(0.001);
    double lastFrame = timerSeconds();
    const double opened = lastFrame;
    holdPlayWhenAsked(lastFrame);
    EXPECT_TRUE(panelSeen);
    EXPECT_GT(lastFrame - opened, 2.0) << "the frame loop goes on where it stopped";
    EXPECT_TRUE(std::equal(before.begin(), before.end(), headless::pagePixels(0)));
}

TEST_F(Players, AWindowWithoutTheFocusHoldsALiveGameNotADemonstration) {
    for (const int demoStep : {0, 1}) {
        world.demoStep = demoStep;
        headless::focus(false, in(0.01));
        headless::focus(true, in(3.0));
        headless::advance(0.02);
        double lastFrame = timerSeconds();
        const double start = lastFrame;
        holdPlayWhenAsked(lastFrame);
        EXPECT_EQ(lastFrame - start > 2.9, demoStep == 0) << "demoStep " << demoStep;
        headless::advance(3.0);
    }
}

}  // namespace
