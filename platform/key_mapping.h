// key_mapping.h — what a key of a PC keyboard means to the key state and the
// key buffer, shared by the backends: each names its keys its own way
// (platform/pc_keys.def lists them all once) and hands a key's event here.
// Internal to platform/.
#pragma once

namespace core {

// What a key-down event adds to the key buffer besides the key state.
// Printable characters come from the host's text (the user's own layout,
// accents and umlauts included) instead.
enum class BufferEntry : unsigned char {
    None,       // nothing (modifiers, and keys whose character comes as text)
    Character,  // the fixed code page 437 character `typed`
    Extended,   // the extended key with the key's set-1 code
    KeypadNav,  // Extended while the keypad types no digit (Num Lock off)
};

struct KeyMeaning {
    unsigned char pc;     // PC set-1 scancode, without the E0 prefix of extended keys
    BufferEntry buffer;   // what a key-down adds to the key buffer
    unsigned char typed;  // the character for BufferEntry::Character, else 0
};

// A key with a set-1 code went down (or up, or repeated): into the key state
// and, when it is pressed, the key buffer. keypadTypes: the keypad types its
// digits now, so a KeypadNav key adds nothing (its digit comes as text).
void mappedKeyEvent(const KeyMeaning& key, bool down, bool repeat, bool keypadTypes);

}  // namespace core
