// The game pad through SDL's game controller layer, driven by SDL's virtual
// joystick: the buttons by their standard names, the stick and the D-pad,
// plugging in and out while the program runs, and the raw joystick reading
// beside it.
#include "platform/platform.h"

#include <SDL.h>
#include <gtest/gtest.h>

namespace {

// A pad SDL maps as a game controller, buttons and axes in the standard
// order, attached and opened for setting its controls.
class VirtualPad {
public:
    VirtualPad() {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        index_ = SDL_JoystickAttachVirtualEx(&desc);
        device_ = index_ >= 0 ? SDL_JoystickOpen(index_) : nullptr;
    }
    ~VirtualPad() {
        if (device_) SDL_JoystickClose(device_);
        if (index_ >= 0) SDL_JoystickDetachVirtual(index_);
    }
    VirtualPad(const VirtualPad&) = delete;
    VirtualPad& operator=(const VirtualPad&) = delete;
    bool ready() const { return device_ != nullptr; }
    void button(SDL_GameControllerButton b, bool down) { SDL_JoystickSetVirtualButton(device_, b, down ? 1 : 0); }
    void axis(SDL_GameControllerAxis a, Sint16 value) { SDL_JoystickSetVirtualAxis(device_, a, value); }

private:
    int index_ = -1;
    SDL_Joystick* device_ = nullptr;
};

TEST(SdlGamePad, ReadsTheStandardControlsAndFollowsPluggingInAndOut) {
    EXPECT_FALSE(readGamePad().attached) << "none plugged in";
    {
        VirtualPad pad;
        ASSERT_TRUE(pad.ready()) << SDL_GetError();
        GamePadState s = readGamePad();
        EXPECT_TRUE(s.attached);
        EXPECT_FALSE(s.up || s.down || s.left || s.right || s.south || s.start);

        pad.button(SDL_CONTROLLER_BUTTON_A, true);
        pad.button(SDL_CONTROLLER_BUTTON_DPAD_UP, true);
        pad.axis(SDL_CONTROLLER_AXIS_LEFTX, 30000);
        s = readGamePad();
        EXPECT_TRUE(s.south && s.up && s.right);
        EXPECT_FALSE(s.start || s.down || s.left);
        // The raw reading of the same device is the joystick's as before:
        // A is its first button, the stick its first axis.
        const JoystickState raw = readJoystick(0);
        EXPECT_EQ(raw.buttons & ~(1 << SDL_CONTROLLER_BUTTON_DPAD_UP), 1);
        EXPECT_GT(raw.x, 0.5);

        pad.button(SDL_CONTROLLER_BUTTON_A, false);
        pad.button(SDL_CONTROLLER_BUTTON_DPAD_UP, false);
        pad.button(SDL_CONTROLLER_BUTTON_START, true);
        pad.axis(SDL_CONTROLLER_AXIS_LEFTX, 0);
        pad.axis(SDL_CONTROLLER_AXIS_LEFTY, 30000);
        s = readGamePad();
        EXPECT_TRUE(s.start && s.down);
        EXPECT_FALSE(s.south || s.up || s.right);
    }
    EXPECT_FALSE(readGamePad().attached) << "unplugged";
    VirtualPad again;
    EXPECT_TRUE(readGamePad().attached) << "plugged in again";
}

}  // namespace
