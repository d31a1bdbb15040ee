// pointer_devices.cpp — joystick, game pad, mouse and the window's focus,
// passed through to the backend, without the mouse buttons and pad controls
// spent by spendHeldKeys.
//
// Both are polled in the programs' busy loops, so each read may also let the
// backend handle events (at most once per sixtieth of a second).
#include "platform/backend.h"
#include "platform/keyboard_state.h"
#include "platform/platform.h"
#include "platform/refresh.h"

#include <cstddef>
#include <iterator>

// Only joystick 0 exists; any other number reads as "no joystick" (buttons
// -1, axes -1000).
JoystickState readJoystick(int id) {
    core::refreshIfDue(backend::now());
    if (id != 0) return JoystickState{};
    return backend::joystick(0);
}

namespace {

// The game pad's controls, one bit each in the order of this table.
constexpr bool GamePadState::*kPadControls[] = {&GamePadState::up,    &GamePadState::down,  &GamePadState::left,
                                                &GamePadState::right, &GamePadState::south, &GamePadState::start};

}  // namespace

int core::padControls(const GamePadState& pad) {
    int mask = 0;
    for (std::size_t bit = 0; bit < std::size(kPadControls); ++bit) {
        if (pad.*kPadControls[bit]) mask |= 1 << bit;
    }
    return mask;
}

// A control spent by spendHeldKeys (the A that chose a menu line, the Start
// that opened the menu) is left out until a read sees it let go, as the
// keys and mouse buttons are.
GamePadState readGamePad() {
    core::refreshIfDue(backend::now());
    GamePadState pad = backend::gamePad();
    int& spent = core::keyboard.spentPadControls;
    spent &= core::padControls(pad);
    for (std::size_t bit = 0; bit < std::size(kPadControls); ++bit) {
        if (spent & (1 << bit)) pad.*kPadControls[bit] = false;
    }
    return pad;
}

bool windowActive() {
    core::refreshIfDue(backend::now());
    return backend::windowActive();
}

// A button spent by spendHeldKeys is left out until a read sees it let go.
MouseState readMouse() {
    core::refreshIfDue(backend::now());
    MouseState mouse = backend::mouse();
    int& spent = core::keyboard.spentButtons;
    if (mouse.buttons < 0) return mouse;
    spent &= mouse.buttons;
    mouse.buttons &= ~spent;
    return mouse;
}

void setMouse(int x, int y, bool visible) { backend::setMouse(x, y, visible); }
