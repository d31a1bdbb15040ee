// settings_file.cpp — the settings file "Data\Einstellung.dat".
// Not built yet: the game starts with sound off, joystick off, window mode.
#include "game/front/front.h"

void readSettings() {}
void writeSettings() {}
