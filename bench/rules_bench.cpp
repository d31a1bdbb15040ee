// rules_bench.cpp — the rules' share of a frame with a crowded screen: up to
// 100 creatures of every kind on the current screen, all gliding (one frame
// step of rules work), and the chase pass with all of them at rest. The
// argument is the number of creatures per kind.
#include "common/tile_codes.h"
#include "game/rules/contacts.h"
#include "game/rules/creatures.h"
#include "game/rules/player.h"
#include "game/world/sprite_catalogue.h"
#include "game/world/world.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"

#include <benchmark/benchmark.h>

namespace {

struct CrowdedScreen {
    CreatureTable pigs, flameGhosts, cleaners, eyes;

    explicit CrowdedScreen(int perKind) {
        headless::reset();
        openScreen(kScreenWidth, kScreenHeight, 32, 2, 0);
        world = World{};
        for (std::size_t i = 0; i < kImageCount; ++i) {
            spriteImages()[i] = createImage(kSpriteCatalogue[i].width, kSpriteCatalogue[i].height);
        }
        world.playerX = 10;
        world.playerY = 7;
        world.energy = 99;
        world.sceneShown = 1;
        // A floor on red wall for the cleaning men in row 14.
        for (int x = 1; x <= 20; ++x) world.map[static_cast<std::size_t>(x)][15] = tile::RedWall;
        for (CreatureTable* t : {&world.pigs, &world.flameGhosts, &world.cleaners, &world.eyes}) {
            for (int k = 1; k <= perKind; ++k) {
                Creature& c = (*t)[static_cast<std::size_t>(k)];
                c.x = 1 + (k * 7) % 20;
                c.y = t == &world.cleaners ? 14 : 1 + (k * 3) % 14;
                if (c.x == world.playerX && c.y == world.playerY) c.x = 1;
            }
        }
        world.pigCount = world.flameGhostCount = world.cleanerCount = world.eyeCount = perKind;
        pigs = world.pigs;
        flameGhosts = world.flameGhosts;
        cleaners = world.cleaners;
        eyes = world.eyes;
    }
    ~CrowdedScreen() {
        for (Image*& img : spriteImages()) destroyImage(img);
        spriteImages() = {};
    }
    void restore() {
        world.pigs = pigs;
        world.flameGhosts = flameGhosts;
        world.cleaners = cleaners;
        world.eyes = eyes;
    }
    // Every creature (and the wizard) in the first frame of a step.
    static void startSteps() {
        for (CreatureTable* t : {&world.pigs, &world.flameGhosts, &world.eyes}) {
            for (int k = 1; k <= kMaxCreatures; ++k) {
                (*t)[static_cast<std::size_t>(k)].offsetX = 40;
                (*t)[static_cast<std::size_t>(k)].offsetY = -40;
            }
        }
        for (int k = 1; k <= kMaxCreatures; ++k) world.cleaners[static_cast<std::size_t>(k)].offsetX = 40;
        world.playerOffsetX = -40;
    }
};

void BM_FrameStepRules(benchmark::State& state) {
    CrowdedScreen screen(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        CrowdedScreen::startSteps();
        stepWizard();
        stepPigs();
        stepFlameGhosts();
        stepCleaners();
        stepEyes();
        contactStep();
        benchmark::DoNotOptimize(world.pigs[1].offsetX);
    }
}
BENCHMARK(BM_FrameStepRules)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

void BM_ChasePass(benchmark::State& state) {
    CrowdedScreen screen(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        screen.restore();
        chasePigs();
        chaseFlameGhosts();
        chaseEyes();
        chaseCleaners();
        benchmark::DoNotOptimize(world.eyes[1].x);
    }
}
BENCHMARK(BM_ChasePass)->Arg(10)->Arg(100)->Unit(benchmark::kMicrosecond);

// Contacts over all creatures, none on the wizard's cell: the loops alone.
void BM_ContactStep(benchmark::State& state) {
    CrowdedScreen screen(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        contactStep();
        benchmark::DoNotOptimize(world.energy);
    }
}
BENCHMARK(BM_ContactStep)->Arg(100)->Unit(benchmark::kMicrosecond);

}  // namespace
