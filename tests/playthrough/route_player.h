// route_player.h — plays a route through one labyrinth in the real game:
// the level loader, the frame loop, the rules and the renderer, fed through
// the headless keyboard as a player's held keys.
//
// For each command the player waits until the wizard is at rest, holds the
// command's key, runs loop passes until the command has taken effect (the
// wizard's cell, the view, the held item, the code under him or the score
// changed), releases the key and lets one frame pass without keys. The level
// is finished when the loop leaves it through the door.
#pragma once

#include "tests/playthrough/loop_runner.h"
#include "tools/levels/route_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// A route must keep at least this much energy in hand; below it the wizard is
// taken to be as good as dead, since the next contacts could end the game.
constexpr int kEnergyReserve = 5;
// Frames a move may take to show its effect (it acts in the first frame at rest).
constexpr int kMoveFrames = 3;
// Frames Enter may be held: a weapon acts only once its creature has walked
// onto the wizard's cell, so the player holds the key and waits for it.
constexpr int kActionFrames = 60;

struct PlayResult {
    bool finished = false;           // the wizard left the labyrinth through its door
    std::string failure;             // why not, with the command and the wizard's state
    int frames = 0;                  // frame steps run from the first command to the level change
    int energy = 0;                  // at the end
    int lowestEnergy = 0;            // the least it fell to on the way
    int score = 0;                   // at the end
    std::vector<std::string> trace;  // one line per command given: its state once it took effect
    // The wizard at the start and after each command given (waits included).
    std::vector<WizardState> states;
};

// Copies the labyrinths 001 .. 008 as the build has just made them (its
// staging folder) into Data of the working directory; fails when one is
// missing.
::testing::AssertionResult copyStagedLevels();

// Sets up `level` as a new game does once the title screen has been left:
// energy 99, empty hand, score 0, the level loaded from Data in the working
// directory and drawn (without the dissolve), the wizard arriving, held item
// and creatures shown. Needs the screen open and the catalogue images made.
void startLevel(int level);

// Plays steps in the frame loop from the state startLevel left.
PlayResult playRoute(int level, const std::vector<RouteStep>& steps);
