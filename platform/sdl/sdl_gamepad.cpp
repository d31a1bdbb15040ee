// sdl_gamepad.cpp — the game pad, through SDL's game controller layer.
//
// A device SDL knows as a game controller (its built-in mapping database,
// or a mapping given in SDL_GAMECONTROLLERCONFIG) is read by the buttons'
// standard names, so the south button and Start are the same on every pad.
// Like the joystick, the subsystem is started on the first read, and the
// first pad found is opened when it appears and closed when it goes, so
// plugging one in or out while the program runs works. The raw joystick
// reading (sdl_input.cpp) is independent of this and reports the same
// device as joystick 0 as it always did.
#include "platform/backend.h"
#include "platform/sdl/sdl_host.h"

#include <SDL.h>

namespace sdl {

namespace {

// A stick counts as pushed past half its way, as the joystick's axes do.
constexpr int kStickHalf = 16384;

// The first attached device that is a game controller, opened; null if none.
SDL_GameController* openFirstGamePad() {
    const int count = SDL_NumJoysticks();
    for (int i = 0; i < count; ++i) {
        if (!SDL_IsGameController(i)) continue;
        if (SDL_GameController* device = SDL_GameControllerOpen(i)) return device;
    }
    return nullptr;
}

constexpr DeviceKind<SDL_GameController> kGameControllers = {SDL_INIT_GAMECONTROLLER, SDL_GameControllerUpdate,
                                                             SDL_GameControllerGetAttached, openFirstGamePad,
                                                             SDL_GameControllerClose};
// The game pad, private to this file.
PluggedDevice<SDL_GameController> pad;

bool held(SDL_GameControllerButton button) { return SDL_GameControllerGetButton(pad.device, button) != 0; }

}  // namespace

void closeGamePad() { pad.close(kGameControllers); }

}  // namespace sdl

namespace backend {

GamePadState gamePad() {
    SDL_GameController* const device = sdl::pad.current(sdl::kGameControllers);
    if (!device) return GamePadState{};

    const int stickX = SDL_GameControllerGetAxis(device, SDL_CONTROLLER_AXIS_LEFTX);
    const int stickY = SDL_GameControllerGetAxis(device, SDL_CONTROLLER_AXIS_LEFTY);
    GamePadState state;
    state.attached = true;
    state.up = sdl::held(SDL_CONTROLLER_BUTTON_DPAD_UP) || stickY < -sdl::kStickHalf;
    state.down = sdl::held(SDL_CONTROLLER_BUTTON_DPAD_DOWN) || stickY > sdl::kStickHalf;
    state.left = sdl::held(SDL_CONTROLLER_BUTTON_DPAD_LEFT) || stickX < -sdl::kStickHalf;
    state.right = sdl::held(SDL_CONTROLLER_BUTTON_DPAD_RIGHT) || stickX > sdl::kStickHalf;
    state.south = sdl::held(SDL_CONTROLLER_BUTTON_A);
    state.start = sdl::held(SDL_CONTROLLER_BUTTON_START);
    return state;
}

}  // namespace backend
