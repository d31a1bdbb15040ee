// placing.cpp — the brush on the map (Space places it, the C key picks a
// cell's code up into it) and the wizard's start (S).
//
// Writes: editor.level.map, playerX, playerY, viewX, viewY (the start),
// brush, levelChanged.
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
    if (isMapCell(x, y) && editor.level.map[x][y] != editor.brush) {
        editor.level.map[x][y] = editor.brush;
        editor.levelChanged = 1;
    }
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
    if (x != editor.level.playerX || y != editor.level.playerY || editor.viewX != editor.level.viewX ||
        editor.viewY != editor.level.viewY) {
        editor.levelChanged = 1;
    }
    // One start: setting it again moves it.
    editor.level.playerX = x;
    editor.level.playerY = y;
    editor.level.viewX = editor.viewX;
    editor.level.viewY = editor.viewY;
    drawMapView();
    sleepMs(kStartMs);
}
