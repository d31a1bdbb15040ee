// program_end.cpp — the one way the game ends: the settings are written,
// then the program ends. The menu's "Spiel beenden" comes here after its
// dissolve, the window's close button directly.
//
// Writes: nothing of World.
#include "game/front/front.h"

#include "platform/platform.h"

void quitGame() {
    writeSettings();
    endProgram();
}

void quitOnCloseRequest() {
    if (takeCloseRequest()) quitGame();
}
