// overview.cpp — F4: the whole map drawn small, to find one's way around the
// 220 x 150 cells that the view shows 20 x 14 at a time.
//
// Each cell is a 3 x 3 pixel square in its tile's main colour (the mean of
// its picture's pixels), the start a white square, the creatures dots of a
// colour per kind, and the current view a yellow frame. The arrow keys move
// the frame by a page (19 columns, 13 rows, on the page grid the cursor keys
// reach); a click on a cell frames the page that shows it; F4, Enter or Esc
// go back with the framed page. The Esc that goes back is spent here and
// never reaches the map, where it would end the editor. The cursor keeps
// its place on the screen where its map cell may be reached.
//
// Writes: editor.viewX, viewY, cursorX, cursorY; pointerX, pointerY,
// pointerButtons (through takePointerAsSeen).
#include "editor/commands.h"
#include "editor/drawing.h"
#include "editor/editor_state.h"

#include "common/creature_pictures.h"
#include "common/tile_codes.h"
#include "platform/platform.h"

#include <algorithm>
#include <map>

namespace {

constexpr int kDot = 3;                                           // pixels per cell side
constexpr int kLeft = (kScreenWidth - kDot * kLevelColumns) / 2;  // 70
constexpr int kTop = 48;
constexpr int kPollMs = 20;
constexpr Colour kFrameColour = 0xFFFFFF00u;
constexpr Colour kStartColour = kWhite;
const char* const kTitle = trMark("\x9A"
                                  "bersicht - Pfeile oder Klick: Ausschnitt w\x84hlen, F4, Eingabe oder Esc: zur\x81"
                                  "ck");

// The mean colour of each picture, by code.
std::map<int, Colour> mainColours() {
    std::map<int, Colour> colours;
    for (std::size_t i = 0; i < kTileTableSize; ++i) {
        const TileInfo& tile = kTileTable[i];
        if (tile.editorImage == kNoPicture) continue;
        const Image* image = editorImage(editorImageOf(tile.editorImage));
        if (image == nullptr || image->pixels.empty()) continue;
        unsigned long long red = 0, green = 0, blue = 0;
        for (Colour p : image->pixels) {
            red += (p >> 16) & 0xFF;
            green += (p >> 8) & 0xFF;
            blue += p & 0xFF;
        }
        const unsigned long long n = image->pixels.size();
        colours[tile.code] = 0xFF000000u | static_cast<Colour>(red / n) << 16 | static_cast<Colour>(green / n) << 8 |
                             static_cast<Colour>(blue / n);
    }
    return colours;
}

void fillCell(int x, int y, Colour colour) {
    const int px = kLeft + kDot * (x - 1);
    const int py = kTop + kDot * (y - 1);
    for (int dy = 0; dy < kDot; ++dy) {
        for (int dx = 0; dx < kDot; ++dx) setPixel(px + dx, py + dy, colour);
    }
}

void drawOverview(const std::map<int, Colour>& colours, int viewX, int viewY) {
    clearPage();
    setTextPos(1, 2);
    printText(tr(kTitle), false);
    for (int x = 1; x <= kLevelColumns; ++x) {
        for (int y = 1; y <= kLevelRows; ++y) {
            const auto found = colours.find(editor.level.map[x][y]);
            fillCell(x, y, found == colours.end() ? kBlack : found->second);
        }
    }
    for (int kind = 0; kind < kCreatureKinds; ++kind) {
        const StoredCreatureTable& table = editor.level.creatures[kind];
        const int count = std::min(editor.level.counts[kind], kMaxCreatures);
        for (int k = 1; k <= count; ++k) {
            if (isStoredCell(table[k].x, table[k].y))
                fillCell(table[k].x, table[k].y, 0xFF000000u | kCreatureMarkColours[kind]);
        }
    }
    if (isStoredCell(editor.level.playerX, editor.level.playerY)) {
        const int px = kLeft + kDot * (editor.level.playerX - 1);
        const int py = kTop + kDot * (editor.level.playerY - 1);
        drawBox(px - 1, py - 1, px + kDot, py + kDot, kStartColour);
        fillCell(editor.level.playerX, editor.level.playerY, kStartColour);
    }
    const int x1 = kLeft + kDot * viewX;
    const int y1 = kTop + kDot * viewY;
    drawBox(x1, y1, x1 + kDot * kViewColumns - 1, y1 + kDot * kViewRows - 1, kFrameColour);
}

// The page that shows map cell (x, y), or the page of the grid nearest to a
// loaded view off the grid.
int pageColumn(int viewX) { return std::clamp(viewX / kViewStepX * kViewStepX, 0, kMaxViewX); }
int pageRow(int viewY) { return std::clamp(viewY / kViewStepY * kViewStepY, 0, kMaxViewY); }

// The map cell under an overview pixel, when there is one.
bool cellUnder(int px, int py, int& x, int& y) {
    if (px < kLeft || py < kTop) return false;
    x = (px - kLeft) / kDot + 1;
    y = (py - kTop) / kDot + 1;
    return isStoredCell(x, y);
}

// The arrow keys and the page each moves the frame by.
struct PageStep {
    int scancode;
    int dx;
    int dy;
};
const PageStep kPageSteps[] = {
    {scancode::Up, 0, -kViewStepY},
    {scancode::Down, 0, kViewStepY},
    {scancode::Left, -kViewStepX, 0},
    {scancode::Right, kViewStepX, 0},
};

}  // namespace

void overviewCommand() {
    const std::map<int, Colour> colours = mainColours();
    int viewX = editor.viewX;
    int viewY = editor.viewY;
    drawOverview(colours, viewX, viewY);
    // F4, still held, goes back only when pressed anew.
    spendHeldKeys();
    int buttons = 0;
    bool closing = false;
    for (;;) {
        sleepMs(kPollMs);
        flushKeys();
        closing = takeCloseRequest();
        if (closing || keyPressed(scancode::F4) || keyPressed(scancode::Enter) || keyPressed(scancode::Esc)) break;
        for (const PageStep& step : kPageSteps) {
            if (!keyPressed(step.scancode)) continue;
            viewX = std::clamp(pageColumn(viewX) + step.dx, 0, kMaxViewX);
            viewY = std::clamp(pageRow(viewY) + step.dy, 0, kMaxViewY);
            drawOverview(colours, viewX, viewY);
        }
        const MouseState mouse = readMouse();
        const int now = mouse.buttons < 0 ? 0 : mouse.buttons;
        const bool pressed = (now & kMouseLeft) != 0 && (buttons & kMouseLeft) == 0;
        buttons = now;
        int x = 0;
        int y = 0;
        if (pressed && cellUnder(mouse.x, mouse.y, x, y)) {
            viewX = screenOfColumn(std::min(x, kReachColumns));
            viewY = screenOfRow(std::min(y, kReachRows));
            drawOverview(colours, viewX, viewY);
        }
    }
    // The key that went back must not reach the command loop (Esc would end
    // the editor), nor a click the map, nor an arrow tapped here move the
    // cursor.
    spendHeldKeys();
    takePointerAsSeen();
    editor.viewX = viewX;
    editor.viewY = viewY;
    editor.cursorX = std::min(editor.cursorX, kReachColumns - viewX);
    editor.cursorY = std::min(editor.cursorY, kReachRows - viewY);
    drawMapView();
    drawCursorCell();
    // The window's close button asks as Esc does on the map.
    if (closing) quitCommand();
}
