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
//
// SDL_mixer itself is loaded with the first sound too, not linked into the
// program: it brings some twenty libraries for music formats the game never
// plays, and loading them at start-up took a third of the game's start-up
// time and about 3 MB of its memory. Without the library the game is silent,
// as without a device.
#include "platform/backend.h"
#include "platform/regular_file.h"
#include "platform/sdl/sdl_host.h"
#include "platform/wav_check.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <dlfcn.h>

#include <algorithm>
#include <string>
#include <unordered_map>

namespace sdl {

namespace {

// The one file name the library goes by on Linux.
constexpr const char* kMixerLibrary = "libSDL2_mixer-2.0.so.0";

// The SDL_mixer functions used here, from the library loaded at the first sound.
struct MixerLibrary {
    decltype(&Mix_OpenAudio) openAudio = nullptr;
    decltype(&Mix_AllocateChannels) allocateChannels = nullptr;
    decltype(&Mix_LoadWAV_RW) loadWav = nullptr;
    decltype(&Mix_PlayChannel) playChannel = nullptr;
    decltype(&Mix_HaltChannel) haltChannel = nullptr;
    decltype(&Mix_FreeChunk) freeChunk = nullptr;
    decltype(&Mix_CloseAudio) closeAudio = nullptr;
};
MixerLibrary mix;

template <typename Function>
bool find(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

// Loads SDL_mixer (once a program has it loaded, the same copy) and finds
// its functions; false when the library or any function is missing. The
// library stays loaded to the end of the program.
bool loadMixer() {
    void* library = dlopen(kMixerLibrary, RTLD_NOW | RTLD_LOCAL);
    if (!library) return false;
    return find(library, "Mix_OpenAudio", mix.openAudio) &&
           find(library, "Mix_AllocateChannels", mix.allocateChannels) &&
           find(library, "Mix_LoadWAV_RW", mix.loadWav) && find(library, "Mix_PlayChannel", mix.playChannel) &&
           find(library, "Mix_HaltChannel", mix.haltChannel) && find(library, "Mix_FreeChunk", mix.freeChunk) &&
           find(library, "Mix_CloseAudio", mix.closeAudio);
}

// The mixer converts every sound to the format it was opened with when the
// sound is loaded. The game's sounds are 22,050 Hz mono 16-bit, so opening
// it in that format keeps a loaded sound as large as its file (at 44.1 kHz
// stereo the title music alone would take 3 MB instead of 0.7 MB); SDL
// adapts the mixed stream to the device in small pieces.
constexpr int kRate = 22050;
constexpr int kChannels = 1;
constexpr int kBufferFrames = 512;  // about 23 ms, as 1024 frames at 44.1 kHz
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
    if (!loadMixer() || SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        sound.failed = true;
        return false;
    }
    if (mix.openAudio(kRate, MIX_DEFAULT_FORMAT, kChannels, kBufferFrames) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        sound.failed = true;
        return false;
    }
    mix.allocateChannels(1);
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
    Mix_Chunk* chunk = stream ? mix.loadWav(stream, 1) : nullptr;
    // Only sounds that loaded are kept: a file that appears later still plays.
    if (chunk) sound.chunks.emplace(path, chunk);
    return chunk;
}

}  // namespace

void closeAudio() {
    if (!sound.open) return;
    mix.haltChannel(-1);
    for (auto& entry : sound.chunks) mix.freeChunk(entry.second);
    sound.chunks.clear();
    mix.closeAudio();
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
    sdl::mix.haltChannel(sdl::kSoundChannel);
    if (chunk) sdl::mix.playChannel(sdl::kSoundChannel, chunk, 0);
}

}  // namespace backend
