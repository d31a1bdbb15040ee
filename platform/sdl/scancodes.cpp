// scancodes.cpp — the table from SDL's physical key codes to PC set-1
// scancodes, made from the keys every backend shares (platform/pc_keys.def).
#include "platform/sdl/scancodes.h"

namespace sdl {

const KeyMapping kKeyMappings[] = {
#define PC_KEY(sdlName, webCode, pc, buffer, typed) {SDL_SCANCODE_##sdlName, {pc, core::BufferEntry::buffer, typed}},
#include "platform/pc_keys.def"
#undef PC_KEY
};

const int kKeyMappingCount = static_cast<int>(sizeof(kKeyMappings) / sizeof(kKeyMappings[0]));

const KeyMapping* findKeyMapping(SDL_Scancode scancode) {
    for (int i = 0; i < kKeyMappingCount; ++i) {
        if (kKeyMappings[i].sdl == scancode) return &kKeyMappings[i];
    }
    return nullptr;
}

int pcScancode(SDL_Scancode scancode) {
    const KeyMapping* mapping = findKeyMapping(scancode);
    return mapping ? mapping->key.pc : 0;
}

}  // namespace sdl
