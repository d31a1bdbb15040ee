// keyboard.cpp — key state, key buffer and the key-pressed mark; the
// latched presses and the spent keys, mouse buttons and game pad controls.
//
// The backend reports events through the core:: callbacks; the programs read
// the state through isKeyDown and takeKey. The buffer is a ring of 16 slots
// holding at most 15 keystrokes; when it is full the oldest is dropped, so a
// program that never empties it still sees the latest keys.
//
// A key-down that is not an auto-repeat also latches the key, so a command
// loop that polls every 80 ms still sees a tap of 40 ms (keyPressed). A key
// spent by spendHeldKeys reads as up until its key-up event.
//
// Typed text comes from every backend in UTF-8 and is turned into code page
// 437 here, once for all of them.
//
// Writes: core::keyboard; core::pointerButtons (releaseAllKeys,
// spendHeldKeys).
#include "platform/backend.h"
#include "platform/cp437_unicode.h"
#include "platform/keyboard_state.h"
#include "platform/platform.h"
#include "platform/pointer_state.h"
#include "platform/refresh.h"

#include <string>

namespace core {

namespace {
constexpr std::uint16_t kExtendedFlag = 0x100;

void pushKeystroke(std::uint16_t keystroke) {
    keyboard.ring[keyboard.tail] = keystroke;
    keyboard.tail = (keyboard.tail + 1) % kKeyRingSlots;
    if (keyboard.tail == keyboard.head) keyboard.head = (keyboard.head + 1) % kKeyRingSlots;
}
}  // namespace

Keyboard keyboard;

// Every key-down, auto-repeats included, sets the mark, even for a scancode
// outside 1..127, which is otherwise ignored.
void keyEvent(int scancode, bool down, bool repeat) {
    if (down) keyboard.pressedMark = true;
    if (scancode < 1 || scancode >= kScancodes) return;
    if (down && !repeat && !keyboard.held[scancode]) keyboard.latched[scancode] = true;
    if (!down) keyboard.spent[scancode] = false;
    keyboard.held[scancode] = down;
}

// A keystroke put into the buffer also counts as a key press, so that a
// close request (which has no key-down event) cuts a long sleepMs short.
void typedChar(unsigned char cp437) {
    pushKeystroke(cp437);
    keyboard.pressedMark = true;
}

void typedText(const std::string& utf8) {
    for (const char c : utf8ToCp437(utf8)) {
        const auto byte = static_cast<unsigned char>(c);
        // Control characters come from their key events instead.
        if (byte >= 0x20 && byte != 0x7F) typedChar(byte);
    }
}

void extendedKey(unsigned char code) {
    pushKeystroke(kExtendedFlag | code);
    keyboard.pressedMark = true;
    if (code == kCloseRequestKey) keyboard.closeRequested = true;
}

void letterEvent(char letter, bool down) {
    if (letter >= 'a' && letter <= 'z') keyboard.letterHeld[letter - 'a'] = down;
}

void releaseAllKeys() {
    for (bool& held : keyboard.held) held = false;
    for (bool& spent : keyboard.spent) spent = false;
    for (bool& held : keyboard.letterHeld) held = false;
    pointerButtons.held = 0;
    pointerButtons.spent = 0;
}

bool takePressedMark() {
    const bool was = keyboard.pressedMark;
    keyboard.pressedMark = false;
    return was;
}

void resetKeyboard() { keyboard = Keyboard{}; }

}  // namespace core

bool isKeyDown(int scancode) {
    core::refreshIfDue(backend::now());
    return scancode >= 1 && scancode < core::kScancodes && core::keyboard.held[scancode] &&
           !core::keyboard.spent[scancode];
}

bool keyPressed(int scancode) {
    const double now = backend::now();
    core::refreshIfDue(now);
    if (scancode < 1 || scancode >= core::kScancodes) return false;
    core::Keyboard& k = core::keyboard;
    if (k.latched[scancode]) {
        k.latched[scancode] = false;
        k.pressedAt[scancode] = now;
        return true;
    }
    return k.held[scancode] && !k.spent[scancode] && now - k.pressedAt[scancode] >= kKeyRepeatDelay;
}

void spendHeldKeys() {
    core::refreshIfDue(backend::now());
    core::Keyboard& k = core::keyboard;
    for (int code = 1; code < core::kScancodes; ++code) {
        k.latched[code] = false;
        if (k.held[code]) k.spent[code] = true;
    }
    core::PointerButtons& b = core::pointerButtons;
    b.spent = b.held;
    b.clicked = 0;
    k.spentPadControls = core::padControls(backend::gamePad());
}

bool isLetterKeyDown(char letter) {
    core::refreshIfDue(backend::now());
    if (letter >= 'A' && letter <= 'Z') letter = static_cast<char>(letter - 'A' + 'a');
    return letter >= 'a' && letter <= 'z' && core::keyboard.letterHeld[letter - 'a'];
}

std::string takeKey() {
    core::refreshIfDue(backend::now());
    core::Keyboard& k = core::keyboard;
    k.pressedMark = false;
    if (k.head == k.tail) return {};
    const std::uint16_t keystroke = k.ring[k.head];
    k.head = (k.head + 1) % core::kKeyRingSlots;
    if (keystroke & core::kExtendedFlag) return {'\xFF', static_cast<char>(keystroke & 0xFF)};
    return std::string(1, static_cast<char>(keystroke));
}

void flushKeys() {
    while (!takeKey().empty()) {
    }
}

bool takeCloseRequest() {
    core::refreshIfDue(backend::now());
    const bool was = core::keyboard.closeRequested;
    core::keyboard.closeRequested = false;
    return was;
}
