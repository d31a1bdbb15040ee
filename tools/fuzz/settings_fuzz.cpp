// settings_fuzz.cpp — any bytes as the settings file, read by the game's
// readSettings: each switch ends up 0 or 1, and every best-player name is
// one the table can show and the file can store again (at most 20
// characters, no double quote).
#include "game/front/front.h"
#include "game/world/world.h"
#include "tools/fuzz/fuzz_support.h"
#include "tools/invariants/world_invariants.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::putFile("Data/Einstellung.dat", std::string(reinterpret_cast<const char*>(data), size));
    world = World{};
    readSettings();
    fuzz::require(invariants::settingsPart(world));
    return 0;
}
