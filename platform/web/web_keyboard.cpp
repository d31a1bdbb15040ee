// web_keyboard.cpp — the browser's key events into the shared key state and
// key buffer, as the desktop backend hands them over.
//
// Key state: every key with a set-1 code, by its place on the keyboard
// (KeyboardEvent.code), so the German layout's Z and Y are where the
// programs expect them whatever layout the user has. Key buffer: the
// character a key types (KeyboardEvent.key, the user's own layout, umlauts
// included), handed to the core in UTF-8, which keeps it in code page 437;
// Enter, Backspace, Esc and Tab as their control
// characters; cursor, editing and function keys as extended keys. Letter
// labels: the letter a key types (KeyboardEvent.key), for the editor's Ctrl
// shortcuts.
//
// Writes: the shared key state and key buffer (through core::keyEvent and
// friends); web::host.pageActive (a key press).
#include "platform/backend.h"
#include "platform/scancodes.h"
#include "platform/web/key_codes.h"
#include "platform/web/web_host.h"

#include <cctype>
#include <cstring>
#include <string>

namespace web {

namespace {

// True when `text` is exactly one UTF-8 character: what the browser reports
// for a key that types, where other keys report a name ("ArrowUp", "Dead").
bool oneCharacter(const char* text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    if (lead == 0) return false;
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    return std::strlen(text) == length;
}

// Keys whose meaning to the page (scrolling, going back, reloading, the
// browser's help and search) would otherwise disturb the programs, by what
// platform/pc_keys.def says of them: every key that reaches the key buffer
// as an extended key (the function keys, the cursor and page keys, also on
// the keypad), Space, Backspace and Tab (which would move the
// focus). So a function key a program takes up
// is the program's without a list to keep. F11 and F12 stay the browser's
// (full screen, its developer tools): neither program reads them.
bool pageKey(const KeyMapping* mapping) {
    if (!mapping) return false;
    const core::KeyMeaning& key = mapping->key;
    if (std::strcmp(mapping->code, "F11") == 0 || std::strcmp(mapping->code, "F12") == 0) return false;
    return key.buffer == core::BufferEntry::Extended || key.buffer == core::BufferEntry::KeypadNav ||
           key.pc == scancode::Space || key.pc == scancode::Backspace || key.pc == scancode::Tab;
}

}  // namespace

bool handleKey(const EmscriptenKeyboardEvent& key, bool down) {
    const KeyMapping* mapping = findKeyMapping(key.code);
    const bool typed = oneCharacter(key.key);
    if (down) host.pageActive = true;  // a key reaches only a page in use
    if (mapping) core::mappedKeyEvent(mapping->key, down, key.repeat != 0, typed);
    // The letter on the key as the user's layout labels it, for the Ctrl
    // shortcuts; Ctrl with such a letter is the program's, not the page's.
    const bool letter = typed && std::isalpha(static_cast<unsigned char>(key.key[0])) != 0;
    if (letter) core::letterEvent(static_cast<char>(std::tolower(static_cast<unsigned char>(key.key[0]))), down);
    const bool shortcut = letter && key.ctrlKey && !key.altKey;
    // A character typed with Ctrl or the system key is a shortcut, not text;
    // Ctrl with Alt is AltGr on some systems and types.
    if (down && typed && !key.metaKey && (!key.ctrlKey || key.altKey)) core::typedText(key.key);
    return shortcut || pageKey(mapping);
}

}  // namespace web
