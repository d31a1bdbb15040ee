// scene_setup.cpp — the crowded screen of the frame-step benchmarks.
//
// Writes: the World (map, wizard, energy, the four creature tables and
// counts) and the sprite catalogue's images.
#include "bench/scene_setup.h"

#include "common/tile_codes.h"
#include "game/flow/flow.h"
#include "game/world/sprite_catalogue.h"
#include "game/world/world.h"
#include "platform/platform.h"

void setUpScene(int perKind) {
    world = World{};
    openScreen(kScreenWidth, kScreenHeight, 32, 2, 0);
    for (const SpriteInfo& s : kSpriteCatalogue) {
        if (spriteImages()[static_cast<std::size_t>(s.id)] == nullptr)
            spriteImages()[static_cast<std::size_t>(s.id)] = createImage(s.width, s.height);
    }
    for (int x = 1; x <= 20; ++x)
        for (int y = 1; y <= 14; ++y) world.map[x][y] = (x + y) % 5 == 0 ? tile::Flame : tile::Floor2;
    world.playerX = 10;
    world.playerY = 7;
    world.energy = 99;
    // Spread evenly over the 280 cells, the kinds taking turns, so that a
    // larger crowd covers the screen more densely rather than more of it.
    CreatureTable* tables[] = {&world.pigs, &world.flameGhosts, &world.cleaners, &world.eyes};
    const int all = 4 * perKind;
    for (int k = 1; k <= perKind; ++k) {
        for (int kind = 0; kind < 4; ++kind) {
            const int cell = ((k - 1) * 4 + kind) * (kViewColumns * kViewRows) / all;
            (*tables[kind])[k] = {1 + cell % kViewColumns, 1 + cell / kViewColumns, 0, 0, 0, 0};
        }
    }
    world.pigCount = world.flameGhostCount = world.cleanerCount = world.eyeCount = perKind;
}

bool glidingFrameStep(int perKind, double& last) {
    world.energy = 99;  // creatures on the wizard's cell would end the game
    for (CreatureTable* t : {&world.pigs, &world.flameGhosts, &world.eyes})
        for (int k = 1; k <= perKind; ++k) (*t)[k].offsetX = 20, (*t)[k].offsetY = 20;
    for (int k = 1; k <= perKind; ++k) world.cleaners[k].offsetX = 20;
    return frameStep(last);
}
