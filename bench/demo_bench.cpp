// A demonstration played headless through the real cycle of modes, as fast
// as the frame loop runs (the headless clock jumps over every rest), against
// the time the same demonstration takes to play at 50 frames per second.
//
//   BM_DemonstrationPlayback: counter game_seconds / real time   at least 500x
//
// The recording is made here: 1000 codes that walk the wizard of labyrinth 1
// down from his start into the corridor below it and then back and forth
// along it, eight cells each way, the way a recorded game moves him.
// Labyrinth 1 is the one the build staged from assets/levels, and the
// pictures are the run folder's.
#include "common/demo_file.h"
#include "game/flow/flow.h"
#include "game/world/sprite_catalogue.h"
#include "game/world/world.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "tests/support/scratch_dir.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

constexpr int kUp = 1, kRight = 2, kDown = 3, kLeft = 4;
constexpr int kCellsEachWay = 8;
constexpr int kLastPlayedMove = 999;  // a demonstration plays moves 1..999

void makeRecording() {
    world.demoMoves[1] = kDown;
    for (int i = 2; i <= kDemoMoves; ++i) {
        const int leg = (i - 2) / kCellsEachWay;
        world.demoMoves[static_cast<std::size_t>(i)] = leg % 2 == 0 ? kRight : kLeft;
    }
    world.demoMoves[0] = kUp;  // never played: moves are 1..1000
}

// Reads the pictures once, from the run folder, and comes back to `folder`.
void loadImagesFromRunFolder(const ScratchDir& folder) {
    fs::current_path(ZL_RUN_DIR);
    loadAllImages();
    fs::current_path(folder.path());
}

void BM_DemonstrationPlayback(benchmark::State& state) {
    headless::reset();
    ScratchDir folder;
    folder.copyIntoData(fs::path(ZL_LEVEL_STAGE_DIR) / "001.dat");
    loadImagesFromRunFolder(folder);
    double gameSeconds = 0;
    long long endedEarly = 0;
    for (auto _ : state) {
        headless::reset();
        world = World{};
        openScreen(kScreenWidth, kScreenHeight, 32, 2, 0);
        world.level = 1;
        world.energy = 99;
        world.demoStep = 1;
        makeRecording();
        world.mode = GameMode::Demonstration;
        const double start = headless::clock();
        runMode();  // plays until the recording is used up
        gameSeconds += headless::clock() - start;
        if (world.demoStep <= kLastPlayedMove) ++endedEarly;
    }
    state.counters["game_seconds"] = benchmark::Counter(gameSeconds, benchmark::Counter::kAvgIterations);
    // A demonstration that ended before its last move measured something else.
    state.counters["ended_early"] = static_cast<double>(endedEarly);
}
BENCHMARK(BM_DemonstrationPlayback)->Unit(benchmark::kMillisecond);

}  // namespace
