// saved_game_fuzz.cpp — any bytes as a saved game, read by the game's
// loadGame. A file that opens loads (or, naming a set that is missing, is
// refused with the world unchanged); afterwards the labyrinth obeys
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
    // A file that opened loads, unless what follows its last line names a
    // level set, which is missing here: then the load says so.
    std::string refusal;
    if (!loadGame("Data\\spiel.sav", &refusal)) {
        fuzz::require(refusal.starts_with("Sammlung fehlt: "), "a file that opened did not load");
        fuzz::require(world.score == 1234, "a refused load changed the world");
        return 0;
    }
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
