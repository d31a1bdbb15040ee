// unsteady_player.cpp — the unsteady player of unsteady_player.h.
#include "tests/playthrough/unsteady_player.h"

#include "common/move_check.h"
#include "game/world/world.h"
#include "platform/headless/headless.h"

#include <climits>
#include <cstdlib>
#include <random>
#include <sstream>

namespace {

// Virtual time one clock reading takes: 40 loop passes a frame, enough for
// the creatures to start their next steps between frames as in a real loop.
constexpr double kPassTime = 5e-4;
// How far ahead along the way the player looks for where the wizard stands.
constexpr std::size_t kLookAhead = 4;
// Frames until the wizard is at rest again; a step takes 8.
constexpr int kRestFrames = 60;
// Frame budget of a run: this many frames a command, and some to spare.
constexpr int kFramesPerCommand = 40;
constexpr int kSpareFrames = 3000;

class Unsteady {
public:
    Unsteady(int level, const std::vector<RouteStep>& steps, const std::vector<WizardState>& way, std::uint32_t seed,
             const UnsteadyTiming& timing)
        : steps_(steps),
          way_(way),
          timing_(timing),
          random_(seed),
          runner_(level, INT_MIN),
          budget_(kFramesPerCommand * static_cast<int>(steps.size()) + kSpareFrames) {
        result_.energy.assign(way.size(), -1);
    }

    UnsteadyResult run() {
        std::size_t& at = at_;
        for (;;) {
            // A pause after the last key; then the player looks once the
            // wizard stands still (a key is seen released only at the
            // backend's next look at its events, so a step may still begin).
            const double pauseEnd = headless::clock() + draw(timing_.pauseMinMs, timing_.pauseMaxMs) / 1000.0;
            if (!wait([&] { return headless::clock() >= pauseEnd; }, budget_, "")) return result_;
            if (!wait([] { return playerAtRest(); }, kRestFrames, "the wizard never came to rest")) return result_;

            const WizardState now = currentWizardState();
            for (std::size_t k = at + 1; k < way_.size() && k <= at + kLookAhead; ++k) {
                if (way_[k] == now) {
                    at = k;
                    break;
                }
            }
            if (result_.energy[at] < 0) result_.energy[at] = world.energy;
            RouteCommand key;
            if (now == way_[at]) {
                if (at + 1 >= way_.size()) {
                    // On the door: the loop takes it on its next pass.
                    wait([] { return false; }, kRestFrames, "the way ended before the door");
                    return result_;
                }
                key = steps_[at].command;
                if (key == RouteCommand::Wait) {
                    ++at;
                    continue;
                }
            } else {
                // Steer back to the way: to the first state ahead with the
                // same item in hand and score (a weapon may have found its
                // creature a cell early), else lost.
                ++result_.corrections;
                std::size_t aim = at;
                while (aim < way_.size() && aim <= at + kLookAhead &&
                       (way_[aim].held != now.held || way_[aim].score != now.score))
                    ++aim;
                if (aim >= way_.size() || aim > at + kLookAhead || !steer(now, way_[aim], key))
                    return fail("lost the way");
            }
            const double up = headless::clock() + draw(timing_.holdMinMs, timing_.holdMaxMs) / 1000.0;
            headless::keyDown(scancodeOf(key), headless::clock());
            headless::keyUp(scancodeOf(key), up);
            ++result_.keys;
            if (!wait([&] { return headless::clock() >= up; }, budget_, "")) return result_;
        }
    }

private:
    int draw(int lowest, int highest) {
        return lowest + static_cast<int>(random_() % static_cast<std::uint32_t>(highest - lowest + 1));
    }

    UnsteadyResult& fail(const std::string& why) {
        result_.finished = false;
        std::ostringstream s;
        s << why << " near command #" << at_ + 1;
        if (at_ < steps_.size()) s << " (route line " << steps_[at_].line << ")";
        s << ", " << describeWizard();
        result_.failure = s.str();
        result_.frames = runner_.frames();
        return result_;
    }

    // Runs the loop until reached(); false when the run is over (the door,
    // the end of the game or the budget), with the result filled in.
    template <typename Reached>
    bool wait(Reached reached, int frames, const std::string& outOfFrames) {
        const int left = budget_ - runner_.frames();
        if (left <= 0) {
            fail("out of time");
            return false;
        }
        const Stop stop = runner_.runUntil(reached, std::min(frames, left));
        switch (stop) {
            case Stop::Reached: return true;
            case Stop::LevelLeft:
                result_.finished = true;
                result_.frames = runner_.frames();
                return false;
            case Stop::GameEnded:
                fail(world.deathKind == 2 ? "the wizard drowned" : "the wizard died: his energy ran out");
                return false;
            case Stop::EnergyLow:
            case Stop::OutOfFrames: break;
        }
        fail(outOfFrames.empty() || frames >= left ? "out of time" : outOfFrames);
        return false;
    }

    // The key that brings the wizard a step nearer to the cell and view of
    // `to`: along the axis with the larger distance first, never into a
    // wall or water; at the right cell, the flip to the right view.
    static bool steer(const WizardState& from, const WizardState& to, RouteCommand& key) {
        const int dx = to.x - from.x, dy = to.y - from.y;
        if (dx == 0 && dy == 0) {
            if (from.viewX != to.viewX)
                key = from.viewX < to.viewX ? RouteCommand::Right : RouteCommand::Left;
            else if (from.viewY != to.viewY)
                key = from.viewY < to.viewY ? RouteCommand::Down : RouteCommand::Up;
            else
                return false;
            return true;
        }
        const RouteCommand across = dx > 0 ? RouteCommand::Right : RouteCommand::Left;
        const RouteCommand along = dy > 0 ? RouteCommand::Down : RouteCommand::Up;
        const bool acrossFirst = std::abs(dx) >= std::abs(dy);
        for (RouteCommand c : {acrossFirst ? across : along, acrossFirst ? along : across}) {
            if ((c == across && dx == 0) || (c == along && dy == 0)) continue;
            const int nx = from.x + (c == RouteCommand::Right) - (c == RouteCommand::Left);
            const int ny = from.y + (c == RouteCommand::Down) - (c == RouteCommand::Up);
            const int code = cellAt(nx, ny);
            if (!isSafeFooting(code)) continue;
            key = c;
            return true;
        }
        return false;
    }

    const std::vector<RouteStep>& steps_;
    const std::vector<WizardState>& way_;
    UnsteadyTiming timing_;
    std::mt19937 random_;
    LoopRunner runner_;
    int budget_;
    UnsteadyResult result_;
    std::size_t at_ = 0;  // the last state of the way the wizard was seen in
};

}  // namespace

UnsteadyResult playUnsteadily(int level, const std::vector<RouteStep>& steps, const std::vector<WizardState>& way,
                              std::uint32_t seed, const UnsteadyTiming& timing) {
    headless::setTimerStep(kPassTime);
    if (way.size() != steps.size() + 1) {
        UnsteadyResult r;
        r.failure = "the way has " + std::to_string(way.size()) + " states for " + std::to_string(steps.size()) +
                    " commands";
        return r;
    }
    return Unsteady(level, steps, way, seed, timing).run();
}
