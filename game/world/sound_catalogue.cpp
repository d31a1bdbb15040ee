// sound_catalogue.cpp — the sound table and the switch that gates it.
#include "game/world/sound_catalogue.h"

#include "game/world/world.h"
#include "platform/platform.h"

namespace {

// Paths in the order of Snd.
constexpr const char* kSoundPaths[kSoundCount] = {
    "wave\\plop.wav", "wave\\titelm.wav", "wave\\tok.wav",     "wave\\wszt.wav",  "wave\\abzie.wav",
    "wave\\dazu.wav", "wave\\Sterb.wav",  "wave\\schnitt.wav", "wave\\zisch.wav",
};

}  // namespace

const char* soundPath(Snd sound) {
    const auto index = static_cast<std::size_t>(sound);
    return index < kSoundCount ? kSoundPaths[index] : "";
}

void playCue(Snd sound) {
    if (world.soundOn == 1) playSound(soundPath(sound));
}
