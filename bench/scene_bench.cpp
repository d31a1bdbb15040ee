// Scene renderer and frame step timings against the headless backend, each
// beside the limit it is held against in bench/README.md:
//
//   BM_RenderSceneWithoutDissolve  vs BM_RenderReference       within 1.5x
//   BM_FrameStep/100               vs the 20 ms frame          under 2.5 %
//   BM_FrameStep/100               vs BM_FrameStep/25          at most 4.5x
//
// The frame step's argument is the number of creatures of each of the four
// kinds on the screen (the tables hold 100 each): 100 is 400 creatures in
// all, 25 is 100 in all.
#include "bench/scene_setup.h"
#include "bench/view_blocks.h"
#include "common/tile_codes.h"
#include "game/flow/flow.h"
#include "game/world/scene.h"
#include "game/world/sprite_catalogue.h"
#include "game/world/world.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

namespace {

void BM_RenderSceneWithoutDissolve(benchmark::State& state) {
    headless::reset();
    setUpScene(100);
    world.sceneShown = 1;
    for (auto _ : state) renderScene();
}
BENCHMARK(BM_RenderSceneWithoutDissolve)->Unit(benchmark::kMicrosecond);

// The limit for renderScene: 280 copies of a 40 x 40 block onto a raw page,
// row by row with memcpy, and one memcpy of the whole page.
void BM_RenderReference(benchmark::State& state) {
    ViewBlocks background;
    std::vector<Colour> visible(background.page.size());
    for (auto _ : state) {
        background.copyOntoEveryCell();
        std::memcpy(visible.data(), background.page.data(), visible.size() * sizeof(Colour));
        benchmark::ClobberMemory();
    }
    benchmark::DoNotOptimize(visible.data());
}
BENCHMARK(BM_RenderReference)->Unit(benchmark::kMicrosecond);

void BM_RenderSceneWithDissolve(benchmark::State& state) {
    headless::reset();
    setUpScene(100);
    for (auto _ : state) {
        world.sceneShown = 0;
        renderScene();
    }
}
BENCHMARK(BM_RenderSceneWithDissolve)->Unit(benchmark::kMillisecond);

// One frame step with every creature of the screen gliding on both axes (the
// cleaning men on theirs), the wizard at rest among them. The periodic
// redraw of all sprites and the tile animation come in their turn, as in
// play, so the time is an average over the frame counter's cycle.
void BM_FrameStep(benchmark::State& state) {
    const int perKind = static_cast<int>(state.range(0));
    headless::reset();
    setUpScene(perKind);
    world.sceneShown = 1;
    renderScene();
    double last = 0;
    for (auto _ : state) benchmark::DoNotOptimize(glidingFrameStep(perKind, last));
    state.counters["creatures"] = 4 * perKind;
}
BENCHMARK(BM_FrameStep)->Arg(10)->Arg(25)->Arg(50)->Arg(75)->Arg(100)->Unit(benchmark::kMicrosecond);

}  // namespace
