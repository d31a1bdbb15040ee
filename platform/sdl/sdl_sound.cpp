// sdl_sound.cpp — WAV playback through SDL_mixer, one sound at a time.
//
// The audio device is opened on the first sound, so the editor, which plays
// none, never opens it. If it cannot be opened (no device, no sound server)
// the program runs on in silence and no later sound tries again. Sounds are
// loaded once and kept by path, so the game's few short sounds are read from
// disk only the first time; a file that is missing or not a WAV is silent.
// SDL_mixer converts every common WAV (8 or 16 bits, mono or stereo, any
// usual rate) to the device's format and plays it on its own audio thread,
// so playSound returns at once.
#include "platform/backend.h"
#include "platform/regular_file.h"
#include "platform/sdl/sdl_host.h"
#include "platform/wav_check.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <string>
#include <unordered_map>

namespace sdl {

namespace {

constexpr int kRate = 44100;
constexpr int kChannels = 2;      // stereo output
constexpr int kBufferFrames = 1024;
constexpr int kSoundChannel = 0;  // the one mixer channel every sound plays on
// The game's sounds are a few seconds long; a larger file is not played.
constexpr std::size_t kMaxWavBytes = std::size_t{16} << 20;

// Sound state, private to this file; touched from the program's thread only.
struct Sound {
    bool open = false;    // the device is open
    bool failed = false;  // opening failed once; silent from then on
    std::unordered_map<std::string, Mix_Chunk*> chunks;  // loaded sounds by host path
};
Sound sound;

bool ensureAudio() {
    if (sound.open) return true;
    if (sound.failed) return false;
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        sound.failed = true;
        return false;
    }
    if (Mix_OpenAudio(kRate, MIX_DEFAULT_FORMAT, kChannels, kBufferFrames) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        sound.failed = true;
        return false;
    }
    Mix_AllocateChannels(1);
    sound.open = true;
    return true;
}

Mix_Chunk* chunkFor(const std::string& path) {
    auto found = sound.chunks.find(path);
    if (found != sound.chunks.end()) return found->second;
    // Read and checked here, never handed to the decoder by name: a special
    // file in its place must not block, and claimed sizes must not exceed
    // the file (wav_check.h).
    std::string bytes;
    if (core::readRegularFile(path, kMaxWavBytes, core::Oversize::Refuse, bytes) != core::ReadResult::Read ||
        !core::makeWavSizesHonest(bytes))
        return nullptr;
    SDL_RWops* stream = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    Mix_Chunk* chunk = stream ? Mix_LoadWAV_RW(stream, 1) : nullptr;
    // Only sounds that loaded are kept: a file that appears later still plays.
    if (chunk) sound.chunks.emplace(path, chunk);
    return chunk;
}

}  // namespace

void closeAudio() {
    if (!sound.open) return;
    Mix_HaltChannel(-1);
    for (auto& entry : sound.chunks) Mix_FreeChunk(entry.second);
    sound.chunks.clear();
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    sound.open = false;
}

}  // namespace sdl

namespace backend {

void playSound(const std::string& path) {
    if (!sdl::ensureAudio()) return;
    std::string hostPath = path;
    std::replace(hostPath.begin(), hostPath.end(), '\\', '/');
    Mix_Chunk* chunk = sdl::chunkFor(hostPath);
    Mix_HaltChannel(sdl::kSoundChannel);
    if (chunk) Mix_PlayChannel(sdl::kSoundChannel, chunk, 0);
}

}  // namespace backend
