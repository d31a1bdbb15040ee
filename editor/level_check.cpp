#include "editor/commands.h"
void checkLevelCommand() {}
