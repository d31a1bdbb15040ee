// sound_state.h — which sounds the backend keeps, and reading a sound's file
// (internal to platform/; sound.cpp).
#pragma once

#include <set>
#include <string>

namespace core {

// The paths (as the program names them) of the sounds the backend keeps:
// playSound hands it their bytes no more. Cleared when the backend forgets
// its sounds (headless::reset).
extern std::set<std::string> keptSounds;

// The whole WAV file at a program's path, its chunk sizes made honest; empty
// when it is missing, refused, larger than the limit or no WAV.
std::string readWav(const std::string& path);

}  // namespace core
