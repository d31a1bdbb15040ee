// live_input.cpp — turns joystick, keyboard and mouse into at most one
// command per frame while the wizard is at rest in a live game.
//
// Writes: World::energy (E key), World::menuRequested (Esc); everything the
// commands write.
#include "game/rules/player.h"

#include "game/rules/contacts.h"
#include "game/world/game_constants.h"
#include "game/world/world.h"
#include "platform/platform.h"

namespace {

constexpr double kStickDeadZone = 0.5;
constexpr int kFirstButtonOnly = 1;
constexpr int kActionPauseMs = 50;  // after an action from joystick or keyboard

// Leaving the box around the pointer's centre gives a move.
constexpr int kPointerSlack = 20;

// One key and the command it issues, in the order they are tested.
struct KeyCommand {
    int scancode;
    void (*command)();
    bool pauseAfter;
};

// The menu is not the rules' to open: Esc asks the flow for it, which opens
// it once this input step is over.
void requestMenu() { world.menuRequested = 1; }

constexpr KeyCommand kKeyCommands[] = {
    {scancode::Right, moveRight, false},     {scancode::Left, moveLeft, false},
    {scancode::Up, moveUp, false},           {scancode::Down, moveDown, false},
    {scancode::Esc, requestMenu, false},     {scancode::Enter, actionCommand, true},
    {scancode::Space, actionCommand, true},
};

bool joystickStep() {
    const JoystickState s = readJoystick(0);
    // A failed read (no joystick 0) reports buttons -1 and axes -1000; it
    // issues nothing, so the keyboard works as without a joystick.
    if (s.buttons < 0) return false;
    if (s.x > kStickDeadZone) {
        moveRight();
    } else if (s.x < -kStickDeadZone) {
        moveLeft();
    } else if (s.y > kStickDeadZone) {
        moveDown();
    } else if (s.y < -kStickDeadZone) {
        moveUp();
    } else if (s.buttons == kFirstButtonOnly) {
        actionCommand();
        sleepMs(kActionPauseMs);
    } else {
        return false;
    }
    return true;
}

bool keyboardStep() {
    for (const KeyCommand& k : kKeyCommands) {
        if (!isKeyDown(k.scancode)) continue;
        k.command();
        if (k.pauseAfter) sleepMs(kActionPauseMs);
        return true;
    }
    return false;
}

void mouseStep() {
    const MouseState m = readMouse();
    // A failed read (pointer off the window, window inactive, no mouse)
    // reports -1 and issues nothing.
    if (m.x < 0 || m.y < 0 || m.buttons < 0) return;
    void (*command)() = nullptr;
    if (m.x > kPointerCentreX + kPointerSlack) {
        command = moveRight;
    } else if (m.x < kPointerCentreX - kPointerSlack) {
        command = moveLeft;
    } else if (m.y > kPointerCentreY + kPointerSlack) {
        command = moveDown;
    } else if (m.y < kPointerCentreY - kPointerSlack) {
        command = moveUp;
    } else if (m.buttons == kFirstButtonOnly) {
        command = actionCommand;
    } else {
        return;
    }
    setMouse(kPointerCentreX, kPointerCentreY, false);
    command();
}

}  // namespace

void liveInputStep() {
    // Commands come from the held state of keys, never from the buffer.
    flushKeys();
    if (world.joystickOn == 1 && joystickStep()) return;
    if (keyboardStep()) return;
    if (isKeyDown(scancode::E)) {
        world.energy = kFullEnergy;
        showEnergy();
    }
    mouseStep();
}
