// scancodes.h — SDL's physical key codes as PC set-1 scancodes, and what each
// key puts into the key buffer. Internal to the SDL backend; the SDL tests
// include it to check the table.
#pragma once

#include <SDL_scancode.h>

namespace sdl {

// What a key-down event of a key adds to the key buffer, besides the key
// state. Printable characters come from SDL's text input events instead, in
// the keyboard layout the user has chosen.
enum class BufferEntry : unsigned char {
    None,       // nothing (modifiers, and keys whose character comes as text)
    Character,  // the fixed code page 437 character `typed`
    Extended,   // the extended key with the key's set-1 code
    KeypadNav,  // Extended while Num Lock is off; with it on the digit comes as text
};

struct KeyMapping {
    SDL_Scancode sdl;      // physical key (the position on the keyboard)
    unsigned char pc;      // PC set-1 scancode, without the E0 prefix of extended keys
    BufferEntry buffer;
    unsigned char typed;   // the character for BufferEntry::Character, else 0
};

// Every key of a PC keyboard that has a set-1 code.
extern const KeyMapping kKeyMappings[];
extern const int kKeyMappingCount;

// The mapping of one SDL scancode; nullptr for keys without a set-1 code.
const KeyMapping* findKeyMapping(SDL_Scancode scancode);
// The set-1 scancode of an SDL scancode; 0 for keys without one.
int pcScancode(SDL_Scancode scancode);

}  // namespace sdl
