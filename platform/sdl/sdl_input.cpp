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

SDL_Joystick* openJoystickZero() { return SDL_NumJoysticks() > 0 ? SDL_JoystickOpen(0) : nullptr; }

constexpr DeviceKind<SDL_Joystick> kJoysticks = {SDL_INIT_JOYSTICK, SDL_JoystickUpdate, SDL_JoystickGetAttached,
                                                 openJoystickZero, SDL_JoystickClose};
// Joystick 0, private to this file.
PluggedDevice<SDL_Joystick> stick;

// A raw axis position in SDL's range -32768..32767 as -1..1:
// (p - min) * 2 / (max - min + 1) - 1.
double axisValue(Sint16 raw) {
    constexpr double kMin = -32768.0;
    constexpr double kMax = 32767.0;
    return (static_cast<double>(raw) - kMin) * 2.0 / (kMax - kMin + 1.0) - 1.0;
}

}  // namespace

void closeJoystick() { stick.close(kJoysticks); }

}  // namespace sdl

namespace backend {

JoystickState joystick(int id) {
    JoystickState none;  // buttons -1, axes -1000
    SDL_Joystick* const device = id == 0 ? sdl::stick.current(sdl::kJoysticks) : nullptr;
    if (!device) return none;

    JoystickState state;
    state.buttons = 0;
    int buttons = SDL_JoystickNumButtons(device);
    for (int b = 0; b < buttons && b < 31; ++b) {
        if (SDL_JoystickGetButton(device, b)) state.buttons |= 1 << b;
    }
    // A device without an axis reads as centred on it.
    int axes = SDL_JoystickNumAxes(device);
    state.x = axes > 0 ? sdl::axisValue(SDL_JoystickGetAxis(device, 0)) : 0.0;
    state.y = axes > 1 ? sdl::axisValue(SDL_JoystickGetAxis(device, 1)) : 0.0;
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
