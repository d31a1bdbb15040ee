// sdl_input.cpp — joystick 0 and the mouse pointer.
//
// The joystick subsystem is started on the first read, not at start-up: the
// editor never reads one, and scanning for devices takes a moment. The device
// is opened when it appears and closed when it goes, so plugging it in or out
// while the program runs works.
//
// The mouse is read in the 800 x 600 picture's own pixels, in a window as well
// as scaled to full screen with black bars; a pointer on a bar or outside the
// window, or a window without focus, reads as unavailable.
#include "platform/backend.h"
#include "platform/sdl/sdl_host.h"

#include <SDL.h>

#include <cmath>

namespace sdl {

namespace {

// Joystick 0, private to this file; touched from the program's thread only.
struct Joystick {
    bool ready = false;   // SDL_INIT_JOYSTICK done
    bool failed = false;  // it failed once; no joystick for this run
    SDL_Joystick* device = nullptr;
};
Joystick stick;

bool ensureJoystickSubsystem() {
    if (stick.ready) return true;
    if (stick.failed) return false;
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) {
        stick.failed = true;
        return false;
    }
    stick.ready = true;
    return true;
}

// A raw axis position in SDL's range -32768..32767 as -1..1:
// (p - min) * 2 / (max - min + 1) - 1.
double axisValue(Sint16 raw) {
    constexpr double kMin = -32768.0;
    constexpr double kMax = 32767.0;
    return (static_cast<double>(raw) - kMin) * 2.0 / (kMax - kMin + 1.0) - 1.0;
}

}  // namespace

void closeJoystick() {
    if (stick.device) SDL_JoystickClose(stick.device);
    stick.device = nullptr;
}

}  // namespace sdl

namespace backend {

JoystickState joystick(int id) {
    using sdl::stick;
    JoystickState none;  // buttons -1, axes -1000
    if (id != 0 || !sdl::ensureJoystickSubsystem()) return none;
    SDL_JoystickUpdate();  // also notices devices plugged in or out
    if (stick.device && !SDL_JoystickGetAttached(stick.device)) sdl::closeJoystick();
    if (!stick.device && SDL_NumJoysticks() > 0) stick.device = SDL_JoystickOpen(0);
    if (!stick.device) return none;

    JoystickState state;
    state.buttons = 0;
    int buttons = SDL_JoystickNumButtons(stick.device);
    for (int b = 0; b < buttons && b < 31; ++b) {
        if (SDL_JoystickGetButton(stick.device, b)) state.buttons |= 1 << b;
    }
    // A device without an axis reads as centred on it.
    int axes = SDL_JoystickNumAxes(stick.device);
    state.x = axes > 0 ? sdl::axisValue(SDL_JoystickGetAxis(stick.device, 0)) : 0.0;
    state.y = axes > 1 ? sdl::axisValue(SDL_JoystickGetAxis(stick.device, 1)) : 0.0;
    return state;
}

MouseState mouse() {
    using sdl::host;
    MouseState none;  // every field -1
    // A click between two reads shows as held in the next one.
    const int clicked = host.clickedButtons;
    host.clickedButtons = 0;
    if (!sdl::windowShowsPage()) return none;
    if (!(SDL_GetWindowFlags(host.window) & SDL_WINDOW_INPUT_FOCUS)) return none;
    if (SDL_GetMouseFocus() != host.window) return none;
    int windowX = 0;
    int windowY = 0;
    Uint32 pressed = SDL_GetMouseState(&windowX, &windowY);
    float logicalX = 0;
    float logicalY = 0;
    sdl::windowToPicture(windowX, windowY, logicalX, logicalY);
    // The scale is rarely a whole number (1.2 for 800 x 600 on 1280 x 720),
    // and the window pixel that starts picture pixel 400 may come back as
    // 399.99997; the small nudge keeps it in pixel 400. It is far below the
    // width of a window pixel in picture pixels, so it moves nothing else.
    constexpr float kNudge = 1e-3f;
    int x = static_cast<int>(std::floor(logicalX + kNudge));
    int y = static_cast<int>(std::floor(logicalY + kNudge));
    if (x < 0 || x >= kScreenWidth || y < 0 || y >= kScreenHeight) return none;

    MouseState state;
    state.x = x;
    state.y = y;
    state.wheel = host.wheel;
    state.buttons = ((pressed & SDL_BUTTON_LMASK) ? 1 : 0) | ((pressed & SDL_BUTTON_RMASK) ? 2 : 0) |
                    ((pressed & SDL_BUTTON_MMASK) ? 4 : 0) | clicked;
    return state;
}

void setMouse(int x, int y, bool visible) {
    using sdl::host;
    if (!sdl::windowShowsPage()) return;
    SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
    // Aim at the middle of the picture's pixel so that reading the pointer
    // back gives (x, y) again, whatever the scale.
    int windowX = 0;
    int windowY = 0;
    sdl::pictureToWindow(static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f, windowX, windowY);
    SDL_WarpMouseInWindow(host.window, windowX, windowY);
}

}  // namespace backend
