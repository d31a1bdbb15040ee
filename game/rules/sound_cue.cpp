// sound_cue.cpp — sounds of the rules, gated by the sound switch.
//
// Writes: nothing.
#include "game/rules/sound_cue.h"

#include "game/world/world.h"
#include "platform/platform.h"

void playSoundCue(const std::string& path) {
    if (world.soundOn == 1) playSound(path);
}
