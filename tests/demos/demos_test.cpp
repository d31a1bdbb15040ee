// The four demonstrations, played in the real game as the title screen
// starts them: each recording is made from its source in assets/demos over
// the level files made from assets/levels, loaded as the title screen loads
// it, and run through runMode in GameMode::Demonstration. The wizard must
// live to the recording's end and cross at least three screens; a short
// summary of where each ends must match tests/demos/expected.txt, so a change
// in the rules that alters a demonstration shows.
#include "common/demo_file.h"
#include "common/level_file.h"
#include "common/level_list.h"
#include "game/flow/flow.h"
#include "game/world/level_loader.h"
#include "game/world/scene.h"
#include "game/world/world.h"
#include "platform/headless/headless.h"
#include "tests/support/read_whole_file.h"
#include "tests/support/scratch_dir.h"
#include "tests/world/game_fixture.h"
#include "tools/levels/demo_maker.h"
#include "tools/levels/level_source.h"
#include "tools/levels/route_text.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Virtual time one clock reading takes: 40 loop passes a frame, as the
// play-through tests run the loop.
constexpr double kPassTime = 5e-4;
// Screens a demonstration must show at the least.
constexpr int kLeastScreens = 3;

// Where a demonstration ended.
struct DemoEnd {
    int level = 0, x = 0, y = 0, score = 0, energy = 0, kills = 0, deathKind = 0, demoStep = 0;
    bool operator==(const DemoEnd&) const = default;
};

// Creatures of the labyrinth now loaded that a weapon or a splinter emptied.
int killsHere() {
    int kills = 0;
    for (const CreatureKindFields& kind : kCreatureKindFields) {
        const int count = std::clamp(world.*kind.count, 0, kMaxCreatures);
        for (int k = 1; k <= count; ++k) kills += isEmptyEntry((world.*kind.table)[static_cast<std::size_t>(k)]);
    }
    return kills;
}

DemoEnd demoEnd() {
    return {world.level,  world.playerX, world.playerY,   world.score,
            world.energy, killsHere(),   world.deathKind, world.demoStep};
}

std::string summaryLine(int n, const DemoEnd& e, int screens) {
    std::ostringstream s;
    s << "demo " << n << ": labyrinth " << e.level << ", cell (" << e.x << ", " << e.y << "), score " << e.score
      << ", energy " << e.energy << ", kills " << e.kills << ", screens " << screens;
    return s.str();
}

std::string expectedLine(int n) {
    return lineStartingWith(fs::path(ZL_SOURCE_DIR) / "tests/demos/expected.txt", "demo " + std::to_string(n) + ":");
}

class DemoPlay : public GameFixture, public ::testing::WithParamInterface<int> {
protected:
    ScratchDir dir;

    // Writes the labyrinths and recording n into the scratch Data folder.
    void makeFiles(int n) {
        const fs::path levels = fs::path(ZL_SOURCE_DIR) / "assets/levels";
        Legend legend;
        std::vector<LevelProblem> problems;
        ASSERT_TRUE(parseLegend(readWholeFile(levels / "legend.txt"), "legend.txt", legend, problems))
            << formatProblems(problems);
        std::vector<LevelSource> sources(kLevelCount);
        std::vector<const LevelData*> data;
        for (int k = 0; k < kLevelCount; ++k) {
            const std::string name = kLevelNames[k];
            ASSERT_TRUE(parseLevelSource(readWholeFile(levels / (name + ".txt")), name + ".txt", legend,
                                         sources[static_cast<std::size_t>(k)], problems))
                << formatProblems(problems);
            ASSERT_TRUE(writeLevelFile(levelFilePath(name), *sources[static_cast<std::size_t>(k)].level));
            data.push_back(sources[static_cast<std::size_t>(k)].level.get());
        }
        const fs::path source = fs::path(ZL_SOURCE_DIR) / "assets/demos" / ("demo" + std::to_string(n) + ".txt");
        Demonstration made;
        ASSERT_TRUE(makeDemonstration(parseRoute(readWholeFile(source)), n, data, source.string(), made, problems))
            << formatProblems(problems);
        ASSERT_TRUE(writeRecording(recordingPath(n), made.moves));
        made_ = made;
    }

    Demonstration made_;  // what the maker made of the source

    // The world as the title screen leaves it when a demonstration starts:
    // the new-game fields, the labyrinth, the loaded moves, demoStep 1.
    void startAsTheTitleScreenDoes(int n) {
        world.heldItem = 0;
        world.energy = 99;
        world.sceneShown = 0;
        world.deathKind = 0;
        world.score = 0;
        world.level = n;
        RecordingMoves moves{};
        ASSERT_TRUE(readRecording(recordingPath(n), moves));
        std::copy(moves.begin(), moves.end(), world.demoMoves.begin());
        world.demoStep = 1;
        world.mode = GameMode::Demonstration;
    }
};

TEST_P(DemoPlay, PlaysToItsEndAliveAcrossThreeScreensAsRecorded) {
    const int n = GetParam();
    makeFiles(n);
    if (HasFatalFailure()) return;
    headless::setTimerStep(kPassTime);

    // The game's own run of the demonstration.
    startAsTheTitleScreenDoes(n);
    runMode();
    EXPECT_EQ(world.mode, GameMode::Title) << "a demonstration returns to the title screen";
    const DemoEnd ended = demoEnd();

    // The same start, the loop's passes run one by one to watch the screens
    // on the way (the start of play, then loopPass until the game ends).
    world = World{};
    startAsTheTitleScreenDoes(n);
    double lastFrame = startPlay();
    std::set<std::tuple<int, int, int>> screens{{world.level, world.viewX, world.viewY}};
    int lowestEnergy = world.energy;
    while (loopPass(lastFrame)) {
        screens.insert({world.level, world.viewX, world.viewY});
        lowestEnergy = std::min(lowestEnergy, world.energy);
    }
    const DemoEnd watched = demoEnd();
    EXPECT_EQ(watched, ended) << "the watched run is the game's run";

    // The game went where the maker walked: the recording is in step.
    EXPECT_EQ(ended.level, made_.endLabyrinth);
    EXPECT_EQ(ended.x, made_.endX);
    EXPECT_EQ(ended.y, made_.endY);
    EXPECT_EQ(ended.deathKind, 0) << "the wizard drowned or died";
    EXPECT_GE(ended.energy, 1);
    EXPECT_GT(ended.demoStep, kDemoMoves - 1) << "the recording ended early, at code " << ended.demoStep;
    EXPECT_GE(static_cast<int>(screens.size()), kLeastScreens);
    std::printf("demo %d: lowest energy %d\n", n, lowestEnergy);

    const std::string actual = summaryLine(n, ended, static_cast<int>(screens.size()));
    EXPECT_EQ(actual, expectedLine(n)) << "If the change is meant, put this line into tests/demos/expected.txt:\n"
                                       << actual;
}

INSTANTIATE_TEST_SUITE_P(Recordings, DemoPlay, ::testing::Range(1, kRecordings + 1),
                         [](const ::testing::TestParamInfo<int>& info) { return "Demo" + std::to_string(info.param); });

}  // namespace
