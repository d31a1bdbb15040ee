// The game pad through SDL's game controller layer, driven by SDL's virtual
// joystick: the buttons by their standard names, the stick and the D-pad,
// plugging in and out while the program runs, and the raw joystick reading
// of the same device beside it.
#include "platform/platform.h"

#include <SDL.h>
#include <gtest/gtest.h>

namespace {

// Plugs in a pad SDL maps as a game controller (buttons and axes in the
// standard order); its index.
int plugInPad() {
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    return SDL_JoystickAttachVirtualEx(&desc);
}

TEST(SdlGamePad, ReadsTheStandardControlsAndFollowsPluggingInAndOut) {
    EXPECT_FALSE(readGamePad().attached) << "none plugged in";
    const int index = plugInPad();
    SDL_Joystick* pad = SDL_JoystickOpen(index);
    ASSERT_NE(pad, nullptr) << SDL_GetError();
    GamePadState s = readGamePad();
    EXPECT_TRUE(s.attached);
    EXPECT_FALSE(s.up || s.down || s.left || s.right || s.south || s.start);

    SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_A, 1);
    SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTX, 30000);
    s = readGamePad();
    EXPECT_TRUE(s.south && s.right);
    EXPECT_FALSE(s.start || s.up || s.down || s.left);
    // The raw reading is the joystick's as before: A its first button, the
    // stick its first axis.
    EXPECT_EQ(readJoystick(0).buttons, 1);
    EXPECT_GT(readJoystick(0).x, 0.5);

    SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_A, 0);
    SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTX, 0);
    SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_START, 1);
    SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_DPAD_UP, 1);
    s = readGamePad();
    EXPECT_TRUE(s.start && s.up);
    EXPECT_FALSE(s.south || s.right);

    SDL_JoystickClose(pad);
    SDL_JoystickDetachVirtual(index);
    EXPECT_FALSE(readGamePad().attached) << "unplugged";
    const int again = plugInPad();
    EXPECT_TRUE(readGamePad().attached) << "plugged in again";
    SDL_JoystickDetachVirtual(again);
}

}  // namespace
