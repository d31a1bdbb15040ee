// key_mapping.cpp — a backend's key event, by the key's meaning, into the
// key state and the key buffer.
//
// Writes: the shared key state and key buffer (through core::keyEvent,
// core::typedChar and core::extendedKey).
#include "platform/key_mapping.h"

#include "platform/backend.h"

namespace core {

void mappedKeyEvent(const KeyMeaning& key, bool down, bool repeat, bool keypadTypes) {
    keyEvent(key.pc, down, repeat);
    if (!down) return;
    switch (key.buffer) {
        case BufferEntry::Character: typedChar(key.typed); break;
        case BufferEntry::Extended: extendedKey(key.pc); break;
        case BufferEntry::KeypadNav:
            if (!keypadTypes) extendedKey(key.pc);
            break;
        case BufferEntry::None: break;
    }
}

}  // namespace core
