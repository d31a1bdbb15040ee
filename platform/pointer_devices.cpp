// pointer_devices.cpp — joystick, game pad, mouse and the window's focus;
// the mouse buttons and pad controls spent by spendHeldKeys are left out
// until they are let go.
//
// The mouse is decided here for every backend alike. The backends report
// button and wheel events and say where the pointer lies on the picture;
// the core keeps which buttons are held, latches a press so that a click
// shorter than a program's loop pass is still read once ("held, or pressed
// since the last read"), turns the picture position into a pixel and aims
// setMouse at a pixel's middle.
//
// All of these are polled in the programs' busy loops, so each read may also
// let the backend handle events (at most once per sixtieth of a second).
//
// Writes: core::pointerButtons, core::keyboard.spentPadControls.
#include "platform/backend.h"
#include "platform/keyboard_state.h"
#include "platform/platform.h"
#include "platform/pointer_state.h"
#include "platform/refresh.h"

#include <cmath>
#include <cstddef>
#include <iterator>
#include <utility>

namespace core {

PointerButtons pointerButtons;

void resetPointer() { pointerButtons = PointerButtons{}; }

void mouseButtonEvent(int button, bool down) {
    PointerButtons& b = pointerButtons;
    button &= kMouseLeft | kMouseRight | kMouseMiddle;
    if (down) {
        if (!(b.held & button)) b.clicked |= button;
        b.held |= button;
    } else {
        b.held &= ~button;
        b.spent &= ~button;
    }
}

void mouseWheelEvent(int steps) { pointerButtons.wheel += steps; }

}  // namespace core

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

MouseState readMouse() {
    core::refreshIfDue(backend::now());
    core::PointerButtons& b = core::pointerButtons;
    // A click is read once, whether or not the pointer is on the picture now.
    const int clicked = std::exchange(b.clicked, 0);
    const backend::PointerPosition at = backend::pointer();
    if (!at.available) return MouseState{};
    // The picture is scaled on the host by a factor that is rarely a whole
    // number (1.2 for 800 x 600 on 1280 x 720), and the host pixel that
    // starts picture pixel 400 may come back as 399.99997; the small nudge
    // keeps it in pixel 400. It is far below the width of a host pixel in
    // picture pixels, so it moves nothing else.
    constexpr double kNudge = 1e-3;
    const double x = std::floor(at.x + kNudge);
    const double y = std::floor(at.y + kNudge);
    if (!(x >= 0 && x < kScreenWidth && y >= 0 && y < kScreenHeight)) return MouseState{};
    MouseState mouse;
    mouse.x = static_cast<int>(x);
    mouse.y = static_cast<int>(y);
    mouse.wheel = b.wheel;
    // A spent button is left out until it has been let go.
    mouse.buttons = (b.held & ~b.spent) | clicked;
    return mouse;
}

// Aimed at the middle of the pixel, so that reading the pointer back gives
// (x, y) again whatever the host's scale.
void setMouse(int x, int y, bool visible) { backend::setMouse(x + 0.5, y + 0.5, visible); }
