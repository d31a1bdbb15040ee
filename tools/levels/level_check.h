// level_check.h — checks that a parsed level is sound and can be finished.
//
// The checks read the LevelSource they are given and add LevelProblems; they
// keep no state. Every loop is bounded by the table sizes, so a LevelData
// with damaged counts or coordinates (for example one read back from a file)
// is reported, never followed outside its arrays.
#pragma once

#include "tools/levels/level_source.h"

#include <array>
#include <vector>

// Structure: start and creatures inside the reachable cells and inside their
// views, at most 100 creatures of a kind, a door (unless the source says
// "door none"), pigs and cleaning men on cells they can stand on, cleaning
// men on floor carried by a code above 50, and no more barriers of a kind
// than items that open them (each item is used up by one opening).
void validateLevel(const LevelSource& source, std::vector<LevelProblem>& problems);

// What a walk from the start can reach.
struct Reachability {
    bool doorReached = false;
    int cellsReached = 0;
    std::array<int, 47> itemsReached{};    // [code]: cells holding that item reached, codes 30..46
    std::array<int, 64> barriersOpened{};  // [code]: barriers of that code passed, codes 50..63
    // reached[x][y] for x 0..220, y 0..150
    std::vector<std::vector<bool>> reached;
};

// Flood fill from the start over enterable cells (code below 50, water
// excluded; the door is reached but not walked through). A barrier counts as
// open once an item that fits it has been reached: 50..56 only when walked
// into sideways, 60..63 only from above or below. Items are taken as
// available wherever they lie, one approximation of carrying one at a time.
Reachability exploreLevel(const LevelData& level);

// Requires the door to be reachable (levels with a door only), as the solver
// proves it: carrying one item at a time, barriers opening from their side
// only. The message adds what the flood fill above reaches.
void checkSolvable(const LevelSource& source, std::vector<LevelProblem>& problems);
