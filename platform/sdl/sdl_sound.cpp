// sdl_sound.cpp — WAV playback through SDL_mixer, one sound at a time.
//
// The audio device is opened on the first sound, so the editor, which plays
// none, never opens it. If it cannot be opened (no device, no sound server)
// the program runs on in silence and no later sound tries again. The core
// reads each file and hands over its bytes (platform/sound.cpp); the sounds
// decoded from them are kept by name, so the game's few short sounds are
// read from disk only the first time. SDL_mixer converts every common WAV (8
// or 16 bits, mono or stereo, any usual rate) to the device's format and
// plays it on its own audio thread, so playSound returns at once.
//
// SDL_mixer itself is loaded with the first sound too, not linked into the
// program: it brings some twenty libraries for music formats the game never
// plays, and loading them at start-up took a third of the game's start-up
// time and about 3 MB of its memory. Without the library the game is silent,
// as without a device.
//
// Writes: its own sound state (the device, the decoded sounds).
#include "platform/backend.h"
#include "platform/sdl/sdl_host.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <dlfcn.h>

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
           find(library, "Mix_AllocateChannels", mix.allocateChannels) && find(library, "Mix_LoadWAV_RW", mix.loadWav) &&
           find(library, "Mix_PlayChannel", mix.playChannel) && find(library, "Mix_HaltChannel", mix.haltChannel) &&
           find(library, "Mix_FreeChunk", mix.freeChunk) && find(library, "Mix_CloseAudio", mix.closeAudio);
}

// The mixer converts every sound to the format it was opened with when the
// sound is loaded. The game's sounds are 22,050 Hz mono 16-bit, so opening
// it in that format keeps a loaded sound as large as its file (at 44.1 kHz
// stereo the title music alone would take 3 MB instead of 0.7 MB); SDL
// adapts the mixed stream to the device in small pieces.
constexpr int kRate = 22050;
constexpr int kChannels = 1;
constexpr int kBufferFrames = 512;  // about 23 ms, as 1024 frames at 44.1 kHz
constexpr int kSoundChannel = 0;    // the one mixer channel every sound plays on

// Sound state, private to this file; touched from the program's thread only.
struct Sound {
    bool open = false;                                   // the device is open
    bool failed = false;                                 // opening failed once; silent from then on
    std::unordered_map<std::string, Mix_Chunk*> chunks;  // decoded sounds by name
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

// Decodes a checked WAV file; nullptr when SDL_mixer cannot.
Mix_Chunk* decode(const std::string& wav) {
    if (wav.empty()) return nullptr;
    SDL_RWops* stream = SDL_RWFromConstMem(wav.data(), static_cast<int>(wav.size()));
    return stream ? mix.loadWav(stream, 1) : nullptr;
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

bool playSound(const std::string& name, const std::string* wav) {
    // Without a device there is nothing to play and nothing to hand over.
    if (!sdl::ensureAudio()) return true;
    sdl::mix.haltChannel(sdl::kSoundChannel);
    Mix_Chunk* chunk = nullptr;
    if (!wav) {
        const auto kept = sdl::sound.chunks.find(name);
        if (kept != sdl::sound.chunks.end()) chunk = kept->second;
    } else if ((chunk = sdl::decode(*wav))) {
        // Only sounds that decoded are kept: a file that appears later still plays.
        sdl::sound.chunks.emplace(name, chunk);
    }
    if (chunk) sdl::mix.playChannel(sdl::kSoundChannel, chunk, 0);
    return chunk != nullptr;
}

}  // namespace backend
