// The game's own work between opening its window and its first picture, as
// context for the start-up figure of bench/README.md: reading the 102
// pictures (BM_LoadAllImages, from the run folder) and the full render of
// labyrinth 1 with its dissolve (BM_RenderSceneWithDissolve in
// scene_bench.cpp); loading the labyrinth is BM_LoadLevel.
#include "game/world/sprite_catalogue.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

void BM_LoadAllImages(benchmark::State& state) {
    headless::reset();
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(ZL_RUN_DIR);
    for (auto _ : state) {
        // Fresh images each time, as at start-up.
        state.PauseTiming();
        for (Image*& img : spriteImages()) {
            destroyImage(img);
            img = nullptr;
        }
        state.ResumeTiming();
        loadAllImages();
    }
    std::filesystem::current_path(previous);
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kImageCount));
}
BENCHMARK(BM_LoadAllImages)->Unit(benchmark::kMillisecond);

}  // namespace
