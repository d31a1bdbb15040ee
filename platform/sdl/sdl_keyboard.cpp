// sdl_keyboard.cpp — SDL key and text events into the shared key state and
// key buffer.
//
// Key state: every key with a set-1 code, by its physical position, so the
// German layout's Z and Y are where the programs expect them whatever layout
// the host has; the letter keys also by their label (SDL's key code), for
// shortcuts named after a letter. Key buffer: SDL's text input (the user's
// own layout, accents and umlauts included), handed to the core in UTF-8,
// which keeps it in code page 437; Enter, Backspace, Esc and Tab as their
// control characters; cursor, editing and function keys as extended keys.
//
// Writes: the core's key state and key buffer, through its calls.
#include "platform/backend.h"
#include "platform/sdl/scancodes.h"
#include "platform/sdl/sdl_host.h"

#include <SDL.h>

namespace sdl {

void handleKey(const SDL_KeyboardEvent& key) {
    // The letter keys also by their label in the user's layout (the key code).
    const SDL_Keycode sym = key.keysym.sym;
    if (sym >= SDLK_a && sym <= SDLK_z)
        core::letterEvent(static_cast<char>('a' + (sym - SDLK_a)), key.state == SDL_PRESSED);
    const KeyMapping* mapping = findKeyMapping(key.keysym.scancode);
    if (!mapping) return;
    core::mappedKeyEvent(mapping->key, key.state == SDL_PRESSED, key.repeat != 0, (key.keysym.mod & KMOD_NUM) != 0);
}

void handleText(const char* utf8) { core::typedText(utf8); }

}  // namespace sdl
