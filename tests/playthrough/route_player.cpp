// route_player.cpp — drives the frame loop with held keys, one route command
// at a time, and watches what each command does.
#include "tests/playthrough/route_player.h"

#include "tests/playthrough/loop_runner.h"

#include "common/level_list.h"
#include "game/flow/flow.h"
#include "game/world/command_table.h"
#include "game/world/level_loader.h"
#include "game/world/scene.h"
#include "game/world/world.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"

#include <algorithm>
#include <filesystem>
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

// What a command can change; a command took effect when this differs.
struct Snapshot {
    WizardState wizard;
    int cell;
    bool operator==(const Snapshot&) const = default;
};

Snapshot snapshot() { return {currentWizardState(), cellAt(world.playerX, world.playerY)}; }

}  // namespace

// The key a player holds for a command: the first key of the game's command
// table that issues it.
int scancodeOf(RouteCommand command) {
    const Command wizard = commandOfCode(commandCode(command));
    for (const GameKey& key : gameKeys()) {
        const bool issues = wizard != Command::None && wizardCommand(key.command) == wizard;
        if ((key.places & kInPlay) != 0 && key.scancode != 0 && issues) return key.scancode;
    }
    return 0;
}

WizardState currentWizardState() {
    return {world.playerX, world.playerY, world.viewX, world.viewY, world.heldItem, world.score};
}

std::string describeWizard() {
    std::ostringstream s;
    s << "wizard at (" << world.playerX << "," << world.playerY << ") view (" << world.viewX << "," << world.viewY
      << "), energy " << world.energy << ", held " << world.heldItem << ", score " << world.score;
    return s.str();
}

::testing::AssertionResult copyStagedLevels() {
    const std::filesystem::path staged(ZL_LEVEL_STAGE_DIR);
    for (const char* name : kLevelNames) {
        const std::filesystem::path from = staged / (std::string(name) + ".dat");
        std::error_code ec;
        std::filesystem::copy_file(from, std::filesystem::path("Data") / from.filename(),
                                   std::filesystem::copy_options::overwrite_existing, ec);
        if (ec)
            return ::testing::AssertionFailure() << from << " could not be copied (build the target `levels` first)";
    }
    return ::testing::AssertionSuccess();
}

void startLevel(int level) {
    resetForNewGame();
    world.level = level;
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
    LoopRunner runner(level, kEnergyReserve);
    result.states.push_back(currentWizardState());
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
            s << "command #" << index + 1 << " '" << static_cast<char>(steps[index].command) << "' (route line "
              << steps[index].line << ")";
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
            case Stop::EnergyLow: return finish(false, "energy below the reserve of " + std::to_string(kEnergyReserve));
            case Stop::OutOfFrames:
            case Stop::Reached: break;
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
            result.states.push_back(currentWizardState());
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
        result.states.push_back(currentWizardState());
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
