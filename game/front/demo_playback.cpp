// demo_playback.cpp — demonstration playback.
// Not built yet: the game runs end to end with it doing nothing.
#include "game/front/front.h"

void demoInputStep() {}
