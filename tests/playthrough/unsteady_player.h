// unsteady_player.h — a route played as an unsteady person plays it: every
// key held a little too long or too short, a pause of his own after each
// key, and a look at the screen to put right what went wrong.
//
// The player knows the way: the wizard's state (cell, view, held item,
// score) after each command of a route as the steady route player found it.
// After each key he pauses for a time drawn from the timing and waits until
// the wizard stands still; then, if the wizard stands where the way expects
// him after one of the next few commands, he takes up the way from there (a
// key held long enough for two steps walked two cells of it); if he stands
// where the last command left him, he gives the next command (again, if it
// did nothing: a weapon whose creature has not come yet, an exchange taken
// back by a second one); otherwise he steers one key at a time toward the
// nearest state ahead with the same item in hand and the same score, never
// into a wall or water. Every key is held for a time drawn from the timing:
// a long hold steps twice or acts twice, as in the game. The run counts as
// a success when the wizard leaves by the door.
#pragma once

#include "tests/playthrough/loop_runner.h"
#include "tools/levels/route_text.h"

#include <cstdint>
#include <string>
#include <vector>

struct UnsteadyTiming {
    int holdMinMs = 80;    // shortest time a key is held
    int holdMaxMs = 250;   // longest
    int pauseMinMs = 0;    // shortest pause before a key, once the wizard is at rest
    int pauseMaxMs = 400;  // longest
};

struct UnsteadyResult {
    bool finished = false;  // the wizard left the labyrinth through its door
    std::string failure;    // why not
    int frames = 0;         // frame steps until the door (or the end)
    int keys = 0;           // keys pressed
    int corrections = 0;    // keys pressed to put a mistake right
    // energy[k]: the energy when the wizard first stood in state k of the way
    // (-1 when he never did), to show where a level costs the most.
    std::vector<int> energy;
};

// Plays the level (already started, as startLevel leaves it) along `way`:
// way[0] is the start, way[k] the wizard after command k of `steps`. The
// seed fixes every hold and pause, so a run can be repeated.
UnsteadyResult playUnsteadily(int level, const std::vector<RouteStep>& steps, const std::vector<WizardState>& way,
                              std::uint32_t seed, const UnsteadyTiming& timing = {});
