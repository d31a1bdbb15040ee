#include "editor/commands.h"
void playLevelCommand() {}
