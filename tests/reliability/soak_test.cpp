// The soak: the game's real loop for minutes of virtual time under a random
// player, every invariant checked whenever input is delivered, the heap
// flat. ZL_SOAK_MINUTES sets the virtual minutes (default 5, the first four
// demonstrations watched for 15 s each); the long run before a release:
//   ZL_SOAK_MINUTES=60 build/release/tests/test_reliability --gtest_filter='Soak.*'
// which watches every demonstration to its end.
#include "tests/reliability/soak_driver.h"
#include "tests/support/scratch_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kAllowedGrowth = 1u << 20;  // heap bytes, after the first minute

TEST(Soak, TheRealLoopRunsForMinutesUnderARandomPlayerWithEveryInvariantAndFlatMemory) {
    SoakPlan plan;
    if (const char* minutes = std::getenv("ZL_SOAK_MINUTES")) plan.minutes = std::atof(minutes);
    plan.demonstrationSeconds = plan.minutes >= 30 ? 0 : 15;

    ScratchDir dir;
    const fs::path levels = fs::path(ZL_RUN_DIR) / "Data";
    ASSERT_TRUE(fs::exists(levels / "001.dat")) << "build the level files first (the levels target)";
    for (const auto& entry : fs::directory_iterator(levels)) {
        if (entry.path().extension() == ".dat" && entry.path().filename() != "Einstellung.dat")
            fs::copy_file(entry.path(), dir.path() / "Data" / entry.path().filename());
    }

    const SoakFigures f = runSoak(plan);
    std::printf("soak: %.0f virtual s, %ld frames, %ld checks, %d demonstrations, %d games, %d menus, "
                "%d saves, %d loads (+%d of missing or refused names), %d restarts\n",
                f.virtualSeconds, f.frames, f.checks, f.demonstrations, f.games, f.menus, f.saves, f.loads,
                f.otherLoads, f.restarts);
    std::printf("soak: peak resident memory %ld KB after start-up, %ld KB at the end; heap by minute (KB):",
                f.peakRssKbAtStart, f.peakRssKbAtEnd);
    for (std::size_t bytes : f.heapByMinute) std::printf(" %zu", bytes >> 10);
    std::printf("\n");

    EXPECT_EQ(f.broken, "");
    EXPECT_GE(f.virtualSeconds, 60.0 * plan.minutes);
    EXPECT_GE(f.demonstrations, 4);
    EXPECT_GT(f.games, 0);
    EXPECT_GT(f.saves, 0);
    EXPECT_GT(f.loads, 0);
    ASSERT_GE(f.heapByMinute.size(), 2u);
    const std::size_t settled = f.heapByMinute[0];
    const std::size_t highest = *std::max_element(f.heapByMinute.begin() + 1, f.heapByMinute.end());
    EXPECT_LE(highest, settled + kAllowedGrowth) << "the heap grew after the first minute";
}

}  // namespace
