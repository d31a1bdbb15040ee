// level_check.cpp — structural checks and the reachability walk for levels.
//
// Reads the LevelSource given; writes only the problem list and the returned
// Reachability. No global state.
#include "tools/levels/level_check.h"

#include "common/barrier_keys.h"
#include "common/map_geometry.h"
#include "common/move_check.h"
#include "common/solver.h"
#include "common/tile_codes.h"

#include <algorithm>
#include <deque>
#include <span>
#include <string>

namespace {

// map[x][y] for stored cells; anything outside reads as a wall.
int cellOf(const LevelData& level, int x, int y) {
    if (x < 0 || x > kLevelColumns || y < 0 || y > kLevelRows) return tile::RedWall;
    return level.map[x][y];
}

bool insideReach(int x, int y) { return isReachable(x, y); }

std::string tileName(int code) {
    const TileInfo* tile = findTile(code);
    return tile ? std::string(tile->name) + " (" + std::to_string(code) + ")" : "code " + std::to_string(code);
}

// Adds a problem about one placed thing (start or creature) at (x, y) with
// view (vx, vy); returns false when it lies outside the reachable cells.
bool checkPlacement(const LevelSource& source, int line, const std::string& what, int x, int y, int vx, int vy,
                    std::vector<LevelProblem>& problems) {
    auto fail = [&](const std::string& message) { problems.push_back({source.fileName, line, message}); };
    if (!insideReach(x, y)) {
        fail(what + " at " + cellText(x, y) + " lies outside the reachable cells (columns 1..210, rows 1..144)");
        return false;
    }
    if (!isScreenOrigin(vx, vy)) {
        fail(what + " at " + cellText(x, y) + " has the view " + cellText(vx, vy) +
             ", which no flip reaches (columns step by 19 up to 190, rows by 13 up to 130)");
    } else if (!insideView(x, y, vx, vy)) {
        fail(what + " at " + cellText(x, y) + " lies outside its view " + cellText(vx, vy));
    }
    return true;
}

}  // namespace

void validateLevel(const LevelSource& source, std::vector<LevelProblem>& problems) {
    const LevelData& level = *source.level;
    auto fail = [&](int line, const std::string& message) { problems.push_back({source.fileName, line, message}); };

    if (source.startLine != 0 && checkPlacement(source, source.startLine, "the start", level.playerX, level.playerY,
                                                level.viewX, level.viewY, problems)) {
        int code = cellOf(level, level.playerX, level.playerY);
        if (!isEnterableCode(code) || code == tile::Water || code == tile::Door)
            fail(source.startLine, "the start stands on " + tileName(code) + "; it needs floor the wizard can stand on");
    }

    for (int kind = 0; kind < kCreatureKinds; ++kind) {
        int count = level.counts[kind];
        if (count < 0 || count > kMaxCreatures) {
            fail(0, std::string("the ") + kCreatureKindNames[kind] + " count " + std::to_string(count) +
                        " lies outside 0.." + std::to_string(kMaxCreatures));
            count = std::clamp(count, 0, kMaxCreatures);
        }
        for (int k = 1; k <= count; ++k) {
            const StoredCreature& c = level.creatures[kind][k];
            int line = source.creatureLines[kind][k];
            std::string what = std::string("the ") + kCreatureKindNames[kind];
            if (!checkPlacement(source, line, what, c.x, c.y, c.homeViewX, c.homeViewY, problems)) continue;
            int code = cellOf(level, c.x, c.y);
            bool walker = kind == static_cast<int>(FileCreatureKind::Pig) ||
                          kind == static_cast<int>(FileCreatureKind::Cleaner);
            if (walker && !isEnterableCode(code))
                fail(line, what + " at " + cellText(c.x, c.y) + " stands inside " + tileName(code));
            if (kind == static_cast<int>(FileCreatureKind::Cleaner) && cellOf(level, c.x, c.y + 1) <= kFirstSolidCode)
                fail(line, what + " at " + cellText(c.x, c.y) + " has " + tileName(cellOf(level, c.x, c.y + 1)) +
                               " beneath; he walks only on floor carried by a code above 50");
        }
    }

    // Counts over the stored map: doors within reach, barriers and items.
    bool door = false;
    std::array<int, 64> codeCount{};
    for (int x = 1; x <= kLevelColumns; ++x) {
        for (int y = 1; y <= kLevelRows; ++y) {
            int code = level.map[x][y];
            if (code == tile::Door && insideReach(x, y)) door = true;
            if (code >= tile::Axe && code <= tile::CrossBarrier4) ++codeCount[code];
        }
    }
    if (source.doorRequired && !door)
        fail(source.gridLine, "the level has no door (Door, 29) within the reachable cells");

    for (int item = tile::Key; item <= tile::CandleStand; ++item) {
        int barriers = 0;
        for (const BarrierKey& row : std::span(kBarrierKeys, kBarrierKeyCount)) {
            if (row.item == item) barriers += codeCount[row.barrier];
        }
        if (barriers > codeCount[item])
            fail(source.gridLine, std::to_string(barriers) + " barriers open with " + tileName(item) + " but only " +
                                      std::to_string(codeCount[item]) + " lie in the level; each opening uses one up");
    }
}

Reachability exploreLevel(const LevelData& level) {
    Reachability r;
    r.reached.assign(kLevelColumns + 1, std::vector<bool>(kLevelRows + 1, false));
    if (!insideReach(level.playerX, level.playerY)) return r;

    std::array<bool, 47> have{};
    for (;;) {
        for (auto& column : r.reached) std::fill(column.begin(), column.end(), false);
        r.doorReached = false;
        std::deque<std::pair<int, int>> queue;
        r.reached[level.playerX][level.playerY] = true;
        queue.emplace_back(level.playerX, level.playerY);
        while (!queue.empty()) {
            auto [x, y] = queue.front();
            queue.pop_front();
            for (const WalkDirection& d : kWalkDirections) {
                int nx = x + d.dx, ny = y + d.dy;
                if (!insideReach(nx, ny) || r.reached[nx][ny]) continue;
                int code = level.map[nx][ny];
                bool enter = isSafeFooting(code);
                if (const BarrierKey* barrier = findBarrier(code)) {
                    enter = barrier->approach == d.approach && have[barrier->item];
                }
                if (!enter) continue;
                r.reached[nx][ny] = true;
                if (code == tile::Door) {
                    r.doorReached = true;  // the wizard leaves the level here
                    continue;
                }
                queue.emplace_back(nx, ny);
            }
        }

        r.cellsReached = 0;
        r.itemsReached.fill(0);
        r.barriersOpened.fill(0);
        for (int x = 1; x <= kReachColumns; ++x) {
            for (int y = 1; y <= kReachRows; ++y) {
                if (!r.reached[x][y]) continue;
                ++r.cellsReached;
                int code = level.map[x][y];
                if (isItemCode(code)) ++r.itemsReached[code];
                if (code >= tile::Barrier && code <= tile::CrossBarrier4) ++r.barriersOpened[code];
            }
        }
        bool grew = false;
        for (int item = tile::Axe; item <= tile::CandleStand; ++item) {
            if (r.itemsReached[item] > 0 && !have[item]) {
                have[item] = true;
                grew = true;
            }
        }
        if (!grew) return r;
    }
}

void checkSolvable(const LevelSource& source, std::vector<LevelProblem>& problems) {
    if (!source.doorRequired) return;
    const LevelData& level = *source.level;
    if (!insideReach(level.playerX, level.playerY)) return;  // validateLevel reports it
    SolverOptions options;
    options.findRoute = false;
    const SolverResult solved = solveLevel(level, options);
    if (solved.finished) return;

    // Name the closed barriers at the edge of what a walk reaches, as a hint.
    Reachability r = exploreLevel(level);
    std::string hint;
    int shown = 0;
    for (int x = 1; x <= kReachColumns && shown < 4; ++x) {
        for (int y = 1; y <= kReachRows && shown < 4; ++y) {
            int code = level.map[x][y];
            if (r.reached[x][y] || code < tile::Barrier || code > tile::CrossBarrier4) continue;
            bool touched = (x > 1 && r.reached[x - 1][y]) || (x < kReachColumns && r.reached[x + 1][y]) ||
                           (y > 1 && r.reached[x][y - 1]) || (y < kReachRows && r.reached[x][y + 1]);
            if (!touched) continue;
            hint += (shown ? ", " : "; closed: ") + tileName(code) + " at " + cellText(x, y);
            ++shown;
        }
    }
    std::string why = solved.complete ? "the door cannot be reached from the start "
                                      : "no way to the door was found within the search's limit from the start ";
    problems.push_back({source.fileName, source.gridLine,
                        why + cellText(level.playerX, level.playerY) + " (" + std::to_string(r.cellsReached) +
                            " cells reached" + hint + ")"});
}
