// pointer_devices.cpp — joystick, game pad, mouse and the window's focus,
// passed through to the backend.
//
// Both are polled in the programs' busy loops, so each read may also let the
// backend handle events (at most once per sixtieth of a second).
#include "platform/backend.h"
#include "platform/keyboard_state.h"
#include "platform/platform.h"
#include "platform/refresh.h"

// Only joystick 0 exists; any other number reads as "no joystick" (buttons
// -1, axes -1000).
JoystickState readJoystick(int id) {
    core::refreshIfDue(backend::now());
    if (id != 0) return JoystickState{};
    return backend::joystick(0);
}

GamePadState readGamePad() {
    core::refreshIfDue(backend::now());
    return backend::gamePad();
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
