// sdl_input.cpp — joystick 0 and the mouse pointer.
//
// The joystick subsystem is started on the first read, not at start-up: the
// editor never reads one, and scanning for devices takes a moment. The device
// is opened when it appears and closed when it goes, so plugging it in or out
// while the program runs works.
//
// The pointer is reported in the 800 x 600 picture's own pixels, in a window
// as well as scaled to full screen with black bars; a pointer outside the
// window, or a window without focus, is unavailable (one on a bar lies off
// the picture, which the core reads as unavailable too). Its buttons and
// wheel reach the core as events (sdl_window.cpp).
//
// Writes: its own joystick state; the pointer's place on the host.
#include "platform/backend.h"
#include "platform/sdl/sdl_host.h"

#include <SDL.h>

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

PointerPosition pointer() {
    using sdl::host;
    if (!sdl::windowShowsPage()) return {};
    if (!(SDL_GetWindowFlags(host.window) & SDL_WINDOW_INPUT_FOCUS)) return {};
    if (SDL_GetMouseFocus() != host.window) return {};
    int windowX = 0;
    int windowY = 0;
    SDL_GetMouseState(&windowX, &windowY);
    float pictureX = 0;
    float pictureY = 0;
    sdl::windowToPicture(windowX, windowY, pictureX, pictureY);
    return {true, pictureX, pictureY};
}

void setMouse(double x, double y, bool visible) {
    using sdl::host;
    if (!sdl::windowShowsPage()) return;
    SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
    int windowX = 0;
    int windowY = 0;
    sdl::pictureToWindow(static_cast<float>(x), static_cast<float>(y), windowX, windowY);
    SDL_WarpMouseInWindow(host.window, windowX, windowY);
}

}  // namespace backend
