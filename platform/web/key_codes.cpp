// key_codes.cpp — the table from the browser's physical key names to PC set-1
// scancodes, made from the keys every backend shares (platform/pc_keys.def);
// the keys the browser does not name apart are left out.
#include "platform/web/key_codes.h"

#include <cstring>

namespace web {

namespace {

const KeyMapping kKeyMappings[] = {
#define PC_KEY(sdlName, webCode, pc, buffer, typed) {webCode, {pc, core::BufferEntry::buffer, typed}},
#include "platform/pc_keys.def"
#undef PC_KEY
};

}  // namespace

const KeyMapping* findKeyMapping(const char* code) {
    for (const KeyMapping& mapping : kKeyMappings) {
        if (mapping.code && std::strcmp(mapping.code, code) == 0) return &mapping;
    }
    return nullptr;
}

}  // namespace web
