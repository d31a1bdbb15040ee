// mouse_painting.cpp — the mouse over the map view.
//
// The cursor follows the pointer's cell while the pointer moves. The left
// button puts the brush on the cell under the pointer, and while it stays
// down every cell the pointer crosses is painted too: the stroke is one step of the undo history. The
// pointer is read about every 15 ms during a stroke and the cells between
// two readings are filled along a line, so a quick drag leaves no gaps. The
// right button picks the cell's code up as the brush, as the C key does.
//
// Shift with the left button removes the creature drawn on top at that cell
// (the last placed of the kind drawn last there), any entry of its table,
// not only the last: the entries after it move down one and the count drops
// by one. The entry that was last stays above the count, as the remove keys
// leave it, so the table keeps its 101 entries and the file its format.
// Entry 0, which the view draws too although the game never plays it (a
// loaded file may hold one), is emptied instead: the count stays.
//
// Only cells the cursor may reach (columns 1..210, rows 1..144) are touched.
//
// Writes: editor.cursorX, cursorY, pointerX, pointerY, pointerButtons;
// editor.level.map (through the history), brush (pick-up), the
// creature tables and counts (removal).
#include "editor/commands.h"
#include "editor/drawing.h"
#include "editor/editor_state.h"

#include "platform/platform.h"

#include <cstdlib>
#include <iterator>

namespace {

constexpr int kStrokePollMs = 15;

// The screen cell under the pointer, (0, 0) when it is off the map view.
struct ScreenCell {
    int c = 0;
    int r = 0;
};

ScreenCell cellUnder(const MouseState& mouse) {
    if (mouse.x < 0 || mouse.y < 0 || mouse.x >= kViewColumns * kCell || mouse.y >= kViewRows * kCell) return {};
    return {mouse.x / kCell + 1, mouse.y / kCell + 1};
}

int buttonsOf(const MouseState& mouse) { return mouse.buttons < 0 ? 0 : mouse.buttons; }

void redraw() {
    drawMapView();
    drawCursorCell();
}

// Puts the cursor on screen cell (c, r) when its map cell may be reached.
bool moveCursorTo(ScreenCell cell) {
    if (cell.c == 0 || !isReachable(editor.viewX + cell.c, editor.viewY + cell.r)) return false;
    editor.cursorX = cell.c;
    editor.cursorY = cell.r;
    return true;
}

void paintCell(int c, int r) {
    const int x = editor.viewX + c;
    const int y = editor.viewY + r;
    if (isReachable(x, y)) changeCell(x, y, editor.brush);
}

// Paints the cells on the line from `from` to `to`, both included.
void paintLine(ScreenCell from, ScreenCell to) {
    const int dc = std::abs(to.c - from.c);
    const int dr = std::abs(to.r - from.r);
    const int sc = from.c < to.c ? 1 : -1;
    const int sr = from.r < to.r ? 1 : -1;
    int error = dc - dr;
    for (;;) {
        paintCell(from.c, from.r);
        if (from.c == to.c && from.r == to.r) return;
        const int twice = 2 * error;
        if (twice > -dr) {
            error -= dr;
            from.c += sc;
        }
        if (twice < dc) {
            error += dc;
            from.r += sr;
        }
    }
}

void paintStroke(ScreenCell cell) {
    paintLine(cell, cell);
    redraw();
    MouseState mouse = readMouse();
    while (buttonsOf(mouse) & kMouseLeft) {
        sleepMs(kStrokePollMs);
        mouse = readMouse();
        const ScreenCell next = cellUnder(mouse);
        if (next.c == 0 || (next.c == cell.c && next.r == cell.r)) continue;
        paintLine(cell, next);
        cell = next;
        moveCursorTo(cell);
        redraw();
    }
    editor.pointerX = mouse.x;
    editor.pointerY = mouse.y;
    editor.pointerButtons = buttonsOf(mouse);
    finishStep();
}

// The creature drawn on top at map cell (x, y): its table and entry. The
// kind drawn last is on top, and within it the entry drawn last.
bool findTopCreature(int x, int y, int& kind, int& entry) {
    for (auto drawn = std::rbegin(kCreatureDrawingOrder); drawn != std::rend(kCreatureDrawingOrder); ++drawn) {
        const FileCreatureKind k = *drawn;
        const StoredCreatureTable& table = editor.level.creatures[static_cast<int>(k)];
        for (int e = std::min(editor.level.counts[static_cast<int>(k)], kMaxCreatures); e >= 0; --e) {
            if (table[e].x == x && table[e].y == y) {
                kind = static_cast<int>(k);
                entry = e;
                return true;
            }
        }
    }
    return false;
}

void removeCreatureAt(ScreenCell cell) {
    int kind = 0;
    int entry = 0;
    if (!findTopCreature(editor.viewX + cell.c, editor.viewY + cell.r, kind, entry)) return;
    StoredCreatureTable& table = editor.level.creatures[kind];
    int& count = editor.level.counts[kind];
    noteLevelExtras();
    if (entry == 0) {
        table[0] = {};
    } else {
        for (int e = entry; e < count; ++e) table[e] = table[e + 1];
        count -= 1;
    }
    finishStep();
    redraw();
}

}  // namespace

void takePointerAsSeen() {
    const MouseState mouse = readMouse();
    editor.pointerX = mouse.x;
    editor.pointerY = mouse.y;
    editor.pointerButtons = buttonsOf(mouse);
}

bool followPointer() {
    const MouseState mouse = readMouse();
    const ScreenCell cell = cellUnder(mouse);
    const int buttons = buttonsOf(mouse);
    const int pressed = buttons & ~editor.pointerButtons;
    // Only a pointer that moves, or a button, moves the cursor: one resting
    // over the window leaves the keyboard's cursor alone.
    const bool moved = editor.pointerX != kPointerNotRead && (mouse.x != editor.pointerX || mouse.y != editor.pointerY);
    editor.pointerX = mouse.x;
    editor.pointerY = mouse.y;
    editor.pointerButtons = buttons;
    if (cell.c == 0 || (!moved && pressed == 0)) return false;
    const ScreenCell before = {editor.cursorX, editor.cursorY};
    const bool onReachable = moveCursorTo(cell);
    if (onReachable && (pressed & kMouseLeft) && shiftHeld()) {
        removeCreatureAt(cell);
    } else if (onReachable && (pressed & kMouseLeft)) {
        paintStroke(cell);
    } else if (onReachable && (pressed & kMouseRight)) {
        drawMapView();  // the frame leaves the old cell
        pickUpBrush();
    } else if (onReachable && (before.c != cell.c || before.r != cell.r)) {
        redraw();
    } else {
        return false;
    }
    return true;
}
