// map_view.cpp — the 20 x 14 cells of the view and the cursor cell, drawn
// straight onto the editor's one page.
//
// Within one cell the later image covers the earlier: the tile, the start
// marker, then the creatures in kCreatureDrawingOrder (drawing.h), which
// differs from the file order of the tables. Entries 0..count of each table
// are drawn; those above the count are not.
//
// Every image covers its whole cell, so a cell ends up showing the last image
// drawn there, and cells never overlap. The creatures are therefore looked at
// first, each kind's entries in the same order, to find the one on top of
// each cell; then every cell is drawn once, with that creature or else its
// tile and the start: the same pixels as drawing tile, start and every entry
// in turn, in time linear in cells plus entries, and a crowded view costs no
// more pictures than an empty one.
//
// Writes: nothing of the record (the info panel moves editor.textRow).
#include "editor/drawing.h"
#include "editor/editor_state.h"

#include "common/creature_pictures.h"
#include "platform/platform.h"

#include <array>

namespace {

// The creature picture on top of each cell of the view, [column][row] from
// 1; nullptr where no creature stands.
using TopCreatures = std::array<std::array<const Image*, kViewRows + 1>, kViewColumns + 1>;

void findTopCreatures(TopCreatures& top) {
    for (auto& column : top) column.fill(nullptr);
    for (const FileCreatureKind kind : kCreatureDrawingOrder) {
        const int k = static_cast<int>(kind);
        const StoredCreatureTable& table = editor.level.creatures[k];
        const int last = editor.level.counts[k];
        const Image* picture = editorImage(editorImageOf(kCreaturePictures[k]->editor));
        for (int e = 0; e <= last && e < kCreatureSlots; ++e) {
            const int mc = table[e].x;
            const int mr = table[e].y;
            if (!insideView(mc, mr, editor.viewX, editor.viewY) || !isMapCell(mc, mr)) continue;
            top[mc - editor.viewX][mr - editor.viewY] = picture;
        }
    }
}

}  // namespace

void drawMapView() {
    TopCreatures top;
    findTopCreatures(top);
    for (int c = 1; c <= kViewColumns; ++c) {
        for (int r = 1; r <= kViewRows; ++r) {
            const int mc = editor.viewX + c;
            const int mr = editor.viewY + r;
            if (!isMapCell(mc, mr)) continue;
            const int px = kCell * (c - 1);
            const int py = kCell * (r - 1);
            if (top[c][r] != nullptr) {
                drawImage(px, py, top[c][r], DrawMode::Opaque);
                continue;
            }
            drawCode(editor.level.map[mc][mr], c, r);
            if (mc == editor.level.playerX && mr == editor.level.playerY) {
                drawImage(px, py, editorImage(EdImg::Zaub1), DrawMode::Opaque);
            }
        }
    }
    // The panel last: its final line break leaves the text position where
    // the next dialog prints.
    if (editor.keyPageVisible == 1) printKeyPage();
    if (editor.panelVisible == 1) printInfoPanel();
}

void drawCursorCell() {
    const int px = kCell * (editor.cursorX - 1);
    const int py = kCell * (editor.cursorY - 1);
    // The brush, not the cell's own code: until the next drawMapView the
    // cursor cell shows what Space would place.
    drawCode(editor.brush, editor.cursorX, editor.cursorY);
    drawBox(px, py, px + kCell - 1, py + kCell - 1, kWhite);
}
