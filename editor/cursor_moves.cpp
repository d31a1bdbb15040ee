// cursor_moves.cpp — the arrow keys: the cursor moves one cell, and at the
// view's edge the view turns a page of 19 columns or 13 rows, so that two
// neighbouring pages share their edge column or row.
//
// The cursor's map cell stays within columns 1..210 and rows 1..144, the
// cells the wizard can reach; the map beyond is loaded and saved but not
// reachable. Down on screen row 14 turns the page and keeps the map cell
// (now on screen row 1); Up on screen row 1 turns back and also moves one
// row up (to screen row 13). Columns alike.
//
// A loaded level may bring a view off the 19 / 13 grid. A page turn then
// stops at the last view that still lies inside the map (200, 136) and
// keeps the cursor's map cell, so the view never shows a cell outside it.
//
// Writes: editor.cursorX, cursorY, viewX, viewY.
#include "editor/commands.h"
#include "editor/drawing.h"
#include "editor/editor_state.h"

#include <algorithm>

namespace {

void redraw() {
    drawMapView();
    drawCursorCell();
}

}  // namespace

void cursorUp() {
    if (editor.viewY + editor.cursorY <= 1) return;
    if (editor.cursorY == 1 && editor.viewY >= kViewStepY) {
        editor.viewY -= kViewStepY;
        editor.cursorY = kViewRows;
    }
    if (editor.cursorY < 2) return;
    editor.cursorY -= 1;
    redraw();
}

void cursorDown() {
    if (editor.viewY + editor.cursorY >= kReachRows) return;
    if (editor.cursorY >= kViewRows) {
        const int row = editor.viewY + editor.cursorY;
        editor.viewY = std::min(editor.viewY + kViewStepY, kLastViewY);
        editor.cursorY = row - editor.viewY - 1;  // the step below brings it back to row
    }
    editor.cursorY += 1;
    redraw();
}

void cursorLeft() {
    if (editor.viewX + editor.cursorX <= 1) return;
    if (editor.cursorX == 1 && editor.viewX >= kViewStepX) {
        editor.viewX -= kViewStepX;
        editor.cursorX = kViewColumns;
    }
    if (editor.cursorX < 2) return;
    editor.cursorX -= 1;
    redraw();
}

void cursorRight() {
    if (editor.viewX + editor.cursorX >= kReachColumns) return;
    if (editor.cursorX >= kViewColumns) {
        const int column = editor.viewX + editor.cursorX;
        editor.viewX = std::min(editor.viewX + kViewStepX, kLastViewX);
        editor.cursorX = column - editor.viewX - 1;
    }
    editor.cursorX += 1;
    redraw();
}
