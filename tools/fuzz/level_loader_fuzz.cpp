// level_loader_fuzz.cpp — any bytes as the closing-scene level file. After
// loadLevel every count, cell and view the game indexes with must lie inside
// the map and the tables.
#include "game/world/level_loader.h"
#include "game/world/world.h"
#include "platform/platform.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

std::filesystem::path scratch;  // the working directory of this run

void check(bool ok) {
    if (!ok) std::abort();
}

void checkTable(const CreatureTable& table, int count) {
    check(count >= 0 && count <= kMaxCreatures);
    for (int k = 0; k < kCreatureSlots; ++k) {
        const Creature& c = table[k];
        // A creature in use stands on a stored cell, unless its entry is empty
        // (a killed creature stays killed).
        const int lowest = k >= 1 && k <= count && !isEmptyCreature(c) ? 1 : 0;
        check(c.x >= lowest && c.x < kMapColumns && c.y >= lowest && c.y < kMapRows);
        check(c.homeViewX >= 0 && c.homeViewX + kViewColumns < kMapColumns);
        check(c.homeViewY >= 0 && c.homeViewY + kViewRows < kMapRows);
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    namespace fs = std::filesystem;
    scratch = fs::temp_directory_path() / ("zl-fuzz-" + std::to_string(::getpid()));
    fs::create_directories(scratch / "Data");
    fs::current_path(scratch);
    std::atexit([] {
        std::error_code ec;
        fs::remove_all(scratch, ec);
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    {
        std::ofstream out("Data/ende.dat", std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    world.deathKind = 1;
    world.level = 3;
    loadLevel();
    check(world.level == 3);
    check(isReachable(world.playerX, world.playerY));
    check(world.viewX >= 0 && world.viewX + kViewColumns < kMapColumns);
    check(world.viewY >= 0 && world.viewY + kViewRows < kMapRows);
    check(world.playerX > world.viewX && world.playerX <= world.viewX + kViewColumns);
    check(world.playerY > world.viewY && world.playerY <= world.viewY + kViewRows);
    checkTable(world.pigs, world.pigCount);
    checkTable(world.flameGhosts, world.flameGhostCount);
    checkTable(world.cleaners, world.cleanerCount);
    checkTable(world.eyes, world.eyeCount);
    return 0;
}
