// placing.cpp — the brush on the map (Space places it, the C key picks a
// cell's code up into it) and the wizard's start (S).
//
// Writes: editor.map, brush, startX, startY, startViewX, startViewY,
// levelChanged.
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
    if (isMapCell(x, y) && editor.map[x][y] != editor.brush) {
        editor.map[x][y] = editor.brush;
        editor.levelChanged = 1;
    }
    // Nothing is redrawn: the cursor cell already shows the brush.
    sleepMs(kPlaceMs);
}

void pickUpBrush() {
    const int x = cursorMapX();
    const int y = cursorMapY();
    if (isMapCell(x, y)) editor.brush = editor.map[x][y];
    drawCursorCell();
}

void setStart() {
    const int x = cursorMapX();
    const int y = cursorMapY();
    if (x != editor.startX || y != editor.startY || editor.viewX != editor.startViewX ||
        editor.viewY != editor.startViewY) {
        editor.levelChanged = 1;
    }
    // One start: setting it again moves it.
    editor.startX = x;
    editor.startY = y;
    editor.startViewX = editor.viewX;
    editor.startViewY = editor.viewY;
    drawMapView();
    sleepMs(kStartMs);
}
