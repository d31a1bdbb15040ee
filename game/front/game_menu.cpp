// game_menu.cpp — the in-game menu.
// Not built yet: the game runs end to end with it doing nothing.
#include "game/front/front.h"

void gameMenu() {}
