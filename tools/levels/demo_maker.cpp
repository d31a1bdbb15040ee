// demo_maker.cpp — turns a demonstration source into its recorded codes,
// walking it through the labyrinths as it goes. No global state.
#include "tools/levels/demo_maker.h"

#include "common/map_geometry.h"
#include "common/tile_codes.h"
#include "common/wizard_walk.h"

#include <memory>
#include <set>
#include <tuple>

namespace {

std::string tileName(int code) {
    const TileInfo* t = findTile(code);
    return t ? t->name : "code " + std::to_string(code);
}

// Why a move that was meant to step did not.
std::string whyNoStep(const WalkStep& step, const WalkMap& map) {
    switch (step.move.result) {
        case MoveResult::OutOfReach: return "the wizard is at the last reachable cell that way";
        case MoveResult::Blocked:
            return tileName(map.cell(step.move.cellX, step.move.cellY)) + " at " +
                   cellText(step.move.cellX, step.move.cellY) + " is in the way";
        case MoveResult::Flipped:
            return "the wizard stands at the view's edge, so it turns the view (a step onto the edge is "
                   "recorded twice only when the next move goes on that way)";
        case MoveResult::Stepped: break;
    }
    return "";
}

class Maker {
public:
    Maker(int first, const std::vector<const LevelData*>& levels, const std::string& fileName, Demonstration& out,
          std::vector<LevelProblem>& problems)
        : levels_(levels), fileName_(fileName), out_(out), problems_(problems) {
        enter(first);
    }

    bool run(const Route& route) {
        for (const RouteStep& step : route.steps) {
            if (!ok_) break;
            line_ = step.line;
            const int code = commandCode(step.command);
            if (!emit(code)) break;
            if (step.command == RouteCommand::Wait) continue;  // a wait keeps a weapon drawn
            const Command command = commandOfCode(code);
            if (command != Command::Action) spendWeapon();
            const Walker before = walker_;
            const WalkStep done = walkCommand(walker_, command, *map_, true);
            if (command == Command::Action) {
                if (done.exchanged) ++out_.exchanges;
                // Actions with a weapon in hand on a cell without an item
                // wait for its creature; the run of them is taken to find it.
                weaponDrawn_ = !done.exchanged && isWeapon(walker_.held);
                continue;
            }
            if (done.move.opened) ++out_.barriersOpened;
            if (done.move.result != MoveResult::Stepped) {
                fail("the move " + std::string(1, static_cast<char>(step.command)) + " from " +
                     cellText(before.x, before.y) + " does not step: " + whyNoStep(done, *map_));
                break;
            }
            if (done.move.drowned) {
                fail("the step to " + cellText(walker_.x, walker_.y) + " drowns the wizard");
                break;
            }
            const WalkDirection& d = *walkDirection(command);
            const bool edge = atViewEdge(d, walker_);
            if (done.move.door) enter(labyrinth_ % static_cast<int>(levels_.size()) + 1);
            noteEnd();
            if (edge) repeatForTheTurn(command, step.command);
            noteScreen();
        }
        for (int k = out_.codes + 1; k <= kRecordingMoves; ++k) out_.moves[static_cast<std::size_t>(k)] = 0;
        return ok_;
    }

private:
    // A weapon: an item that is not the shooting star and opens no barrier.
    static bool isWeapon(int code) {
        if (!isItemCode(code) || code == tile::ShootingStar) return false;
        for (std::size_t i = 0; i < kBarrierKeyCount; ++i)
            if (kBarrierKeys[i].item == code) return false;
        return true;
    }

    // The end of a run of actions with a weapon drawn: the weapon is spent.
    void spendWeapon() {
        if (weaponDrawn_) walker_.held = 0;
        weaponDrawn_ = false;
    }

    void fail(const std::string& message) {
        problems_.push_back({fileName_, line_, message});
        ok_ = false;
    }

    bool emit(int code) {
        if (out_.codes >= kRecordingMoves) {
            fail("the recording holds " + std::to_string(kRecordingMoves) + " codes; this one is one too many");
            return false;
        }
        ++out_.codes;
        out_.moves[static_cast<std::size_t>(out_.codes)] = code;
        return true;
    }

    // The second code of a step onto the view's edge: the turn the next move
    // that way makes. It must not step (it would, after a door that led into
    // the next labyrinth).
    void repeatForTheTurn(Command command, RouteCommand letter) {
        if (!emit(commandCode(letter))) return;
        const Walker before = walker_;
        const WalkStep again = walkCommand(walker_, command, *map_, true);
        if (again.move.opened) ++out_.barriersOpened;
        if (again.move.result == MoveResult::Stepped)
            fail("the code repeated for the view's edge steps from " + cellText(before.x, before.y) +
                 " instead of turning the view");
    }

    void enter(int labyrinth) {
        labyrinth_ = labyrinth;
        const LevelData& level = *levels_[static_cast<std::size_t>(labyrinth - 1)];
        map_ = std::make_unique<WalkMap>(level);
        const int held = walker_.held;  // the hand keeps its item from labyrinth to labyrinth
        walker_ = startWalker(level);
        walker_.held = held;
        ++out_.labyrinths;
        noteScreen();
        noteEnd();
    }

    // The walk's place while its codes are among those played.
    void noteEnd() {
        if (out_.codes > kRecordingMoves - 1 && out_.endLabyrinth != 0) return;
        out_.endLabyrinth = labyrinth_;
        out_.endX = walker_.x;
        out_.endY = walker_.y;
    }

    void noteScreen() {
        if (screens_.insert({labyrinth_, walker_.viewX, walker_.viewY}).second) ++out_.screens;
    }

    const std::vector<const LevelData*>& levels_;
    const std::string& fileName_;
    Demonstration& out_;
    std::vector<LevelProblem>& problems_;
    int labyrinth_ = 1;
    std::unique_ptr<WalkMap> map_;
    Walker walker_;
    std::set<std::tuple<int, int, int>> screens_;
    int line_ = 0;
    bool ok_ = true;
    bool weaponDrawn_ = false;  // the last code was an action with a weapon on a cell without an item
};

}  // namespace

bool makeDemonstration(const Route& route, int first, const std::vector<const LevelData*>& levels,
                       const std::string& fileName, Demonstration& out, std::vector<LevelProblem>& problems) {
    out = Demonstration{};
    if (levels.empty() || first < 1 || first > static_cast<int>(levels.size())) {
        problems.push_back({fileName, 0, "labyrinth " + std::to_string(first) + " is not among the levels given"});
        return false;
    }
    if (!route.error.empty()) {
        problems.push_back({fileName, 0, route.error});
        return false;
    }
    return Maker(first, levels, fileName, out, problems).run(route);
}
