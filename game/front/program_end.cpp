// program_end.cpp — the one way the game ends: a recording running is
// written, and the settings, then the program ends. The menu's "Spiel beenden" comes here after its
// dissolve, the window's close button directly.
//
// Writes: what finishRecording writes.
#include "game/front/front.h"
#include "game/front/recording.h"

#include "platform/platform.h"

void quitGame() {
    finishRecording();
    writeSettings();
    endProgram();
}

void quitOnCloseRequest() {
    if (takeCloseRequest()) quitGame();
}
