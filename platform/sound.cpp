// sound.cpp — playSound: finding and reading the WAV file, for every
// backend alike; the backend only plays what it is handed.
//
// Each file is read whole, with a size limit, and its chunk sizes are made
// honest (wav_check.h) before a backend's decoder sees it, never handed to
// a decoder by name: a special file in its place must not block, and a
// damaged file's claimed sizes must not exceed what it holds. A backend
// keeps what it made of a sound, so a file is read only until the backend
// has it; a file that is missing or not a WAV is read again when asked
// again (it may have appeared since).
//
// Writes: core::keptSounds.
#include "platform/backend.h"
#include "platform/host_paths.h"
#include "platform/platform.h"
#include "platform/regular_file.h"
#include "platform/sound_state.h"
#include "platform/wav_check.h"

#include <cstddef>
#include <string>

namespace {
// The game's sounds are a few seconds long; a larger file is not played.
constexpr std::size_t kMaxWavBytes = std::size_t{16} << 20;
}  // namespace

namespace core {

std::set<std::string> keptSounds;

std::string readWav(const std::string& path) {
    const std::string host = hostPath(path);
    std::string bytes;
    if (host.empty() || readRegularFile(host, kMaxWavBytes, Oversize::Refuse, bytes) != ReadResult::Read ||
        !makeWavSizesHonest(bytes))
        bytes.clear();
    return bytes;
}

}  // namespace core

void playSound(const std::string& path) {
    if (core::keptSounds.count(path)) {
        backend::playSound(path, nullptr);
        return;
    }
    const std::string wav = core::readWav(path);
    if (backend::playSound(path, &wav)) core::keptSounds.insert(path);
}
