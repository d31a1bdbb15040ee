// sound_cue.h — the rules' sounds: started only while sounds are switched on.
#pragma once

#include <string>

// Starts "wave\<name>.wav" when World::soundOn is 1; silent otherwise. The
// pause that follows a sound is the caller's and is taken either way.
void playSoundCue(const std::string& path);
