#include "editor/commands.h"
void overviewCommand() {}
