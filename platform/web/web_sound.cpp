// web_sound.cpp — sounds handed to the page's sound player, one at a time.
//
// The core reads and checks each file (platform/sound.cpp) and hands its
// bytes over once; the page decodes them once and keeps the result, so later
// plays of the same sound hand over only its name. A file that is missing
// or not a WAV only ends the playing sound, and is read again when asked
// again, as on the desktop.
//
// Writes: nothing of its own (the page keeps the sounds).
#include "platform/backend.h"
#include "platform/web/web_js.h"

#include <string>

namespace backend {

bool playSound(const std::string& name, const std::string* wav) {
    // Without bytes the page plays the sound it keeps under the name; a name
    // it does not know only ends the playing sound.
    if (!wav || wav->empty()) {
        zl_js_play_sound(name.c_str(), nullptr, 0);
        return wav == nullptr;
    }
    zl_js_play_sound(name.c_str(), reinterpret_cast<const unsigned char*>(wav->data()), static_cast<int>(wav->size()));
    return true;
}

}  // namespace backend
