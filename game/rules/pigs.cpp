// pigs.cpp — pigs chase the wizard on both axes through enterable cells only
// and glide 2 pixels per frame (20 frames per cell).
//
// Writes: World::pigs (x, y, offsetX, offsetY).
#include "game/rules/creature_chase.h"
#include "game/rules/creature_glide.h"
#include "game/rules/creatures.h"
#include "game/world/scene.h"

namespace {
constexpr GlideRule kPigGlide{2, false, drawPigs};
}  // namespace

void chasePigs() { chaseOnBothAxes(world.pigs, world.pigCount, true); }

void stepPigs() { glideCreatures(world.pigs, world.pigCount, kPigGlide); }
