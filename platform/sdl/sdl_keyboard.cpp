// sdl_keyboard.cpp — SDL key and text events into the shared key state and
// key buffer.
//
// Key state: every key with a set-1 code, by its physical position, so the
// German layout's Z and Y are where the programs expect them whatever layout
// the host has; the letter keys also by their label (SDL's key code), for
// shortcuts named after a letter. Key buffer: printable characters from SDL's text input (the
// user's own layout, accents and umlauts included) as code page 437; Enter,
// Backspace, Esc and Tab as their control characters; cursor, editing and
// function keys as extended keys.
#include "platform/backend.h"
#include "platform/sdl/cp437.h"
#include "platform/sdl/scancodes.h"
#include "platform/sdl/sdl_host.h"

#include <SDL.h>

namespace sdl {

void handleKey(const SDL_KeyboardEvent& key) {
    // The letter keys also by their label in the user's layout (the key code).
    const SDL_Keycode sym = key.keysym.sym;
    if (sym >= SDLK_a && sym <= SDLK_z) core::letterEvent(static_cast<char>('a' + (sym - SDLK_a)), key.state == SDL_PRESSED);
    const KeyMapping* mapping = findKeyMapping(key.keysym.scancode);
    if (!mapping) return;
    core::mappedKeyEvent(mapping->key, key.state == SDL_PRESSED, key.repeat != 0, (key.keysym.mod & KMOD_NUM) != 0);
}

void handleText(const char* utf8) {
    for (char c : utf8ToCp437(utf8)) {
        unsigned char byte = static_cast<unsigned char>(c);
        // Control characters come from their key events above.
        if (byte >= 0x20 && byte != 0x7F) core::typedChar(byte);
    }
}

}  // namespace sdl
