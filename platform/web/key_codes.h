// key_codes.h — the browser's physical key names (KeyboardEvent.code) as PC
// set-1 scancodes, and what each key puts into the key buffer. Internal to
// the browser backend.
#pragma once

namespace web {

// What a key-down event adds to the key buffer besides the key state.
// Printable characters come from the event's character (KeyboardEvent.key),
// in the layout the user has chosen.
enum class BufferEntry : unsigned char {
    None,       // nothing (modifiers, and keys whose character comes as text)
    Character,  // the fixed code page 437 character `typed`
    Extended,   // the extended key with the key's set-1 code
    KeypadNav,  // Extended while the key reports no character (Num Lock off)
};

struct KeyMapping {
    const char* code;      // KeyboardEvent.code: the key's place on the keyboard
    unsigned char pc;      // PC set-1 scancode, without the E0 prefix of extended keys
    BufferEntry buffer;
    unsigned char typed;   // the character for BufferEntry::Character, else 0
};

// The mapping of one key; nullptr for keys without a set-1 code.
const KeyMapping* findKeyMapping(const char* code);

}  // namespace web
