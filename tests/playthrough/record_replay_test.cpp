// A live game recorded with --record plays back as the game that was played.
//
// On every shipped labyrinth a random player walks the wizard live, through
// the held keys and the real frame loop, with the recorder on: he keeps a
// direction for a while, so the view turns both ways, turns back on the
// view's last cell and right after a turn, stands idle now and then, and
// presses the action key on item cells (and now and then elsewhere, on
// flames and embers too). The recording is read back as the title screen
// reads a demonstration and played in the frame loop; after every code
// played, the wizard's cell and view must be those the live game had after
// the command the code records.
//
// Two things the walk leaves out on purpose: water and the door (the walk
// would end there, and playback ends at the same code), and laying a
// shooting star down on an item cell: playback fires a star the moment it
// is taken up, so a star laid down and taken up again is the one thing no
// recording can replay (see game/front/recording.cpp). The energy is kept
// full in both runs, since playback's creatures go their own ways.
#include "common/demo_file.h"
#include "common/level_list.h"
#include "common/move_check.h"
#include "common/tile_codes.h"
#include "game/flow/flow.h"
#include "game/front/demonstration.h"
#include "game/front/recording.h"
#include "game/world/game_constants.h"
#include "game/world/world.h"
#include "platform/headless/headless.h"
#include "tests/playthrough/route_player.h"
#include "tests/support/scratch_dir.h"
#include "tests/world/game_fixture.h"

#include <cstdint>
#include <cstdio>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Virtual time one clock reading takes, as the play-throughs run the loop.
constexpr double kPassTime = 5e-4;
// Walks per labyrinth, each with a seed of its own.
constexpr int kSeeds = 4;
// Codes one walk records: most of what playback plays (999).
constexpr int kCodesPerWalk = 700;
// Frames a walk may take before the test gives up on it.
constexpr int kFrameBudget = 40000;
// The name the recording is made under: the title's first demonstration.
constexpr const char* kRecordName = "Demo";

// The arrow key of each entry of kWalkDirections (up, right, down, left).
constexpr int kArrowKeys[] = {scancode::Up, scancode::Right, scancode::Down, scancode::Left};
static_assert(std::size(kArrowKeys) == std::size(kWalkDirections));

// Where the wizard is, as a recording must reproduce it, and the key or
// treasure in his hand, which decides where he may walk. (A weapon or star
// in hand may differ: playback's creatures go their own ways, and a star
// taken up is fired at once there.)
struct Place {
    int level = 0, x = 0, y = 0, viewX = 0, viewY = 0, opener = 0;
    bool operator==(const Place&) const = default;
};

Place placeNow() {
    const int opener = world.heldItem >= tile::Key ? world.heldItem : 0;
    return {world.level, world.playerX, world.playerY, world.viewX, world.viewY, opener};
}

std::string describe(const Place& p) {
    std::ostringstream s;
    s << "labyrinth " << p.level << " cell (" << p.x << "," << p.y << ") view (" << p.viewX << "," << p.viewY
      << ") key " << p.opener;
    return s.str();
}

Walker walkerNow() { return {world.playerX, world.playerY, world.viewX, world.viewY, world.heldItem}; }

// The random player: before each frame that finds the wizard at rest, the
// key he holds for it (or none). He walks to a random place a few screens
// away along a shortest way (through barriers his item opens), so the view
// turns often; on the way he turns back on the view's last cell now and
// then, or turns a view back right after it turned, stands idle a frame,
// and acts on item cells (now and then elsewhere too).
class RandomPlayer {
public:
    explicit RandomPlayer(std::uint32_t seed) : random_(seed) {}

    void decide() {
        const Walker w = walkerNow();
        const bool onItem = isExchangedCode(cellAt(w.x, w.y));
        const bool mayAct = !(onItem && w.held == tile::ShootingStar);
        if (mayAct && chance(onItem ? 0.4 : 0.03)) return hold(chance(0.5) ? scancode::Space : scancode::Enter);
        if (chance(0.05)) return hold(0);
        stuck_ = w == last_ ? stuck_ + 1 : 0;
        last_ = w;
        if (!detour_.empty()) {
            const std::size_t way = detour_.back();
            detour_.pop_back();
            return hold(safe(kWalkDirections[way], w) ? kArrowKeys[way] : 0);
        }
        while (!path_.empty() && path_.back() == Cell{w.x, w.y}) path_.pop_back();
        if (path_.empty() || stuck_ > 2) plan(w);
        if (path_.empty()) return hold(0);
        const Cell next = path_.back();
        std::size_t way = 0;
        while (kWalkDirections[way].dx != next.x - w.x || kWalkDirections[way].dy != next.y - w.y) ++way;
        if (atViewEdge(kWalkDirections[way], w) && chance(0.3)) {
            way = opposite(way);  // back from the view's last cell, then on again
            detour_.push_back(opposite(way));
        } else if (atViewEdge(kWalkDirections[opposite(way)], w) && !turnedBack_ && chance(0.3)) {
            turnedBack_ = true;  // the view just turned: turn it back and again
            detour_.push_back(way);
            way = opposite(way);
        } else {
            turnedBack_ = false;
        }
        hold(safe(kWalkDirections[way], w) ? kArrowKeys[way] : 0);
    }

    void releaseAll() { hold(0); }

private:
    struct Cell {
        int x = 0, y = 0;
        bool operator==(const Cell&) const = default;
    };

    static std::size_t opposite(std::size_t way) { return (way + 2) % 4; }

    // A move that way neither drowns him nor takes the door.
    static bool safe(const WalkDirection& d, const Walker& w) {
        const MoveOutcome out = checkMove(d, w, cellAt);
        return !out.drowned && !out.door;
    }

    // A shortest way to a random cell among those reachable from w, without
    // water and the door; item cells are picked more often.
    void plan(const Walker& w) {
        path_.clear();
        stuck_ = 0;
        std::vector<int> from(static_cast<std::size_t>(kMapColumns) * kMapRows, -1);
        const auto index = [](int x, int y) {
            return static_cast<std::size_t>(x) * kMapRows + static_cast<std::size_t>(y);
        };
        std::vector<Cell> reached{{w.x, w.y}};
        from[index(w.x, w.y)] = static_cast<int>(index(w.x, w.y));
        for (std::size_t i = 0; i < reached.size(); ++i) {
            const Cell c = reached[i];
            for (const WalkDirection& d : kWalkDirections) {
                const Cell n{c.x + d.dx, c.y + d.dy};
                if (!isReachable(n.x, n.y) || from[index(n.x, n.y)] >= 0) continue;
                const int code = cellAt(n.x, n.y);
                if (!(isSafeFooting(code) || opensBarrier(code, w.held, d.approach)) || code == tile::Door) continue;
                from[index(n.x, n.y)] = static_cast<int>(index(c.x, c.y));
                reached.push_back(n);
            }
        }
        if (reached.size() < 2) return;
        std::vector<Cell> items;
        for (const Cell& c : reached) {
            if (isExchangedCode(cellAt(c.x, c.y))) items.push_back(c);
        }
        const std::vector<Cell>& pool = !items.empty() && chance(0.3) ? items : reached;
        Cell target = pool[random_() % pool.size()];
        while (!(target == Cell{w.x, w.y})) {
            path_.push_back(target);
            const auto back = static_cast<std::size_t>(from[index(target.x, target.y)]);
            target = {static_cast<int>(back / kMapRows), static_cast<int>(back % kMapRows)};
        }
    }

    bool chance(double p) { return std::uniform_real_distribution<double>(0.0, 1.0)(random_) < p; }

    void hold(int key) {
        if (key == held_) return;
        if (held_ != 0) headless::keyUp(held_, headless::clock());
        if (key != 0) headless::keyDown(key, headless::clock());
        held_ = key;
    }

    std::mt19937 random_;
    std::vector<Cell> path_;           // the cells still to walk, the next one last
    std::vector<std::size_t> detour_;  // moves (kWalkDirections) to make first, the next one last
    bool turnedBack_ = false;          // the last move turned a view back
    Walker last_;                      // the wizard at the last move
    int stuck_ = 0;                    // decisions in a row that found him where the last one did
    int held_ = 0;                     // the key held, 0 for none
};

// What a walk went through, to show that it tried what it should.
struct WalkCounts {
    int turnsRight = 0, turnsLeft = 0;  // views turned that way
    int turnsVertical = 0;              // views turned up or down
    int backFromEdge = 0;               // a step onto the view's last cell, then one back
    int actions = 0;                    // codes 5 kept
    int barriers = 0;                   // barriers opened by a move
};

class RecordReplay : public GameFixture, public ::testing::WithParamInterface<int> {
protected:
    ScratchDir dir;

    // One live walk on `level`, recorded; live[k] is the wizard after the
    // command of code k (live[0] the start). Returns the codes written.
    RecordingMoves walkLive(int level, std::uint32_t seed, std::vector<Place>& live) {
        startLevel(level);
        world.mode = GameMode::Live;
        world.recordName = kRecordName;
        startRecording();
        live.assign(1, placeNow());
        RandomPlayer player(seed);
        player.decide();
        double lastFrame = timerSeconds();
        for (int frames = 0; world.recordedCount < kCodesPerWalk && frames < kFrameBudget;) {
            world.energy = kFullEnergy;
            const double before = lastFrame;
            if (!loopPass(lastFrame)) {
                ADD_FAILURE() << "the live game ended, " << describe(placeNow());
                break;
            }
            while (static_cast<int>(live.size()) <= world.recordedCount) live.push_back(placeNow());
            if (lastFrame == before) continue;
            ++frames;
            if (playerAtRest()) player.decide();
        }
        EXPECT_GE(world.recordedCount, kCodesPerWalk) << "the walk ran out of frames";
        player.releaseAll();
        headless::advance(0.1);
        finishRecording();
        RecordingMoves moves{};
        EXPECT_TRUE(readRecording(recordingFilePath(kRecordName), moves));
        return moves;
    }

    // The recording played as the title screen plays its first
    // demonstration, on `level`; played[k] is the wizard after code k.
    static std::vector<Place> playBack(int level) {
        world = World{};
        resetForNewGame();
        world.demoCycle = 0;
        startDemonstration();
        world.level = level;  // the title's four demonstrations name labyrinths 1 to 4 only
        world.mode = GameMode::Demonstration;
        double lastFrame = startPlay();
        std::vector<Place> played{placeNow()};
        for (;;) {
            world.energy = kFullEnergy;
            if (!loopPass(lastFrame)) break;
            while (static_cast<int>(played.size()) < world.demoStep) played.push_back(placeNow());
        }
        EXPECT_EQ(world.demoStep, kRecordingMoves) << "playback ended early, " << describe(placeNow());
        return played;
    }
};

void count(const RecordingMoves& moves, const std::vector<Place>& live, WalkCounts& counts) {
    for (std::size_t k = 1; k < live.size(); ++k) {
        const Place& a = live[k - 1];
        const Place& b = live[k];
        counts.turnsRight += b.viewX > a.viewX;
        counts.turnsLeft += b.viewX < a.viewX;
        counts.turnsVertical += b.viewY != a.viewY;
        counts.actions += moves[k] == static_cast<int>(Command::Action);
        counts.barriers += moves[k] != static_cast<int>(Command::Action) && a.opener != 0 && b.opener == 0;
        // A step onto the view's last cell that way, then a step back.
        const bool stepped = a.viewX == b.viewX && a.viewY == b.viewY && (a.x != b.x || a.y != b.y);
        if (stepped && k + 1 < live.size() && live[k + 1] == a) {
            const WalkDirection& d = *walkDirection(b.x > a.x   ? Command::Right
                                                    : b.x < a.x ? Command::Left
                                                    : b.y > a.y ? Command::Down
                                                                : Command::Up);
            counts.backFromEdge += atViewEdge(d, Walker{b.x, b.y, b.viewX, b.viewY, 0});
        }
    }
}

TEST_P(RecordReplay, ThePlayedBackRecordingWalksTheCellsAndViewsOfTheLiveGame) {
    const int level = GetParam();
    ASSERT_TRUE(copyStagedLevels());
    headless::setTimerStep(kPassTime);
    WalkCounts counts;
    for (int seed = 1; seed <= kSeeds; ++seed) {
        std::vector<Place> live;
        const RecordingMoves moves = walkLive(level, static_cast<std::uint32_t>(seed * 7919 + level), live);
        if (HasFailure()) return;
        EXPECT_EQ(moves[kRecordingMoves], 0);
        count(moves, live, counts);
        const std::vector<Place> played = playBack(level);
        for (std::size_t k = 1; k < live.size(); ++k) {
            ASSERT_LT(k, played.size());
            ASSERT_EQ(played[k], live[k])
                << "seed " << seed << ", code " << k << " (" << moves[k] << "): played back " << describe(played[k])
                << ", live " << describe(live[k]) << "; before it " << describe(live[k - 1]);
        }
    }
    std::printf("labyrinth %d: views turned %d right, %d left, %d up or down; %d steps back from the edge; %d "
                "actions kept; %d barriers opened\n",
                level, counts.turnsRight, counts.turnsLeft, counts.turnsVertical, counts.backFromEdge, counts.actions,
                counts.barriers);
    EXPECT_GT(counts.turnsRight, 0);
    EXPECT_GT(counts.turnsLeft, 0);
    EXPECT_GT(counts.backFromEdge, 0);
    EXPECT_GT(counts.actions, 0);
}

INSTANTIATE_TEST_SUITE_P(Shipped, RecordReplay, ::testing::Range(1, kLevelCount + 1),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return "Labyrinth" + std::to_string(info.param);
                         });

}  // namespace
