// live_input.cpp — turns joystick, game pad, keyboard and mouse into at most
// one command per frame while the wizard is at rest in a live game. The
// keys, their order and what each does come from the game's command table
// (game/world/command_table.cpp).
//
// Writes: World::energy (E key), World::menuRequested (Esc); everything the
// commands write.
#include "game/rules/player.h"

#include "game/rules/contacts.h"
#include "game/world/command_table.h"
#include "game/world/game_constants.h"
#include "game/world/world.h"
#include "platform/platform.h"

namespace {

constexpr double kStickDeadZone = 0.5;
constexpr int kFirstButtonOnly = 1;
constexpr int kActionPauseMs = 50;  // after an action from joystick or keyboard

// Leaving the box around the pointer's centre gives a move.
constexpr int kPointerSlack = 20;

// The menu is not the rules' to open: Esc asks the flow for it, which opens
// it once this input step is over.
void requestMenu() { world.menuRequested = 1; }

// A command as issued by live input: the move, or the action by its rule.
void issue(Command command) {
    switch (command) {
        case Command::Up: moveUp(); break;
        case Command::Right: moveRight(); break;
        case Command::Down: moveDown(); break;
        case Command::Left: moveLeft(); break;
        case Command::Action: actionCommand(); break;
        case Command::None: break;
    }
}

// The joystick's command, or None when it rests (or is missing) and the
// keyboard may act.
Command joystickCommand() {
    const JoystickState s = readJoystick(0);
    // A failed read (no joystick 0) reports buttons -1 and axes -1000; it
    // issues nothing, so the keyboard works as without a joystick.
    if (s.buttons < 0) return Command::None;
    if (s.x > kStickDeadZone) return Command::Right;
    if (s.x < -kStickDeadZone) return Command::Left;
    if (s.y > kStickDeadZone) return Command::Down;
    if (s.y < -kStickDeadZone) return Command::Up;
    if (s.buttons == kFirstButtonOnly) return Command::Action;
    return Command::None;
}

// The game pad's command: the left stick or the D-pad walks, the south
// button acts, Start asks for the menu (which is no command).
Command gamePadCommand() {
    const GamePadState pad = readGamePad();
    if (pad.right) return Command::Right;
    if (pad.left) return Command::Left;
    if (pad.down) return Command::Down;
    if (pad.up) return Command::Up;
    if (pad.south) return Command::Action;
    if (pad.start) requestMenu();
    return Command::None;
}

// Joystick, then game pad: the first that issues a command ends the step.
bool stickStep(Command& issued) {
    issued = joystickCommand();
    if (issued == Command::None) issued = gamePadCommand();
    if (issued == Command::None) return world.menuRequested != 0;
    issue(issued);
    if (issued == Command::Action) sleepMs(kActionPauseMs);
    return true;
}

// The keys of the command table that end the step, in table order: the
// first held issues its command (Esc asks for the menu).
bool keyboardStep(Command& issued) {
    for (const GameKey& key : gameKeys()) {
        const bool endsStep = wizardCommand(key.command) != Command::None || key.command == GameCommand::Menu;
        if (!(key.places & kInPlay) || !endsStep || !isKeyDown(key.scancode)) continue;
        if (key.command == GameCommand::Menu) requestMenu();
        issued = wizardCommand(key.command);
        issue(issued);
        if (issued == Command::Action) sleepMs(kActionPauseMs);
        return true;
    }
    return false;
}

Command mouseCommand(const MouseState& m) {
    if (m.x > kPointerCentreX + kPointerSlack) return Command::Right;
    if (m.x < kPointerCentreX - kPointerSlack) return Command::Left;
    if (m.y > kPointerCentreY + kPointerSlack) return Command::Down;
    if (m.y < kPointerCentreY - kPointerSlack) return Command::Up;
    if (m.buttons == kFirstButtonOnly) return Command::Action;
    return Command::None;
}

Command mouseStep() {
    const MouseState m = readMouse();
    // A failed read (pointer off the window, window inactive, no mouse)
    // reports -1 and issues nothing.
    if (m.x < 0 || m.y < 0 || m.buttons < 0) return Command::None;
    const Command command = mouseCommand(m);
    if (command == Command::None) return Command::None;
    setMouse(kPointerCentreX, kPointerCentreY, false);
    issue(command);
    return command;
}

}  // namespace

Command liveInputStep() {
    // Commands come from the held state of keys, never from the buffer.
    flushKeys();
    Command issued = Command::None;
    if (world.joystickOn == 1 && stickStep(issued)) return issued;
    if (keyboardStep(issued)) return issued;
    if (gameKeyHeld(kInPlay, GameCommand::FullEnergy)) {
        world.energy = kFullEnergy;
        showEnergy();
    }
    return mouseStep();
}
