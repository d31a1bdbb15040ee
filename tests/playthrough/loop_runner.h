// loop_runner.h — what the route players share: running the real frame loop
// pass by pass until something happens, the keys of the route commands, and
// the wizard's state as a player sees it.
#pragma once

#include "game/flow/flow.h"
#include "game/world/world.h"
#include "platform/platform.h"
#include "tools/levels/route_text.h"

#include <algorithm>
#include <climits>
#include <string>

// The key a player holds for a route command, by PC set-1 scancode; 0 for a wait.
int scancodeOf(RouteCommand command);

// What a command can change: where the wizard stands, the view, his hand
// and the score.
struct WizardState {
    int x = 0, y = 0, viewX = 0, viewY = 0, held = 0, score = 0;
    bool operator==(const WizardState&) const = default;
};
WizardState currentWizardState();

// "wizard at (x,y) view (vx,vy), energy e, held h, score s"
std::string describeWizard();

enum class Stop { Reached, OutOfFrames, LevelLeft, GameEnded, EnergyLow };

// Runs the frame loop of one labyrinth and counts its frame steps.
class LoopRunner {
public:
    // The run ends early once the energy falls below `energyReserve`.
    LoopRunner(int level, int energyReserve) : level_(level), reserve_(energyReserve), lastFrame_(timerSeconds()) {}

    int frames() const { return frames_; }
    int lowestEnergy() const { return lowestEnergy_; }

    // Runs loop passes until reached() holds after a pass, the level is left,
    // the game ends, the energy falls below the reserve or `frameBudget`
    // frame steps have passed.
    template <typename Reached>
    Stop runUntil(Reached reached, int frameBudget) {
        const int lastAllowed = frameBudget >= INT_MAX - frames_ ? INT_MAX : frames_ + frameBudget;
        for (;;) {
            const double before = lastFrame_;
            const bool going = loopPass(lastFrame_);
            if (lastFrame_ != before) ++frames_;
            lowestEnergy_ = std::min(lowestEnergy_, world.energy);
            if (world.level != level_) return Stop::LevelLeft;
            if (!going) return Stop::GameEnded;
            if (world.energy < reserve_) return Stop::EnergyLow;
            if (reached()) return Stop::Reached;
            if (frames_ >= lastAllowed) return Stop::OutOfFrames;
        }
    }

private:
    int level_;
    int reserve_;
    double lastFrame_;
    int frames_ = 0;
    int lowestEnergy_ = world.energy;
};
