// saved_game_fuzz.cpp — any bytes as a saved game, read by the game's
// loadGame. A file that opens always loads; afterwards the labyrinth obeys
// the same rules as a loaded level, the held item is an item or nothing,
// energy and labyrinth are in play's ranges and the score is 0.
//
// The input's map is padded (fuzz_support.h): the bytes after the 0xFF mark
// are the wizard, the views, the creature tables and the last line.
#include "common/tile_codes.h"
#include "game/front/saved_game.h"
#include "game/world/world.h"
#include "tools/fuzz/fuzz_support.h"
#include "tools/invariants/world_invariants.h"

#include <cstddef>
#include <cstdint>

namespace {
LevelData read;    // what a level reader finds in the same bytes
LevelData loaded;  // the labyrinth as loadGame left it
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::putFile("Data/spiel.sav", fuzz::withPaddedMap(data, size));
    // Items 1 to 10 of a saved game are those of a level file.
    readLevelFile("Data\\spiel.sav", read);

    world = World{};
    world.score = 1234;
    fuzz::require(loadGame("Data\\spiel.sav"), "a file that opened did not load");
    takeLevelFromWorld(loaded);
    fuzz::require(invariants::safeLevel(loaded));
    fuzz::require(invariants::levelPart(world));
    fuzz::require(invariants::emptyEntriesKept(read, loaded));
    fuzz::require(world.heldItem == 0 || isItemCode(world.heldItem), "held item is no item");
    fuzz::require(invariants::range("energy", world.energy, 0, 99));
    fuzz::require(invariants::range("level", world.level, 1, kLevelCount));
    fuzz::require(world.score == 0, "a loaded game kept points");
    return 0;
}
