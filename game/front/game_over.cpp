// game_over.cpp — the game-over sequence and best-player entry.
// Not built yet: the game runs end to end with it doing nothing.
#include "game/front/front.h"

void gameOver() {}
