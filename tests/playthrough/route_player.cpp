// route_player.cpp — drives the frame loop with held keys, one route command
// at a time, and watches what each command does.
#include "tests/playthrough/route_player.h"

#include "game/world/level_loader.h"
#include "game/flow/flow.h"
#include "game/world/scene.h"
#include "game/world/world.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"

#include <algorithm>
#include <sstream>

namespace {

// Virtual time one clock reading takes: about 200 loop passes per frame,
// so the chase steps between frames run as often as in a fast real loop.
constexpr double kPassTime = 1e-4;
// A step glides in 8 frames; the wizard must be at rest well within this.
constexpr int kRestFrames = 20;
// After the last command the door is taken once the wizard stands on it.
constexpr int kDoorFrames = 20;
// Commands shown in a failure message, the failing one last.
constexpr std::size_t kTraceShown = 8;

// The key a player holds for each command, by PC set-1 scancode.
struct KeyOf {
    RouteCommand command;
    int scancode;
};
constexpr KeyOf kKeys[] = {
    {RouteCommand::Up, 72},   {RouteCommand::Right, 77},  {RouteCommand::Down, 80},
    {RouteCommand::Left, 75}, {RouteCommand::Action, 28},
};

int scancodeOf(RouteCommand c) {
    for (const KeyOf& k : kKeys) {
        if (k.command == c) return k.scancode;
    }
    return 0;
}

// What a command can change; a command took effect when this differs.
struct Snapshot {
    int x, y, viewX, viewY, held, cell, score;
    bool operator==(const Snapshot&) const = default;
};

Snapshot snapshot() {
    return {world.playerX, world.playerY, world.viewX,   world.viewY,
            world.heldItem, cellAt(world.playerX, world.playerY), world.score};
}

std::string describeWizard() {
    std::ostringstream s;
    s << "wizard at (" << world.playerX << "," << world.playerY << ") view (" << world.viewX << ","
      << world.viewY << "), energy " << world.energy << ", held " << world.heldItem << ", score "
      << world.score;
    return s.str();
}

enum class Stop { Reached, OutOfFrames, LevelLeft, GameEnded, EnergyLow };

class Runner {
public:
    explicit Runner(int level) : level_(level), lastFrame_(timerSeconds()) {}

    int frames() const { return frames_; }
    int lowestEnergy() const { return lowestEnergy_; }

    // Runs loop passes until reached() holds after a pass, the level is left,
    // the game ends, the energy falls below the reserve or `frameBudget`
    // frame steps have passed.
    template <typename Reached>
    Stop runUntil(Reached reached, int frameBudget) {
        const int lastAllowed = frames_ + frameBudget;
        for (;;) {
            const double before = lastFrame_;
            const bool going = loopPass(lastFrame_);
            if (lastFrame_ != before) ++frames_;
            lowestEnergy_ = std::min(lowestEnergy_, world.energy);
            if (world.level != level_) return Stop::LevelLeft;
            if (!going) return Stop::GameEnded;
            if (world.energy < kEnergyReserve) return Stop::EnergyLow;
            if (reached()) return Stop::Reached;
            if (frames_ >= lastAllowed) return Stop::OutOfFrames;
        }
    }

private:
    int level_;
    double lastFrame_;
    int frames_ = 0;
    int lowestEnergy_ = world.energy;
};

}  // namespace

void startLevel(int level) {
    world.energy = 99;
    world.level = level;
    world.heldItem = 0;
    world.score = 0;
    world.deathKind = 0;
    world.demoStep = 0;
    world.sceneShown = 1;  // no dissolve: it only takes time
    loadLevel();
    renderScene();
    world.playerOffsetX = 0;
    world.playerOffsetY = 0;
    wizardAppear();
    showHeldItem();
    drawPigs();
    drawFlameGhosts();
}

PlayResult playRoute(int level, const std::vector<RouteStep>& steps) {
    headless::setTimerStep(kPassTime);
    PlayResult result;
    Runner runner(level);
    std::size_t index = 0;  // the command being given, from 0

    const auto finish = [&](bool finished, const std::string& why) {
        result.finished = finished;
        result.frames = runner.frames();
        result.energy = world.energy;
        result.lowestEnergy = runner.lowestEnergy();
        result.score = world.score;
        if (finished) return result;
        std::ostringstream s;
        s << "level " << level << ", ";
        if (index < steps.size()) {
            s << "command #" << index + 1 << " '" << static_cast<char>(steps[index].command)
              << "' (route line " << steps[index].line << ")";
        } else {
            s << "after the last command";
        }
        s << ", frame " << runner.frames() << ": " << why << "; " << describeWizard();
        const std::size_t shown = std::min(result.trace.size(), kTraceShown);
        if (shown > 0) s << "\nlast commands:";
        for (std::size_t k = result.trace.size() - shown; k < result.trace.size(); ++k) {
            s << "\n  " << result.trace[k];
        }
        result.failure = s.str();
        return result;
    };
    // The end of a run that did not get what it waited for; `given` is the
    // number of commands given so far.
    const auto stopped = [&](Stop stop, std::size_t given, const std::string& outOfFrames) {
        switch (stop) {
            case Stop::LevelLeft:
                if (given == steps.size()) return finish(true, "");
                return finish(false, "the door was reached with " + std::to_string(steps.size() - given) +
                                         " command(s) still to give");
            case Stop::GameEnded:
                return finish(false, world.deathKind == 2   ? "the wizard drowned"
                                     : world.deathKind == 1 ? "the wizard died: his energy ran out"
                                                            : "the game ended");
            case Stop::EnergyLow:
                return finish(false, "energy below the reserve of " + std::to_string(kEnergyReserve));
            case Stop::OutOfFrames:
            case Stop::Reached:
                break;
        }
        return finish(false, outOfFrames);
    };

    for (; index < steps.size(); ++index) {
        const RouteStep& step = steps[index];
        Stop stop = runner.runUntil([] { return playerAtRest(); }, kRestFrames);
        if (stop != Stop::Reached) return stopped(stop, index, "the wizard never came to rest");
        if (step.command == RouteCommand::Wait) {
            // One frame with no key held.
            const int framesNow = runner.frames();
            stop = runner.runUntil([&] { return runner.frames() > framesNow; }, 1);
            if (stop != Stop::Reached && stop != Stop::OutOfFrames) return stopped(stop, index + 1, "");
            continue;
        }

        const int scancode = scancodeOf(step.command);
        const Snapshot before = snapshot();
        const int budget = step.command == RouteCommand::Action ? kActionFrames : kMoveFrames;
        headless::keyDown(scancode, headless::clock());
        stop = runner.runUntil([&] { return snapshot() != before; }, budget);
        headless::keyUp(scancode, headless::clock());
        std::ostringstream line;
        line << "#" << index + 1 << " " << static_cast<char>(step.command) << " (line " << step.line
             << "): " << describeWizard() << ", frame " << runner.frames();
        result.trace.push_back(line.str());
        // A level left here was left before this command acted: the door came early.
        if (stop != Stop::Reached) {
            return stopped(stop, index, "no effect within " + std::to_string(budget) + " frames");
        }

        // One frame without keys before the next command.
        const int framesNow = runner.frames();
        stop = runner.runUntil([&] { return runner.frames() > framesNow; }, 1);
        if (stop != Stop::Reached && stop != Stop::OutOfFrames) return stopped(stop, index + 1, "");
    }

    const Stop stop = runner.runUntil([] { return false; }, kDoorFrames);
    return stopped(stop, steps.size(), "the route ended before the door");
}
