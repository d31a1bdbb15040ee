// map_edit.cpp — the one guarded writer of map cells used by the rules.
//
// Writes: World::map.
#include "game/rules/map_edit.h"

#include "game/world/world.h"

void writeCell(int x, int y, int code) {
    if (!isMapCell(x, y)) return;
    world.map[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)] = code;
}
