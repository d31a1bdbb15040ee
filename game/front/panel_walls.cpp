// panel_walls.cpp — the masonry round a panel (panel_walls.h).
//
// Writes: nothing of the record; only the screen.
#include "game/front/panel_walls.h"

#include "common/map_geometry.h"
#include "game/world/sprite_catalogue.h"
#include "platform/platform.h"

void drawPanelWalls(int left, int top, int right, int bottom) {
    for (int i = left; i <= right; ++i) {
        for (int j = top; j <= bottom; ++j) {
            const bool wall = i == left || i == right || j == top || j == bottom;
            if (wall) drawImage((i - 1) * kCell, (j - 1) * kCell, image(Img::altmauer), DrawMode::Opaque);
        }
    }
}
