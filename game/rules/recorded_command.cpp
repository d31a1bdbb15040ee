// recorded_command.cpp — carrying out one command of a recorded
// demonstration.
//
// Writes: everything the moves and the item operations write.
#include "game/rules/items.h"
#include "game/rules/player.h"

void carryOut(Command command) {
    switch (command) {
        case Command::Up: moveUp(); break;
        case Command::Right: moveRight(); break;
        case Command::Down: moveDown(); break;
        case Command::Left: moveLeft(); break;
        // Recorded play exchanges and then uses, whatever the cell holds,
        // where live play's action picks one of the two by the cell.
        case Command::Action:
            swapHeldItem();
            useHeldItem();
            break;
        case Command::None: break;
    }
}
