// placing.cpp — the brush on the map (Space places it, the C key picks a
// cell's code up into it) and the wizard's start (S).
//
// Each change is one step of the undo history.
//
// Writes: editor.level.map (through the history), playerX, playerY, viewX,
// viewY (the start), brush; history and levelChanged (through the history).
#include "editor/commands.h"
#include "editor/drawing.h"
#include "editor/editor_state.h"
#include "platform/platform.h"

namespace {

constexpr int kPlaceMs = 10;
constexpr int kStartMs = 100;

int cursorMapX() { return editor.viewX + editor.cursorX; }
int cursorMapY() { return editor.viewY + editor.cursorY; }

}  // namespace

void placeBrush() {
    const int x = cursorMapX();
    const int y = cursorMapY();
    changeCell(x, y, editor.brush);
    finishStep();
    // Nothing is redrawn: the cursor cell already shows the brush.
    sleepMs(kPlaceMs);
}

void pickUpBrush() {
    const int x = cursorMapX();
    const int y = cursorMapY();
    if (isMapCell(x, y)) editor.brush = editor.level.map[x][y];
    drawCursorCell();
}

void setStart() {
    const int x = cursorMapX();
    const int y = cursorMapY();
    noteLevelExtras();
    // One start: setting it again moves it.
    editor.level.playerX = x;
    editor.level.playerY = y;
    editor.level.viewX = editor.viewX;
    editor.level.viewY = editor.viewY;
    finishStep();
    drawMapView();
    sleepMs(kStartMs);
}
