// web_sound.cpp — the WAV files handed to the page's sound player, one
// sound at a time.
//
// Each file is read and checked here once (a damaged file's claimed sizes
// are cut to what it holds) and its bytes handed to the page, which decodes
// them once and keeps the result; later plays of the same path hand over
// only the path. A file that is missing or not a WAV is silent, and is read
// again when asked again, as on the desktop.
//
// Writes: its own set of paths already handed over.
#include "platform/backend.h"
#include "platform/regular_file.h"
#include "platform/wav_check.h"
#include "platform/web/web_js.h"

#include <algorithm>
#include <set>
#include <string>

namespace {
// The game's sounds are a few seconds long; a larger file is not played.
constexpr std::size_t kMaxWavBytes = std::size_t{16} << 20;
std::set<std::string> handedOver;
}  // namespace

namespace backend {

void playSound(const std::string& path) {
    std::string hostPath = path;
    std::replace(hostPath.begin(), hostPath.end(), '\\', '/');
    if (handedOver.count(hostPath)) {
        zl_js_play_sound(hostPath.c_str(), nullptr, 0);
        return;
    }
    std::string bytes;
    if (core::readRegularFile(hostPath, kMaxWavBytes, core::Oversize::Refuse, bytes) != core::ReadResult::Read ||
        !core::makeWavSizesHonest(bytes))
        return;
    handedOver.insert(hostPath);
    zl_js_play_sound(hostPath.c_str(), reinterpret_cast<const unsigned char*>(bytes.data()),
                     static_cast<int>(bytes.size()));
}

}  // namespace backend
