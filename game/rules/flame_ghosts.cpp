// flame_ghosts.cpp — flame ghosts fly toward the wizard on both axes through
// every cell and glide 4 pixels per frame (10 frames per cell).
//
// Writes: World::flameGhosts (x, y, offsetX, offsetY).
#include "game/rules/creature_chase.h"
#include "game/rules/creature_glide.h"
#include "game/rules/creatures.h"
#include "game/world/scene.h"

namespace {
constexpr GlideRule kFlameGhostGlide{4, false, drawFlameGhosts};
}  // namespace

void chaseFlameGhosts() { chaseOnBothAxes(world.flameGhosts, world.flameGhostCount, false); }

void stepFlameGhosts() { glideCreatures(world.flameGhosts, world.flameGhostCount, kFlameGhostGlide); }
