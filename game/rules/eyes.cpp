// eyes.cpp — eyes fly toward the wizard on both axes through every cell and
// glide 4 pixels per frame (10 frames per cell).
//
// Writes: World::eyes (x, y, offsetX, offsetY).
#include "game/rules/creature_chase.h"
#include "game/rules/creature_glide.h"
#include "game/rules/creatures.h"
#include "game/world/scene.h"

namespace {
constexpr GlideRule kEyeGlide{4, false, drawEyes};
}  // namespace

void chaseEyes() { chaseOnBothAxes(world.eyes, world.eyeCount, false); }

void stepEyes() { glideCreatures(world.eyes, world.eyeCount, kEyeGlide); }
