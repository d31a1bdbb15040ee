// solver.cpp — the two searches of solver.h: what can be reached, over
// regions, and the shortest route, over cells and views.
//
// Map changes are one byte per changeable cell: for a barrier 0 shut and 1
// open, for an item cell the code it now holds, with every item that opens
// nothing still shut written as the axe (kAnyItem). They are interned, so a
// state refers to them by index. No global state.
#include "common/solver.h"

#include "common/barrier_keys.h"
#include "common/map_geometry.h"
#include "common/tile_codes.h"
#include "common/wizard_walk.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <unordered_map>
#include <unordered_set>

namespace {

// Every item that opens no barrier still shut stands for all of them.
constexpr int kAnyItem = tile::Axe;

// The held item packed into 4 bits: 0 none, 1 any item, 2.. the keys and
// treasures 40..46.
constexpr int heldIndex(int code) { return code == 0 ? 0 : code == kAnyItem ? 1 : code - tile::Key + 2; }
constexpr int heldCode(int index) { return index == 0 ? 0 : index == 1 ? kAnyItem : index - 2 + tile::Key; }

constexpr std::size_t cellIndex(int x, int y) {
    return static_cast<std::size_t>(x) * kMapRows + static_cast<std::size_t>(y);
}

// ---- The changeable cells and their codes ----

// The level's changeable cells: barriers and the cells the action exchanges.
class Changeables {
public:
    explicit Changeables(const LevelData& level) : level_(level), index_(cellIndex(kMapColumns, 0), 0) {
        for (int x = 1; x <= kReachColumns; ++x) {
            for (int y = 1; y <= kReachRows; ++y) {
                const int code = level.map[x][y];
                if (findBarrier(code) == nullptr && !isExchangedCode(code)) continue;
                index_[cellIndex(x, y)] = static_cast<int>(cells_.size()) + 1;
                cells_.push_back({x, y, code});
            }
        }
    }

    const std::vector<SolverCell>& cells() const { return cells_; }
    // Index of the cell in cells() + 1, or 0 when the cell never changes.
    int indexOf(int x, int y) const { return isMapCell(x, y) ? index_[cellIndex(x, y)] : 0; }
    bool isBarrier(std::size_t i) const { return findBarrier(cells_[i].code) != nullptr; }

    // The code a cell shows under the given changes; outside the map a wall.
    int code(const std::string& changes, int x, int y) const {
        if (!isMapCell(x, y)) return tile::RedWall;
        const int i = index_[cellIndex(x, y)];
        if (i == 0) return level_.map[x][y];
        const auto k = static_cast<std::size_t>(i - 1);
        const unsigned char value = static_cast<unsigned char>(changes[k]);
        if (isBarrier(k)) return value == 0 ? cells_[k].code : tile::Floor;
        return value;
    }

    // Writes the canonical form: an item that opens no barrier still shut
    // becomes kAnyItem, in hand and on the map. With `relaxed`, an emptied
    // item cell and an empty hand count as holding such an item too (see
    // solveLevel).
    void canonical(std::string& changes, int& held, bool relaxed) const {
        std::array<bool, tile::CandleStand + 1> opens{};
        for (std::size_t i = 0; i < cells_.size(); ++i) {
            if (isBarrier(i) && changes[i] == 0)
                opens[static_cast<std::size_t>(findBarrier(cells_[i].code)->item)] = true;
        }
        const auto reduce = [&](int code) {
            if (code == 0) return relaxed ? kAnyItem : 0;
            if (code >= tile::Key && code <= tile::CandleStand && opens[static_cast<std::size_t>(code)]) return code;
            return kAnyItem;
        };
        for (std::size_t i = 0; i < cells_.size(); ++i) {
            if (!isBarrier(i)) changes[i] = static_cast<char>(reduce(static_cast<unsigned char>(changes[i])));
        }
        held = reduce(held);
    }

    // The level as loaded: every barrier shut, every item in its place.
    std::string initial() const {
        std::string changes(cells_.size(), '\0');
        for (std::size_t i = 0; i < cells_.size(); ++i) {
            if (!isBarrier(i)) changes[i] = static_cast<char>(cells_[i].code);
        }
        return changes;
    }

    // The barrier bytes alone: what decides which cells are connected.
    std::string barrierPart(const std::string& changes) const {
        std::string part;
        for (std::size_t i = 0; i < cells_.size(); ++i)
            if (isBarrier(i)) part += changes[i];
        return part;
    }

private:
    const LevelData& level_;
    std::vector<int> index_;  // [cellIndex(x, y)]
    std::vector<SolverCell> cells_;
};

// Interned map changes.
class ChangeTable {
public:
    std::uint32_t intern(const std::string& changes) {
        auto [it, added] = index_.try_emplace(changes, static_cast<std::uint32_t>(all_.size()));
        if (added) all_.push_back(changes);
        return it->second;
    }
    const std::string& operator[](std::uint32_t i) const { return all_[i]; }

private:
    std::vector<std::string> all_;
    std::unordered_map<std::string, std::uint32_t> index_;
};

// The map as moveWalker and exchangeItem see it: the level with one set of
// changes, copied only when a command changes it.
class ChangedMap {
public:
    ChangedMap(const Changeables& changeables, const std::string& base) : changeables_(changeables), base_(&base) {}

    int cell(int x, int y) const { return changeables_.code(changed_ ? own_ : *base_, x, y); }
    void setCell(int x, int y, int code) {
        const int i = changeables_.indexOf(x, y);
        if (i == 0) return;  // only changeable cells ever change
        if (!changed_) own_ = *base_;
        changed_ = true;
        const auto k = static_cast<std::size_t>(i - 1);
        own_[k] = static_cast<char>(changeables_.isBarrier(k) ? 1 : code);
    }
    bool changed() const { return changed_; }
    std::string& changes() { return own_; }  // the changed copy

private:
    const Changeables& changeables_;
    const std::string* base_;
    std::string own_;
    bool changed_ = false;
};

// ---- What can be reached: regions ----

// One region: cells connected by steps under one set of shut barriers.
struct Region {
    std::vector<std::size_t> items;  // changeable item cells inside
    // Shut barriers a step from inside leads into, and the way that step goes.
    std::vector<std::pair<std::size_t, Approach>> barriers;
    bool door = false;  // a step from inside leads onto the door
};

struct Regions {
    std::vector<int> label;  // [cellIndex(x, y)]: region, or -1 where the wizard cannot stand
    std::vector<Region> regions;
};

class ReachSearch {
public:
    ReachSearch(const LevelData& level, const Changeables& changeables, std::size_t stateLimit)
        : level_(level),
          changeables_(changeables),
          stateLimit_(stateLimit),
          reached_(changeables.cells().size(), false),
          opened_(changeables.cells().size(), false) {}

    void run(SolverResult& result) {
        std::string start = changeables_.initial();
        int held = 0;
        changeables_.canonical(start, held, true);
        const Regions& first = regionsOf(start);
        const int startRegion = first.label[cellIndex(level_.playerX, level_.playerY)];
        add(changes_.intern(start), held, startRegion);

        for (std::size_t next = 0; next < states_.size(); ++next) {
            if (states_.size() >= stateLimit_) {
                result.states = states_.size();
                return;
            }
            const AbstractState s = states_[next];
            const std::string changes = changes_[s.changes];  // a copy: interning may move the table
            const Regions& regions = regionsOf(changes);
            const Region& region = regions.regions[static_cast<std::size_t>(s.region)];
            if (region.door) result.finished = true;
            for (std::size_t item : region.items) {
                reached_[item] = true;
                std::string after = changes;
                int hand = static_cast<unsigned char>(after[item]);
                after[item] = static_cast<char>(s.held);
                changeables_.canonical(after, hand, true);
                add(changes_.intern(after), hand, s.region);
            }
            for (const auto& [barrier, approach] : region.barriers) {
                const SolverCell& cell = changeables_.cells()[barrier];
                if (!opensBarrier(cell.code, s.held, approach)) continue;
                opened_[barrier] = true;
                std::string after = changes;
                after[barrier] = 1;
                int hand = 0;
                changeables_.canonical(after, hand, true);
                const std::uint32_t id = changes_.intern(after);
                add(id, hand, regionsOf(changes_[id]).label[cellIndex(cell.x, cell.y)]);
            }
        }
        result.states = states_.size();
        result.complete = true;
        report(result);
    }

private:
    struct AbstractState {
        std::uint32_t changes;
        int held;
        int region;
    };

    void add(std::uint32_t changes, int held, int region) {
        if (region < 0) return;
        const std::uint64_t key = static_cast<std::uint64_t>(changes) << 24 |
                                  static_cast<std::uint64_t>(heldIndex(held)) << 20 | static_cast<std::uint64_t>(region);
        if (seen_.insert(key).second) states_.push_back({changes, held, region});
    }

    // The regions under the barriers of `changes`, worked out once per set of
    // open barriers.
    const Regions& regionsOf(const std::string& changes) {
        const std::string part = changeables_.barrierPart(changes);
        auto it = regionCache_.find(part);
        if (it != regionCache_.end()) return it->second;
        return regionCache_.emplace(part, buildRegions(changes)).first->second;
    }

    // The wizard can stand on a cell he can step onto without drowning or
    // leaving the level; the start counts whatever it holds.
    bool standable(const std::string& changes, int x, int y) const {
        if (!isReachable(x, y)) return false;
        if (x == level_.playerX && y == level_.playerY) return true;
        const int code = changeables_.code(changes, x, y);
        return isSafeFooting(code) && code != tile::Door;
    }

    Regions buildRegions(const std::string& changes) const {
        Regions r;
        r.label.assign(cellIndex(kMapColumns, 0), -1);
        std::vector<std::pair<int, int>> stack;
        for (int x = 1; x <= kReachColumns; ++x) {
            for (int y = 1; y <= kReachRows; ++y) {
                if (r.label[cellIndex(x, y)] >= 0 || !standable(changes, x, y)) continue;
                const int id = static_cast<int>(r.regions.size());
                r.regions.emplace_back();
                Region& region = r.regions.back();
                r.label[cellIndex(x, y)] = id;
                stack.assign(1, {x, y});
                while (!stack.empty()) {
                    const auto [cx, cy] = stack.back();
                    stack.pop_back();
                    const int here = changeables_.indexOf(cx, cy);
                    if (here > 0 && !changeables_.isBarrier(static_cast<std::size_t>(here - 1)))
                        region.items.push_back(static_cast<std::size_t>(here - 1));
                    for (const WalkDirection& d : kWalkDirections) {
                        if (!stepStaysInReach(d, cx, cy)) continue;
                        const int nx = cx + d.dx, ny = cy + d.dy;
                        const int code = changeables_.code(changes, nx, ny);
                        if (code == tile::Door) region.door = true;
                        const int there = changeables_.indexOf(nx, ny);
                        if (there > 0 && changeables_.isBarrier(static_cast<std::size_t>(there - 1)) &&
                            !isEnterableCode(code)) {
                            const std::pair<std::size_t, Approach> b{static_cast<std::size_t>(there - 1), d.approach};
                            if (std::find(region.barriers.begin(), region.barriers.end(), b) == region.barriers.end())
                                region.barriers.push_back(b);
                        }
                        if (r.label[cellIndex(nx, ny)] >= 0 || !standable(changes, nx, ny)) continue;
                        r.label[cellIndex(nx, ny)] = id;
                        stack.push_back({nx, ny});
                    }
                }
            }
        }
        return r;
    }

    void report(SolverResult& result) const {
        std::array<bool, tile::CandleStand + 1> used{};
        const std::vector<SolverCell>& cells = changeables_.cells();
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (!changeables_.isBarrier(i)) continue;
            if (opened_[i])
                used[static_cast<std::size_t>(findBarrier(cells[i].code)->item)] = true;
            else
                result.barriersNeverOpened.push_back(cells[i]);
        }
        for (std::size_t i = 0; i < cells.size(); ++i) {
            const SolverCell& c = cells[i];
            if (!isItemCode(c.code)) continue;
            if (!reached_[i])
                result.itemsNeverReached.push_back(c);
            else if (c.code >= tile::Key && !used[static_cast<std::size_t>(c.code)])
                result.keysNeverUsed.push_back(c);
        }
    }

    const LevelData& level_;
    const Changeables& changeables_;
    std::size_t stateLimit_;
    ChangeTable changes_;
    std::map<std::string, Regions> regionCache_;
    std::unordered_set<std::uint64_t> seen_;
    std::vector<AbstractState> states_;
    std::vector<bool> reached_;  // [changeable]: an item cell inside a region reached
    std::vector<bool> opened_;   // [changeable]: a barrier some state opened
};

// ---- The shortest route: cells and views ----

// View offsets stored with this bias, so that a view a damaged start sent
// below 0 still packs into 9 bits.
constexpr int kViewBias = 256;
constexpr int kViewPackLimit = 511;

struct RouteState {
    std::uint32_t changes = 0;  // index of the map changes
    Walker walker;
};

std::uint64_t pack(const RouteState& s) {
    return static_cast<std::uint64_t>(s.changes) << 38 | static_cast<std::uint64_t>(heldIndex(s.walker.held)) << 34 |
           static_cast<std::uint64_t>(s.walker.x) << 26 | static_cast<std::uint64_t>(s.walker.y) << 18 |
           static_cast<std::uint64_t>(s.walker.viewX + kViewBias) << 9 |
           static_cast<std::uint64_t>(s.walker.viewY + kViewBias);
}

RouteState unpack(std::uint64_t key) {
    RouteState s;
    s.changes = static_cast<std::uint32_t>(key >> 38);
    s.walker.held = heldCode(static_cast<int>(key >> 34 & 0xF));
    s.walker.x = static_cast<int>(key >> 26 & 0xFF);
    s.walker.y = static_cast<int>(key >> 18 & 0xFF);
    s.walker.viewX = static_cast<int>(key >> 9 & 0x1FF) - kViewBias;
    s.walker.viewY = static_cast<int>(key & 0x1FF) - kViewBias;
    return s;
}

bool packable(const Walker& w) {
    return w.viewX + kViewBias >= 0 && w.viewX + kViewBias <= kViewPackLimit && w.viewY + kViewBias >= 0 &&
           w.viewY + kViewBias <= kViewPackLimit;
}

class RouteSearch {
public:
    RouteSearch(const LevelData& level, const Changeables& changeables, std::size_t stateLimit)
        : level_(level), changeables_(changeables), stateLimit_(stateLimit) {}

    // A* search up to the first state on the door. Each command costs 1; the
    // estimate of what is left is the number of steps to the door with every
    // barrier open, which no route can beat (a flip or an action only adds),
    // so the first door found is reached by a shortest route.
    void run(SolverResult& result) {
        measureDistances();
        Walker start{level_.playerX, level_.playerY, level_.viewX, level_.viewY, 0};
        std::string changes = changeables_.initial();
        changeables_.canonical(changes, start.held, false);
        add({changes_.intern(changes), start}, 0, Command::None, 0);

        for (std::size_t f = 0; f < open_.size() && nodes_.size() < stateLimit_; ++f) {
            while (!open_[f].empty() && nodes_.size() < stateLimit_) {
                const auto [index, g] = open_[f].back();
                open_[f].pop_back();
                if (nodes_[index].g != g) continue;  // reached more cheaply since
                if (expand(index, result)) return;
            }
        }
        result.routeStates = nodes_.size();
    }

private:
    // One explored state and how it was reached.
    struct Node {
        std::uint64_t key;
        std::uint32_t parent;  // index of the node it came from; 0 for the start
        std::uint32_t g;       // commands from the start
        Command command;       // the command that led here
    };

    static constexpr std::uint32_t kFar = 0xFFFFFFFF;

    // Steps from every cell to the nearest door, barriers taken as open and
    // water as solid.
    void measureDistances() {
        distance_.assign(cellIndex(kMapColumns, 0), kFar);
        std::vector<std::pair<int, int>> queue;
        for (int x = 1; x <= kReachColumns; ++x) {
            for (int y = 1; y <= kReachRows; ++y) {
                if (level_.map[x][y] != tile::Door) continue;
                distance_[cellIndex(x, y)] = 0;
                queue.push_back({x, y});
            }
        }
        for (std::size_t next = 0; next < queue.size(); ++next) {
            const auto [x, y] = queue[next];
            for (const WalkDirection& d : kWalkDirections) {
                // The wizard's step from (nx, ny) leads here.
                const int nx = x - d.dx, ny = y - d.dy;
                if (!isReachable(nx, ny) || distance_[cellIndex(nx, ny)] != kFar) continue;
                const int code = level_.map[nx][ny];
                const bool passable = isSafeFooting(code) || findBarrier(code) != nullptr ||
                                      (nx == level_.playerX && ny == level_.playerY);
                if (!passable) continue;
                distance_[cellIndex(nx, ny)] = distance_[cellIndex(x, y)] + 1;
                queue.push_back({nx, ny});
            }
        }
    }

    // Tries the commands from one state; true once the door is found.
    bool expand(std::uint32_t index, SolverResult& result) {
        const RouteState state = unpack(nodes_[index].key);
        const std::uint32_t g = nodes_[index].g + 1;
        // A copy: interning may move the table.
        const std::string changes = changes_[state.changes];
        for (const WalkDirection& d : kWalkDirections) {
            ChangedMap map(changeables_, changes);
            Walker w = state.walker;
            const MoveOutcome out = moveWalker(w, d, map);
            if (out.result == MoveResult::OutOfReach || out.result == MoveResult::Blocked) continue;
            if (out.result == MoveResult::Stepped) {
                const int code = map.cell(w.x, w.y);
                if (drownsOn(code)) continue;
                if (code == tile::Door) {
                    result.route = routeTo(index, d.command);
                    result.routeStates = nodes_.size();
                    return true;
                }
            }
            follow(index, d.command, w, map, g);
        }
        ChangedMap map(changeables_, changes);
        Walker w = state.walker;
        if (exchangeItem(w, map)) follow(index, Command::Action, w, map, g);
        return false;
    }

    void add(const RouteState& state, std::uint32_t parent, Command command, std::uint32_t g) {
        if (!packable(state.walker)) return;
        const std::uint32_t h = distance_[cellIndex(state.walker.x, state.walker.y)];
        if (h == kFar) return;  // no door can be reached from there
        const std::uint64_t key = pack(state);
        auto [it, added] = best_.try_emplace(key, static_cast<std::uint32_t>(nodes_.size()));
        if (added) {
            nodes_.push_back({key, parent, g, command});
        } else {
            Node& node = nodes_[it->second];
            if (node.g <= g) return;
            node = {key, parent, g, command};
        }
        const std::size_t f = g + h;
        if (open_.size() <= f) open_.resize(f + 1);
        open_[f].push_back({it->second, g});
    }

    // Queues the state a command led to, in canonical form. Only a barrier
    // opening or an exchange changes the hand, and both change the map.
    void follow(std::uint32_t from, Command command, Walker w, ChangedMap& map, std::uint32_t g) {
        std::uint32_t changes = unpack(nodes_[from].key).changes;
        if (map.changed()) {
            changeables_.canonical(map.changes(), w.held, false);
            changes = changes_.intern(map.changes());
        }
        add({changes, w}, from, command, g);
    }

    std::vector<Command> routeTo(std::uint32_t node, Command last) const {
        std::vector<Command> route{last};
        while (node != 0) {
            route.push_back(nodes_[node].command);
            node = nodes_[node].parent;
        }
        std::reverse(route.begin(), route.end());
        return route;
    }

    const LevelData& level_;
    const Changeables& changeables_;
    std::size_t stateLimit_;
    ChangeTable changes_;
    std::vector<std::uint32_t> distance_;                    // [cellIndex(x, y)]: steps to the door, kFar if none
    std::unordered_map<std::uint64_t, std::uint32_t> best_;  // state -> its node
    std::vector<Node> nodes_;
    // open_[f]: nodes (and the g they were queued with) whose g + h is f;
    // taken last in, first out, so the deepest of a tie goes first.
    std::vector<std::vector<std::pair<std::uint32_t, std::uint32_t>>> open_;
};

}  // namespace

SolverResult solveLevel(const LevelData& level, const SolverOptions& options) {
    SolverResult result;
    // A start outside the reachable cells, or on water, leads nowhere; a
    // start on the door leaves the level before any command.
    if (!isReachable(level.playerX, level.playerY) || drownsOn(level.map[level.playerX][level.playerY])) {
        result.complete = true;
        return result;
    }
    if (level.map[level.playerX][level.playerY] == tile::Door) {
        result.finished = result.complete = true;
        return result;
    }
    const Changeables changeables(level);
    // What can be reached is searched in a smaller space, in which the wizard
    // may also put his item down on a cell he emptied (the game lets him put
    // it down only in exchange for another). That changes no answer about
    // reaching: the map only ever opens up, so he can keep the item in hand
    // instead and leave it at the next exchange, at a cell he can come back
    // to as surely.
    ReachSearch(level, changeables, options.stateLimit).run(result);
    // The shortest route needs the game's own exchange, so it is searched
    // cell by cell without that freedom.
    if (result.finished && options.findRoute) RouteSearch(level, changeables, options.stateLimit).run(result);
    return result;
}
