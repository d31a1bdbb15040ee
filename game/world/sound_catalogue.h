// sound_catalogue.h — the game's nine sounds, by name, and playing one.
//
// A sound is named by the base name of its file: Snd::plop is played from
// "wave\plop.wav". Sounds play only while World::soundOn is 1; the pause a
// caller takes after a sound is the caller's and is taken either way.
#pragma once

#include <cstddef>

enum class Snd : int {
    plop,     // a flame ghost or an eye killed; the wizard dies or drowns
    titelm,   // the title music
    tok,      // an item exchanged; the menu's frame moves
    wszt,     // a barrier opens
    abzie,    // energy lost to a flame or a creature
    dazu,     // energy gained on embers
    Sterb,    // a pig killed
    schnitt,  // a cleaning man killed
    zisch,    // the shooting star fired
    Count
};

constexpr std::size_t kSoundCount = static_cast<std::size_t>(Snd::Count);

// "wave\<name>.wav" of a sound.
const char* soundPath(Snd sound);
// Starts the sound when World::soundOn is 1; silent otherwise.
// Writes: nothing.
void playCue(Snd sound);
