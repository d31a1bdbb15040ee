// level_set_fixture.h — small level sets for the tests of the set file, the
// game's choice of sets and the editor's set screen: labyrinths the solver
// proves at once, so that a set can be made, proven, written and played in
// a test's time.
#pragma once

#include "common/level_set.h"
#include "common/tile_codes.h"

#include <string>
#include <vector>

namespace sets {

// One screen walled all round with a corridor in row 2 from the start (2, 2)
// to the door `length` cells to the right (length 1..17), on the floor
// code `floor`, so that each labyrinth of a set looks different.
inline LevelData corridor(int length, int floor = tile::Floor) {
    LevelData level;
    for (int x = 1; x <= kLevelColumns; ++x) {
        for (int y = 1; y <= kLevelRows; ++y) level.map[x][y] = tile::RedWall;
    }
    for (int x = 2; x < 2 + length; ++x) level.map[x][2] = floor;
    level.map[2 + length][2] = tile::Door;
    level.playerX = 2;
    level.playerY = 2;
    return level;
}

// The way through corridor(length): `length` steps right.
inline std::vector<Command> corridorWay(int length) {
    return std::vector<Command>(static_cast<std::size_t>(length), Command::Right);
}

// A set of eight corridors, labyrinth n of length n + 1, each with its way,
// named "Gang n", with the closing scene and `demonstrations` recordings
// (recording k walks right on labyrinth k).
inline LevelSet corridorSet(const std::string& title = "Kleine Welt", const std::string& author = "Anna",
                            int demonstrations = 2) {
    LevelSet set = emptyLevelSet(title, author);
    for (int n = 1; n <= kLevelCount; ++n) {
        SetLabyrinth& place = set.labyrinths[static_cast<std::size_t>(n - 1)];
        place.name = "Gang " + std::to_string(n);
        place.level = corridor(n + 1, n % 2 == 0 ? tile::Floor2 : tile::Floor);
        place.route = corridorWay(n + 1);
    }
    set.closingScene = {corridor(3, tile::Floor3)};
    for (int k = 1; k <= demonstrations; ++k) {
        SetDemonstration demo;
        demo.place = k;
        for (int m = 1; m <= kRecordingMoves; ++m) demo.moves[m] = m <= k ? static_cast<int>(Command::Right) : 0;
        set.demonstrations.push_back(demo);
    }
    return set;
}

}  // namespace sets
