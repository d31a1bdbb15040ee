// demo_maker.h — a demonstration recording made from a route kept as text.
//
// The source (assets/demos/demo1.txt ...) is route text (route_text.h) that
// lists what a player did, as a recording taken from live play would see
// it: U R D L a step each, A the action (code 5: exchange, then use), W a
// frame without a command (code 0). View turns are not written: as such a
// recording does, the maker writes the code of a step a second time when
// the step ends on the last cell of the view in its direction (column 1 or
// 20, row 1 or 14), standing for the turn that the next move that way makes.
//
// The maker walks the source through the level by the game's rules
// (common/wizard_walk.h), on through the door into the next labyrinth, so that a
// step that would not step, or a repeated code that would step, is reported
// with its line instead of making a recording that goes astray. Creatures
// and energy are not followed here, so a run of actions with a weapon in
// hand on a cell without an item is taken to have found the weapon's
// creature; tests/demos plays the recordings in the game.
#pragma once

#include "common/demo_file.h"
#include "common/level_file.h"
#include "tools/levels/level_source.h"
#include "tools/levels/route_text.h"

#include <string>
#include <vector>

struct Demonstration {
    RecordingMoves moves{};  // codes 1..1000; those after the source's last are 0
    int codes = 0;           // codes the source made, turns included
    int screens = 0;         // different screens the walk shows, the first included
    int labyrinths = 0;      // labyrinths the walk enters, the first included
    int exchanges = 0;       // actions that exchanged an item
    int barriersOpened = 0;
    // Where the walk stands once the played codes (1..999) are done.
    int endLabyrinth = 0;
    int endX = 0;
    int endY = 0;
};

// Makes the recording of `route` starting on labyrinth `first` (1..8) of
// `levels` (labyrinth n is levels[n - 1]; after the last comes the first).
// Faults go to problems with `fileName` and the source line; false when
// there is one.
bool makeDemonstration(const Route& route, int first, const std::vector<const LevelData*>& levels,
                       const std::string& fileName, Demonstration& out, std::vector<LevelProblem>& problems);
