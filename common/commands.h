// commands.h — the wizard's five commands and their codes in a recorded
// demonstration (1..5); 0 is no command.
#pragma once

enum class Command : int {
    None = 0,    // nothing to do
    Up = 1,      // moveUp
    Right = 2,   // moveRight
    Down = 3,    // moveDown
    Left = 4,    // moveLeft
    Action = 5,  // exchange, then use (recorded play); the action key's rule in live play
};

// The command of a recorded code; codes outside 1..5 are no command.
constexpr Command commandOfCode(int code) {
    return code >= 1 && code <= 5 ? static_cast<Command>(code) : Command::None;
}
