// level_loader_fuzz.cpp — any bytes as the closing-scene level file, read by
// the game's loadLevel. Afterwards every count, cell and view the game
// indexes with lies inside the map and the tables, a creature the file held
// as an all-zero entry stays killed, loadLevel took exactly what the shared
// reader read, made safe, and making it safe again changes nothing.
//
// The input's map is padded (fuzz_support.h), so a few hundred bytes reach
// the start cell, the views and the creature tables.
#include "game/world/level_loader.h"
#include "game/world/world.h"
#include "tools/fuzz/fuzz_support.h"
#include "tools/invariants/world_invariants.h"

#include <cstddef>
#include <cstdint>

namespace {
LevelData read;    // what the shared reader finds in the file
LevelData loaded;  // what loadLevel put into the world
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::putFile("Data/ende.dat", fuzz::withPaddedMap(data, size));
    fuzz::require(readLevelFile("Data\\ende.dat", read), "the file did not open");

    world.deathKind = 1;
    world.level = 3;
    loadLevel();
    fuzz::require(world.level == 3, "the closing scene changed the level");
    takeLevelFromWorld(loaded);
    fuzz::require(invariants::safeLevel(loaded));
    fuzz::require(invariants::levelPart(world));
    fuzz::require(invariants::emptyEntriesKept(read, loaded));

    LevelData& again = read;  // reused: made safe here, it must equal what was loaded
    makeLevelSafe(again);
    fuzz::require(invariants::sameLevel(again, loaded), "loadLevel did not take the level as made safe");
    makeLevelSafe(again);
    fuzz::require(invariants::sameLevel(again, loaded), "a safe level changed when made safe again");
    return 0;
}
