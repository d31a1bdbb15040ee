// wizard_glide.cpp — the wizard's sprite glides 5 pixels per frame from the
// cell it left to the cell it now stands on (8 frames per cell).
//
// Writes: World::playerOffsetX, playerOffsetY.
#include "game/rules/glide.h"
#include "game/rules/player.h"
#include "game/world/scene.h"
#include "game/world/world.h"

namespace {
constexpr int kWizardGlide = 5;  // pixels per frame
}  // namespace

void stepWizard() {
    glideOffset(world.playerOffsetX, kWizardGlide, eraseWizard, drawWizard);
    glideOffset(world.playerOffsetY, kWizardGlide, eraseWizard, drawWizard);
}
