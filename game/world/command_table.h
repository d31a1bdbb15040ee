// command_table.h — the game's command table: every key the game reads, with
// where it acts, what it does and its help text.
//
// Everything about the game's keys comes from here: live input takes its
// keys in table order (game/rules/live_input.cpp), the title screen and the
// pause of the key help look up theirs by command, and the key help (F1),
// --help and the manual page print the rows. The rows of the mouse and the
// sticks name no key; live input reads those devices in steps of its own.
#pragma once

#include "common/commands.h"

#include <span>

// Where a key acts: a set of these bits.
enum KeyPlace : unsigned char {
    kInPlay = 1,   // during a live game
    kOnTitle = 2,  // on the title screen
};

// What a row does: the operation its key runs where it acts.
enum class GameCommand : unsigned char {
    Up = 1,          // moveUp (live input)
    Right = 2,       // moveRight
    Down = 3,        // moveDown
    Left = 4,        // moveLeft
    Action = 5,      // actionCommand
    Menu,            // the in-game menu (play: asked for through World::menuRequested)
    FullEnergy,      // energy back to full, the cheat (live input)
    KeyHelp,         // the key help panel (showKeyHelp)
    Start,           // start a game from the title screen
    NextLabyrinth,   // the title shows the next labyrinth, the game starts in it
    ResetTable,      // the title resets the best players and switches the joystick off
    ChooseSet,       // the title's list of level sets
    SwitchLanguage,  // the title switches to the next language
    Pointer,         // the mouse: live input's pointer step, the title's start button
    Sticks,          // joystick and game pad: live input's stick step, the title's start button
};

// The wizard's command of a row, as live input issues it and a recording
// keeps it; Command::None for the rows of other commands.
constexpr Command wizardCommand(GameCommand command) {
    return command >= GameCommand::Up && command <= GameCommand::Action ? static_cast<Command>(command) : Command::None;
}
static_assert(static_cast<int>(GameCommand::Up) == static_cast<int>(Command::Up) &&
                  static_cast<int>(GameCommand::Action) == static_cast<int>(Command::Action),
              "the wizard's commands keep their codes");

// One row of the table.
struct GameKey {
    int places;           // KeyPlace bits: where the key acts; its help shows it there
    int scancode;         // PC set-1 scancode; 0 for the mouse and the sticks
    GameCommand command;  // what it does
    const char* label;  // the key as the help names it, code page 437 (shown through tr); nullptr: the row above names it with its own
    const char* help;  // what it does, German, code page 437 (shown through tr), at most two lines split by "\n"; nullptr with label
};

// The rows in the order live input tests them: of the keys held together
// the first row wins.
std::span<const GameKey> gameKeys();

// True while a key of `command` that acts in `place` is held.
bool gameKeyHeld(KeyPlace place, GameCommand command);
// As keyPressed for the keys of `command` in `place`: pressed since the last
// look, or held past the repeat delay. Every key of the command is looked at.
bool gameKeyPressed(KeyPlace place, GameCommand command);
// The row that names the keys of `command` in `place` (the first with a
// label); nullptr when there is none.
const GameKey* namedGameKey(KeyPlace place, GameCommand command);
