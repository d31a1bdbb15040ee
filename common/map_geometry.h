// map_geometry.h — the map's size, the view and its flips, and the cells the
// wizard can reach: the geometry the game, the editor and the level tools
// share.
//
// The map holds columns 0..220 and rows 0..150; level files fill 1..220 x
// 1..150. The view shows 20 x 14 cells, columns viewX+1..viewX+20 and rows
// viewY+1..viewY+14. It flips by whole screens, 19 columns or 13 rows, so two
// neighbouring screens share their edge column or row. Steps keep the wizard
// within columns 1..210 and rows 1..144, so the screens reached from view
// (0, 0) are viewX = 0, 19, ..., 190 and viewY = 0, 13, ..., 130.
#pragma once

#include <algorithm>

constexpr int kMapColumns = 221;    // map columns 0..220 (files fill 1..220)
constexpr int kMapRows = 151;       // map rows 0..150 (files fill 1..150)
constexpr int kLevelColumns = 220;  // map columns stored in a level file (1..220)
constexpr int kLevelRows = 150;     // map rows stored in a level file (1..150)
constexpr int kViewColumns = 20;    // cells across the view
constexpr int kViewRows = 14;       // cells down the view
constexpr int kCell = 40;           // pixels per cell side
constexpr int kViewStepX = 19;      // columns of a horizontal flip
constexpr int kViewStepY = 13;      // rows of a vertical flip
constexpr int kMaxViewX = 190;      // last view column offset a flip reaches
constexpr int kMaxViewY = 130;      // last view row offset a flip reaches
constexpr int kReachColumns = 210;  // the wizard's steps reach columns 1..210
constexpr int kReachRows = 144;     // and rows 1..144
// Largest view offsets whose 20 x 14 cells still lie inside the map.
constexpr int kLastViewX = kLevelColumns - kViewColumns;  // 200
constexpr int kLastViewY = kLevelRows - kViewRows;        // 136

// A cell of the map arrays (columns 0..220, rows 0..150); whatever lies
// outside reads as wall.
constexpr bool isMapCell(int x, int y) { return x >= 0 && x < kMapColumns && y >= 0 && y < kMapRows; }

// A cell the wizard's steps can reach.
constexpr bool isReachable(int x, int y) { return x >= 1 && x <= kReachColumns && y >= 1 && y <= kReachRows; }

// A cell of the stored map (the part a level file fills).
constexpr bool isStoredCell(int x, int y) { return x >= 1 && x <= kLevelColumns && y >= 1 && y <= kLevelRows; }

// A view offset pair that the flips produce from view (0, 0).
constexpr bool isScreenOrigin(int viewX, int viewY) {
    return viewX >= 0 && viewX <= kMaxViewX && viewX % kViewStepX == 0 && viewY >= 0 && viewY <= kMaxViewY &&
           viewY % kViewStepY == 0;
}

// The cell lies inside the view with these offsets.
constexpr bool insideView(int x, int y, int viewX, int viewY) {
    return x >= viewX + 1 && x <= viewX + kViewColumns && y >= viewY + 1 && y <= viewY + kViewRows;
}

// The screen a cell belongs to: the view offset, on the 19 / 13 grid, whose
// screen shows it. A column or row shared by two screens belongs to the
// earlier one (column 20 to view 0, column 21 to view 19).
constexpr int screenOfColumn(int column) {
    return std::clamp(column < 2 ? 0 : kViewStepX * ((column - 2) / kViewStepX), 0, kMaxViewX);
}
constexpr int screenOfRow(int row) {
    return std::clamp(row < 2 ? 0 : kViewStepY * ((row - 2) / kViewStepY), 0, kMaxViewY);
}
