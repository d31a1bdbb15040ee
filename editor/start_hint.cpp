// start_hint.cpp — a few lines over the empty level at start-up that say
// where to begin: F2 opens a labyrinth, F3 or F7 and then an arrow key show
// the help or every key, F1 saves. The first command takes them away with a
// redraw.
//
// Writes: editor.hintShown.
#include "editor/commands.h"
#include "editor/drawing.h"
#include "editor/editor_state.h"

#include "platform/platform.h"

namespace {

constexpr int kHintRow = 16;
constexpr int kHintColumn = 30;
// Code page 437: \x81 is ü, \x84 ä.
const char* const kHintLines[] = {
    "Willkommen im Level-Editor!",
    "",
    "F2          ein Labyrinth laden",
    "F3, Pfeil   die Hilfe zeigen",
    "F7, Pfeil   alle Tasten zeigen",
    "F1          speichern",
    "Maus        links malen, rechts Feld aufnehmen",
};

}  // namespace

void showStartHint() {
    int row = kHintRow;
    for (const char* line : kHintLines) {
        setTextPos(row++, kHintColumn);
        printText(line, false);
    }
    editor.hintShown = 1;
}

void dropStartHint() {
    if (editor.hintShown == 0) return;
    editor.hintShown = 0;
    drawMapView();
    drawCursorCell();
}
