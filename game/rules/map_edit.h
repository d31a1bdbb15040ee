// map_edit.h — writing one map cell safely.
#pragma once

// Sets map[x][y] to code; a cell outside columns 0..220 or rows 0..150 is
// left alone, so a damaged position can never write outside the map.
void writeCell(int x, int y, int code);
