// Scene renderer and frame step timings, against the headless backend.
#include "game/flow/flow.h"
#include "game/world/scene.h"
#include "game/world/sprite_catalogue.h"
#include "game/world/world.h"
#include "common/tile_codes.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"

#include <benchmark/benchmark.h>

namespace {

// A screen with tiles everywhere, every image made, and 100 creatures of
// each kind spread over the current screen.
void setUpScene() {
    headless::reset();
    world = World{};
    openScreen(800, 600, 32, 2, 0);
    for (const SpriteInfo& s : kSpriteCatalogue) {
        if (spriteImages()[static_cast<std::size_t>(s.id)] == nullptr)
            spriteImages()[static_cast<std::size_t>(s.id)] = createImage(s.width, s.height);
    }
    for (int x = 1; x <= 20; ++x)
        for (int y = 1; y <= 14; ++y) world.map[x][y] = (x + y) % 5 == 0 ? tile::Flame : tile::Floor2;
    world.playerX = 10;
    world.playerY = 7;
    world.energy = 99;
    CreatureTable* tables[] = {&world.pigs, &world.flameGhosts, &world.cleaners, &world.eyes};
    for (CreatureTable* t : tables)
        for (int k = 1; k <= 100; ++k) (*t)[k] = {1 + k % 20, 1 + k % 14, 0, 0, 0, 0};
    world.pigCount = world.flameGhostCount = world.cleanerCount = world.eyeCount = 100;
}

void BM_RenderSceneWithoutDissolve(benchmark::State& state) {
    setUpScene();
    world.sceneShown = 1;
    for (auto _ : state) renderScene();
}
BENCHMARK(BM_RenderSceneWithoutDissolve)->Unit(benchmark::kMicrosecond);

void BM_RenderSceneWithDissolve(benchmark::State& state) {
    setUpScene();
    for (auto _ : state) {
        world.sceneShown = 0;
        renderScene();
    }
}
BENCHMARK(BM_RenderSceneWithDissolve)->Unit(benchmark::kMillisecond);

void BM_FrameStepWith400Creatures(benchmark::State& state) {
    setUpScene();
    world.sceneShown = 1;
    renderScene();
    double last = 0;
    for (auto _ : state) {
        world.energy = 99;  // creatures on the wizard's cell would end the game
        // Keep every creature moving so that each frame glides all 400.
        for (CreatureTable* t : {&world.pigs, &world.flameGhosts, &world.eyes})
            for (int k = 1; k <= 100; ++k) (*t)[k].offsetX = 20, (*t)[k].offsetY = 20;
        for (int k = 1; k <= 100; ++k) world.cleaners[k].offsetX = 20;
        benchmark::DoNotOptimize(frameStep(last));
    }
}
BENCHMARK(BM_FrameStepWith400Creatures)->Unit(benchmark::kMicrosecond);

}  // namespace
