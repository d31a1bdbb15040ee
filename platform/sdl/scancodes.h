// scancodes.h — SDL's physical key codes as PC set-1 scancodes, and what each
// key puts into the key buffer. Internal to the SDL backend; the SDL tests
// include it to check the table.
#pragma once

#include "platform/key_mapping.h"

#include <SDL_scancode.h>

namespace sdl {

struct KeyMapping {
    SDL_Scancode sdl;      // physical key (the position on the keyboard)
    core::KeyMeaning key;  // its set-1 code and what it adds to the key buffer
};

// Every key of a PC keyboard that has a set-1 code.
extern const KeyMapping kKeyMappings[];
extern const int kKeyMappingCount;

// The mapping of one SDL scancode; nullptr for keys without a set-1 code.
const KeyMapping* findKeyMapping(SDL_Scancode scancode);
// The set-1 scancode of an SDL scancode; 0 for keys without one.
int pcScancode(SDL_Scancode scancode);

}  // namespace sdl
