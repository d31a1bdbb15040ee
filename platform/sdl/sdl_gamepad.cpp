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

// The game pad, private to this file; touched from the program's thread only.
struct GamePad {
    bool ready = false;   // SDL_INIT_GAMECONTROLLER done
    bool failed = false;  // it failed once; no game pad for this run
    SDL_GameController* device = nullptr;
};
GamePad pad;

// A stick counts as pushed past half its way, as the joystick's axes do.
constexpr int kStickHalf = 16384;

bool ensureGameControllerSubsystem() {
    if (pad.ready) return true;
    if (pad.failed) return false;
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
        pad.failed = true;
        return false;
    }
    pad.ready = true;
    return true;
}

// The first attached device that is a game controller, opened; null if none.
SDL_GameController* openFirstGamePad() {
    const int count = SDL_NumJoysticks();
    for (int i = 0; i < count; ++i) {
        if (!SDL_IsGameController(i)) continue;
        if (SDL_GameController* device = SDL_GameControllerOpen(i)) return device;
    }
    return nullptr;
}

bool held(SDL_GameControllerButton button) { return SDL_GameControllerGetButton(pad.device, button) != 0; }

}  // namespace

void closeGamePad() {
    if (pad.device) SDL_GameControllerClose(pad.device);
    pad.device = nullptr;
}

}  // namespace sdl

namespace backend {

GamePadState gamePad() {
    using sdl::pad;
    if (!sdl::ensureGameControllerSubsystem()) return GamePadState{};
    SDL_GameControllerUpdate();  // also notices devices plugged in or out
    if (pad.device && !SDL_GameControllerGetAttached(pad.device)) sdl::closeGamePad();
    if (!pad.device) pad.device = sdl::openFirstGamePad();
    if (!pad.device) return GamePadState{};

    const int stickX = SDL_GameControllerGetAxis(pad.device, SDL_CONTROLLER_AXIS_LEFTX);
    const int stickY = SDL_GameControllerGetAxis(pad.device, SDL_CONTROLLER_AXIS_LEFTY);
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
