// wizard_walk.cpp — a walk over a copy of a level's map, one command at a
// time. No global state.
#include "common/wizard_walk.h"

#include <memory>

namespace {

std::size_t cellIndex(int x, int y) { return static_cast<std::size_t>(x) * kMapRows + static_cast<std::size_t>(y); }

}  // namespace

WalkMap::WalkMap(const LevelData& level) : cells_(cellIndex(kMapColumns, 0)) {
    for (int x = 0; x < kMapColumns; ++x)
        for (int y = 0; y < kMapRows; ++y) cells_[cellIndex(x, y)] = level.map[x][y];
}

int WalkMap::cell(int x, int y) const { return isMapCell(x, y) ? cells_[cellIndex(x, y)] : tile::RedWall; }

void WalkMap::setCell(int x, int y, int code) {
    if (isMapCell(x, y)) cells_[cellIndex(x, y)] = code;
}

Walker startWalker(const LevelData& level) { return {level.playerX, level.playerY, level.viewX, level.viewY, 0}; }

WalkStep walkCommand(Walker& w, Command command, WalkMap& map, bool recorded) {
    WalkStep step;
    if (const WalkDirection* d = walkDirection(command)) {
        step.move = moveWalker(w, *d, map);
        return step;
    }
    if (command != Command::Action) return step;
    const bool exchange = recorded || actionExchanges(map.cell(w.x, w.y));
    if (exchange) step.exchanged = exchangeItem(w, map);
    if ((recorded || !exchange) && w.held == tile::ShootingStar) {
        w.held = 0;
        step.fired = true;
    }
    return step;
}

bool routeReachesDoor(const LevelData& level, const std::vector<Command>& route) {
    auto safe = std::make_unique<LevelData>(level);
    makeLevelSafe(*safe);
    WalkMap map(*safe);
    Walker w = startWalker(*safe);
    for (const Command command : route) {
        const WalkStep step = walkCommand(w, command, map, false);
        if (step.move.drowned) return false;
        if (step.move.door) return true;
    }
    return false;
}
