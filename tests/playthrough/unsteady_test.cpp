// How hard the shipped labyrinths are for a person: each level's recorded
// route played by the unsteady player (unsteady_player.h: keys held 80 to
// 250 ms, pauses of 0 to 400 ms, mistakes put right by sight) with a seeded
// generator, counting the runs that reach the door. The targets fall from
// 95 % at the first labyrinth to 30 % at the last; assets/levels/README.md
// keeps the table of 200 runs a level. Here a quick 20 runs a level must
// stay well above a floor beneath each target, so a level change that makes
// the game unfair shows.
//
// For the full table: ZL_UNSTEADY_RUNS=200 test_playthrough --gtest_filter='Levels/Unsteady*'
// (ZL_UNSTEADY_COST=1 adds what each route line costs and how runs failed).
#include "tests/playthrough/route_player.h"
#include "tests/playthrough/unsteady_player.h"
#include "tests/support/read_whole_file.h"
#include "tests/support/scratch_dir.h"
#include "tests/world/game_fixture.h"
#include "tools/levels/route_text.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

namespace {

namespace fs = std::filesystem;

constexpr int kShippedLevels = 8;
constexpr int kQuickRuns = 20;

// Per labyrinth: the share of runs meant to reach the door, and the share
// the quick run must keep at least.
struct Difficulty {
    int targetPercent;
    int floorPercent;
};
constexpr Difficulty kDifficulty[kShippedLevels + 1] = {
    {0, 0}, {95, 70}, {85, 60}, {75, 45}, {65, 35}, {55, 25}, {45, 20}, {35, 10}, {30, 5},
};

std::string levelName(int level) {
    char name[8];
    std::snprintf(name, sizeof name, "%03d", level);
    return name;
}

int runsPerLevel() {
    const char* text = std::getenv("ZL_UNSTEADY_RUNS");
    const int runs = text ? std::atoi(text) : 0;
    return runs > 0 ? runs : kQuickRuns;
}

class Unsteady : public GameFixture, public ::testing::WithParamInterface<int> {};

TEST_P(Unsteady, EnoughRunsReachTheDoor) {
    const int level = GetParam();
    ScratchDir dir;
    for (int n = 1; n <= kShippedLevels; ++n) {
        const fs::path from = fs::path(ZL_LEVEL_STAGE_DIR) / (levelName(n) + ".dat");
        ASSERT_TRUE(fs::exists(from)) << from << " is missing: build the target `levels` first";
        fs::copy_file(from, dir.path() / "Data" / (levelName(n) + ".dat"));
    }
    const Route route = parseRoute(
        readWholeFile(fs::path(ZL_SOURCE_DIR) / "assets/levels/routes" / (levelName(level) + ".route")));
    ASSERT_EQ(route.error, "");

    // The way, as the steady player walks it.
    startLevel(level);
    const PlayResult steady = playRoute(level, route.steps);
    ASSERT_TRUE(steady.finished) << steady.failure;

    const int runs = runsPerLevel();
    int reached = 0;
    long long frames = 0, corrections = 0;
    std::string failures;
    std::vector<UnsteadyResult> results;
    for (int run = 0; run < runs; ++run) {
        world = World{};
        startLevel(level);
        const UnsteadyResult r = playUnsteadily(level, route.steps, steady.states,
                                                static_cast<std::uint32_t>(level * 100003 + run));
        results.push_back(r);
        frames += r.frames;
        corrections += r.corrections;
        if (r.finished)
            ++reached;
        else if (failures.size() < 2000)
            failures += "  run " + std::to_string(run) + ": " + r.failure + "\n";
    }
    // With ZL_UNSTEADY_COST set: what each line of the route costs, on
    // average over the runs, and how the runs that failed ended.
    if (std::getenv("ZL_UNSTEADY_COST") != nullptr) {
        std::map<int, std::pair<long long, int>> cost;  // route line -> (energy lost, runs)
        for (const UnsteadyResult& r : results) {
            std::size_t last = 0;  // the last state of the way whose energy is known
            for (std::size_t k = 1; k < r.energy.size(); ++k) {
                if (r.energy[k] < 0) continue;
                auto& [lost, n] = cost[route.steps[k - 1].line];
                lost += r.energy[last] - r.energy[k];
                ++n;
                last = k;
            }
        }
        for (const auto& [line, c] : cost)
            std::printf("  route line %d: %.1f energy a run\n", line, static_cast<double>(c.first) / runs);
        std::printf("%s", failures.c_str());
    }
    const int percent = 100 * reached / runs;
    std::printf("labyrinth %d: %d of %d unsteady runs reach the door (%d %%, target %d %%); "
                "%lld frames and %lld corrections a run on average\n",
                level, reached, runs, percent, kDifficulty[level].targetPercent, frames / runs, corrections / runs);
    EXPECT_GE(100 * reached, kDifficulty[level].floorPercent * runs) << failures;
}

INSTANTIATE_TEST_SUITE_P(Levels, Unsteady, ::testing::Range(1, kShippedLevels + 1),
                         [](const ::testing::TestParamInfo<int>& info) { return "Level" + std::to_string(info.param); });

}  // namespace
