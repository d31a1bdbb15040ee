// tile_pictures.cpp — the picture of each TileCode in the editor: the tile
// table's editor picture, drawn opaque (magenta included: the editor uses no
// transparency). The secret codes -2, -1, 4 and 5 look like the walls they
// hide in (140, 120, 100, 130) and carry the marker Zaub10, combined by
// exclusive or into their top-left corner. The numbered barriers have
// pictures of their own here, so the level maker tells them apart. The
// codes that only arise in play (6..9) and codes no table knows have no
// picture: drawing one leaves the cell as it was.
//
// Writes: nothing of the record.
#include "editor/drawing.h"

#include "common/map_geometry.h"
#include "common/tile_codes.h"
#include "platform/platform.h"

void drawCode(int code, int c, int r) { drawCodeAt(code, kCell * (c - 1), kCell * (r - 1)); }

void drawCodeAt(int code, int x, int y) {
    const TileInfo* tile = findTile(code);
    if (tile == nullptr || tile->editorImage == kNoPicture) return;
    drawImage(x, y, editorImage(editorImageOf(tile->editorImage)), DrawMode::Opaque);
    if (tile->marked) drawImage(x, y, editorImage(EdImg::Zaub10), DrawMode::Xor);
}
