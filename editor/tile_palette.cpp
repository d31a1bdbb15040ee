// tile_palette.cpp — Tab: every tile the editor can place, at full size on
// a screen of its own, to find a tile by looking rather than by pressing a
// brush key until it comes.
//
// A row per brush key, in the order of the keys (0..9, Q, W, E), its key at
// the left and each tile's code under its picture; the tiles no key selects
// (the second red wall) fill a last row. Seven rows stand on the left, the
// rest on the right. The tile under the highlight (a white frame) is named
// below, with the key presses that select it and, for a barrier, what opens
// it; the brush in use has a yellow frame. The arrow keys or the pointer
// move the highlight; Space, Enter or a click make the tile the brush and
// go back to the map; Tab or Esc go back and leave the brush as it was.
// The brush keys keep their groups: a key pressed afterwards steps on from
// the tile chosen here when it lies in its group.
//
// Writes: editor.brush; pointerX, pointerY, pointerButtons (through
// takePointerAsSeen).
#include "editor/tile_palette.h"

#include "editor/commands.h"
#include "editor/drawing.h"
#include "editor/editor_state.h"
#include "editor/status_line.h"
#include "editor/tile_names.h"

#include "common/barrier_keys.h"
#include "common/language.h"
#include "common/map_geometry.h"
#include "common/text_fit.h"
#include "common/tile_codes.h"
#include "platform/platform.h"

#include <algorithm>
#include <iterator>
#include <string>

namespace {

constexpr int kPollMs = 20;
constexpr int kMarginX = 16;     // left edge of the left column (its key label)
constexpr int kLabelWidth = 24;  // the key label's room before the tiles
constexpr int kColumnGap = 32;   // between the two columns
constexpr int kTop = 40;         // the first row's tiles
constexpr int kRowPitch = 64;    // a row of tiles, its codes under them, and a gap
constexpr int kTextHeight = 16;  // the editor's text cells are 8 x 16
constexpr int kTextWidth = 8;
constexpr int kCodeWidth = kCell / kTextWidth;  // characters under a tile
constexpr int kTitleRow = 1;
constexpr int kInfoRow = 32;
constexpr int kKeysRow = 33;
constexpr int kHintRow = 34;
constexpr Colour kBrushColour = 0xFFFFFF00u;
const char* const kTitle = trMark(
    "Alle Felder: links die Taste ihrer Gruppe, unter jedem Bild sein Code (Tab: Palette)");
const char* const kHint = trMark(
    "Pfeile oder Maus: w\x84hlen \xFA Leertaste, Eingabe oder Klick: als Pinsel \xFA Tab oder Esc: zur\x81"
    "ck");

// The label each brush key has in the palette.
struct KeyLabel {
    int scancode;
    char label;
};
const KeyLabel kKeyLabels[] = {
    {scancode::Digit0, '0'}, {scancode::Digit1, '1'}, {scancode::Digit2, '2'}, {scancode::Digit3, '3'},
    {scancode::Digit4, '4'}, {scancode::Digit5, '5'}, {scancode::Digit6, '6'}, {scancode::Digit7, '7'},
    {scancode::Digit8, '8'}, {scancode::Digit9, '9'}, {scancode::Q, 'Q'},      {scancode::W, 'W'},
    {scancode::E, 'E'},
};

char labelOf(int key) {
    for (const KeyLabel& k : kKeyLabels) {
        if (k.scancode == key) return k.label;
    }
    return 0;
}

bool editorPlaces(int code) {
    const TileInfo* tile = findTile(code);
    return tile != nullptr && tile->editorImage != kNoPicture;
}

bool inSomeGroup(int code) {
    return std::any_of(kBrushGroups, kBrushGroups + kBrushGroupCount,
                       [code](const BrushGroup& g) { return code >= g.first && code <= g.last; });
}

// The palette's rows: one per brush group, then the tiles of no group.
struct PaletteRow {
    char key;                // its brush key, 0 for the tiles no key selects
    std::vector<int> codes;  // left to right
};

std::vector<PaletteRow> paletteRows() {
    std::vector<PaletteRow> rows;
    for (int g = 0; g < kBrushGroupCount; ++g) {
        const BrushGroup& group = kBrushGroups[g];
        PaletteRow row{labelOf(group.key), {}};
        for (int code = group.first; code <= group.last; ++code) {
            if (editorPlaces(code)) row.codes.push_back(code);
        }
        rows.push_back(row);
    }
    PaletteRow others{0, {}};
    for (std::size_t i = 0; i < kTileTableSize; ++i) {
        if (editorPlaces(kTileTable[i].code) && !inSomeGroup(kTileTable[i].code))
            others.codes.push_back(kTileTable[i].code);
    }
    if (!others.codes.empty()) rows.push_back(others);
    return rows;
}

// Where each row stands: its column (0 left, 1 right), its place in the
// column, and the cells of paletteCells() it holds.
struct RowPlace {
    int side;
    int slot;
    int firstCell;
    int cellCount;
    int labelX;
    int y;
};

struct Layout {
    std::vector<PaletteCell> cells;
    std::vector<RowPlace> rows;
    std::vector<int> rowOfCell;  // the row of each cell
};

Layout makeLayout() {
    const std::vector<PaletteRow> rows = paletteRows();
    const int leftRows = (static_cast<int>(rows.size()) + 1) / 2;
    std::size_t widestLeft = 0;
    for (int r = 0; r < leftRows; ++r)
        widestLeft = std::max(widestLeft, rows[static_cast<std::size_t>(r)].codes.size());
    const int rightX = kMarginX + kLabelWidth + static_cast<int>(widestLeft) * kCell + kColumnGap;
    Layout layout;
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const PaletteRow& row = rows[static_cast<std::size_t>(r)];
        const int side = r < leftRows ? 0 : 1;
        const int slot = side == 0 ? r : r - leftRows;
        const int labelX = side == 0 ? kMarginX : rightX;
        const int y = kTop + kRowPitch * slot;
        layout.rows.push_back(
            {side, slot, static_cast<int>(layout.cells.size()), static_cast<int>(row.codes.size()), labelX, y});
        for (int k = 0; k < static_cast<int>(row.codes.size()); ++k) {
            layout.cells.push_back({row.codes[static_cast<std::size_t>(k)], labelX + kLabelWidth + kCell * k, y,
                                    row.key, row.key != 0 ? k + 1 : 0});
            layout.rowOfCell.push_back(r);
        }
    }
    return layout;
}

// The row beside `row` in the other column, or -1.
int rowBeside(const Layout& layout, int row) {
    const RowPlace& place = layout.rows[static_cast<std::size_t>(row)];
    for (int r = 0; r < static_cast<int>(layout.rows.size()); ++r) {
        const RowPlace& other = layout.rows[static_cast<std::size_t>(r)];
        if (other.side != place.side && other.slot == place.slot) return r;
    }
    return -1;
}

// The row above (-1) or below (+1) in the same column, or -1.
int rowAbove(const Layout& layout, int row, int step) {
    const RowPlace& place = layout.rows[static_cast<std::size_t>(row)];
    for (int r = 0; r < static_cast<int>(layout.rows.size()); ++r) {
        const RowPlace& other = layout.rows[static_cast<std::size_t>(r)];
        if (other.side == place.side && other.slot == place.slot + step) return r;
    }
    return -1;
}

// The cell the arrow key (dx, dy) moves the highlight to from `cell`:
// along the row, on to the row beside it at the row's end, or to the same
// place in the row above or below.
int stepFrom(const Layout& layout, int cell, int dx, int dy) {
    const int row = layout.rowOfCell[static_cast<std::size_t>(cell)];
    const RowPlace& place = layout.rows[static_cast<std::size_t>(row)];
    const int k = cell - place.firstCell;
    if (dx != 0) {
        const int next = k + dx;
        if (next >= 0 && next < place.cellCount) return cell + dx;
        const int beside = rowBeside(layout, row);
        // Only towards the other column: right from the left one, left from the right one.
        if (beside < 0 || (dx > 0) != (place.side == 0)) return cell;
        const RowPlace& other = layout.rows[static_cast<std::size_t>(beside)];
        return dx > 0 ? other.firstCell : other.firstCell + other.cellCount - 1;
    }
    const int target = rowAbove(layout, row, dy);
    if (target < 0) return cell;
    const RowPlace& other = layout.rows[static_cast<std::size_t>(target)];
    return other.firstCell + std::min(k, other.cellCount - 1);
}

// The cell under pixel (x, y), or -1.
int cellAtPixel(const Layout& layout, int x, int y) {
    const std::vector<PaletteCell>& cells = layout.cells;
    for (int i = 0; i < static_cast<int>(cells.size()); ++i) {
        const PaletteCell& c = cells[static_cast<std::size_t>(i)];
        if (x >= c.x && x < c.x + kCell && y >= c.y && y < c.y + kCell) return i;
    }
    return -1;
}

int textRowAt(int y) { return y / kTextHeight + 1; }
int textColumnAt(int x) { return x / kTextWidth + 1; }

void printRow(int row, const std::string& text) {
    setTextPos(row, 1);
    printText(fitToWidth(text, kTextColumns), false);
}

void drawCell(const Layout& layout, int cell, int highlight) {
    const PaletteCell& c = layout.cells[static_cast<std::size_t>(cell)];
    drawCodeAt(c.code, c.x, c.y);
    if (cell == highlight) {
        drawBox(c.x, c.y, c.x + kCell - 1, c.y + kCell - 1, kWhite);
        drawBox(c.x + 1, c.y + 1, c.x + kCell - 2, c.y + kCell - 2, kWhite);
    } else if (c.code == editor.brush) {
        drawBox(c.x, c.y, c.x + kCell - 1, c.y + kCell - 1, kBrushColour);
    }
}

// What the highlighted tile is and how else to get it.
void describe(const Layout& layout, int cell) {
    const PaletteCell& c = layout.cells[static_cast<std::size_t>(cell)];
    std::string what = tileLabel(c.code);
    if (const BarrierKey* barrier = findBarrier(c.code)) {
        const char* item = tileName(barrier->item);
        what += barrier->approach == Approach::Sideways ? trFormat(" \xFA \x94"
                                                                   "ffnet mit {0}, von der Seite",
                                                                   {item})
                                                        : trFormat(" \xFA \x94"
                                                                   "ffnet mit {0}, von oben oder unten",
                                                                   {item});
    }
    printRow(kInfoRow, what);
    std::string keys = tr("Keine Taste: nur hier zu w\x84hlen (oder auf der Karte mit C aufnehmen)");
    if (c.key != 0) {
        const std::string key(1, c.key);
        keys = c.press == 1 ? trFormat("Taste {0}: einmal dr\x81"
                                       "cken",
                                       {key})
                            : trFormat("Taste {0}: {1}-mal dr\x81"
                                       "cken",
                                       {key, c.press});
    }
    printRow(kKeysRow, keys);
}

void drawPalette(const Layout& layout, int highlight) {
    clearPage();
    setTextPos(kTitleRow, 1);
    printText(tr(kTitle), false);
    for (const RowPlace& place : layout.rows) {
        const char key = place.cellCount > 0 ? layout.cells[static_cast<std::size_t>(place.firstCell)].key : 0;
        setTextPos(textRowAt(place.y + (kCell - kTextHeight) / 2), textColumnAt(place.labelX));
        printText(std::string(1, key != 0 ? key : '-'), false);
    }
    const std::vector<PaletteCell>& cells = layout.cells;
    for (int i = 0; i < static_cast<int>(cells.size()); ++i) {
        const PaletteCell& c = cells[static_cast<std::size_t>(i)];
        drawCell(layout, i, highlight);
        const std::string code = std::to_string(c.code);
        const int pad = std::max(0, (kCodeWidth - static_cast<int>(code.size())) / 2);
        setTextPos(textRowAt(c.y + kCell), textColumnAt(c.x) + pad);
        printText(code, false);
    }
    describe(layout, highlight);
    printRow(kHintRow, tr(kHint));
    drawStatusLine(true);
}

int cellOfBrush(const Layout& layout) {
    const std::vector<PaletteCell>& cells = layout.cells;
    const auto found = std::find_if(cells.begin(), cells.end(),
                                    [](const PaletteCell& c) { return c.code == editor.brush; });
    return found == cells.end() ? 0 : static_cast<int>(found - cells.begin());
}

// The arrow keys and the cell step each makes.
struct ArrowKey {
    int scancode;
    int dx;
    int dy;
};
const ArrowKey kArrowKeys[] = {
    {scancode::Left, -1, 0},
    {scancode::Right, 1, 0},
    {scancode::Up, 0, -1},
    {scancode::Down, 0, 1},
};

}  // namespace

std::vector<PaletteCell> paletteCells() { return makeLayout().cells; }

void paletteCommand() {
    // Tab, still held, closes nothing; only a new press does.
    spendHeldKeys();
    const Layout layout = makeLayout();
    int highlight = cellOfBrush(layout);
    drawPalette(layout, highlight);
    int buttons = 0;
    MouseState pointer = readMouse();
    bool closing = false;
    for (;;) {
        sleepMs(kPollMs);
        flushKeys();
        closing = takeCloseRequest();
        if (closing || keyPressed(scancode::Tab) || keyPressed(scancode::Esc)) break;
        int next = highlight;
        for (const ArrowKey& arrow : kArrowKeys) {
            if (keyPressed(arrow.scancode)) next = stepFrom(layout, next, arrow.dx, arrow.dy);
        }
        const bool chosenByKey = keyPressed(scancode::Space) || keyPressed(scancode::Enter);
        const MouseState mouse = readMouse();
        const int now = mouse.buttons < 0 ? 0 : mouse.buttons;
        const bool clicked = (now & 1) != 0 && (buttons & 1) == 0;
        buttons = now;
        // The pointer takes the highlight when it moves or clicks; resting,
        // it leaves it to the arrow keys.
        const bool moved = mouse.x != pointer.x || mouse.y != pointer.y;
        pointer = mouse;
        const int pointed = cellAtPixel(layout, mouse.x, mouse.y);
        if (pointed >= 0 && (clicked || moved)) next = pointed;
        if (next != highlight) {
            const int before = highlight;
            highlight = next;
            drawCell(layout, before, highlight);
            drawCell(layout, highlight, highlight);
            describe(layout, highlight);
        }
        if (chosenByKey || (clicked && pointed >= 0)) {
            editor.brush = layout.cells[static_cast<std::size_t>(highlight)].code;
            break;
        }
    }
    // The key or the click that chose must not act on the map too.
    spendHeldKeys();
    takePointerAsSeen();
    drawMapView();
    drawCursorCell();
    // The window's close button asks as Esc does on the map.
    if (closing) quitCommand();
}
