// keyboard_state.h — key state, key buffer and key-pressed mark (internal).
#pragma once

#include "platform/platform.h"

#include <cstdint>

namespace core {

constexpr int kScancodes = 128;    // set-1 scancodes 1..127; slot 0 unused
constexpr int kKeyRingSlots = 16;  // the ring holds at most 15 keystrokes

struct Keyboard {
    bool held[kScancodes] = {};
    bool latched[kScancodes] = {};      // went down since keyPressed last asked (or spendHeldKeys)
    bool spent[kScancodes] = {};        // held through spendHeldKeys: reads as up until released
    double pressedAt[kScancodes] = {};  // clock when keyPressed took the latch: the repeat counts from there
    int spentPadControls = 0;  // game pad buttons and directions held through spendHeldKeys (padControls), until released
    // A keystroke: a code page 437 character, or 0x100 | code for an extended key.
    std::uint16_t ring[kKeyRingSlots] = {};
    int head = 0;                 // next keystroke to take
    int tail = 0;                 // next free slot; head == tail: empty
    bool pressedMark = false;     // a key went down since the last takeKey / check
    bool closeRequested = false;  // the window's close request came since takeCloseRequest
    bool letterHeld[26] = {};     // the keys labelled a..z in the user's layout, true while held
};

// Defined in keyboard.cpp.
extern Keyboard keyboard;

// The game pad's buttons and directions held in `pad`, one bit each
// (pointer_devices.cpp).
int padControls(const GamePadState& pad);

// Reads and clears the key-pressed mark.
bool takePressedMark();
// No key held, empty buffer, mark cleared.
void resetKeyboard();

}  // namespace core
