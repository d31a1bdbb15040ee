// panel_walls.h — the masonry round a panel drawn over the labyrinth (the
// key help, the list of level sets).
#pragma once

// Draws the old masonry on every view cell of the ring from cell column
// left to right and cell row top to bottom (1-based, as the view counts);
// the cells inside are left to the panel.
void drawPanelWalls(int left, int top, int right, int bottom);
