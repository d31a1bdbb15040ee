// The game program: everything happens in the game libraries.
#include "game/flow/flow.h"

int main() { runGameProgram(); }
