// The game program: everything happens in the game library.
#include "game/world/main_loop.h"

int main() { runGameProgram(); }
