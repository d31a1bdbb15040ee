// key_codes.h — the browser's physical key names (KeyboardEvent.code) as PC
// set-1 scancodes, and what each key puts into the key buffer. Internal to
// the browser backend.
#pragma once

#include "platform/key_mapping.h"

namespace web {

struct KeyMapping {
    const char* code;      // KeyboardEvent.code: the key's place on the keyboard
    core::KeyMeaning key;  // its set-1 code and what it adds to the key buffer
};

// The mapping of one key; nullptr for keys without a set-1 code.
const KeyMapping* findKeyMapping(const char* code);

}  // namespace web
