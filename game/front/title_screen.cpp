// title_screen.cpp — the title screen with attract mode.
// Not built yet: the game runs end to end with it doing nothing.
#include "game/front/front.h"

void titleScreen() {}
