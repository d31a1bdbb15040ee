// level_loader.cpp — loadLevel: the level sequence and the reading of one
// level file into the World, through the level file reader all programs
// share; while a set of the player's is played, its labyrinths take the
// place of the files 001..008 (and its closing scene that of "ende").
//
// Writes: World::map (columns 1..220, rows 1..150), playerX, playerY, viewX,
// viewY, x / y / homeViewX / homeViewY of all entries of pigs, flameGhosts,
// cleaners and eyes, pigCount, flameGhostCount, cleanerCount, eyeCount, level.
#include "game/world/level_loader.h"

#include "common/level_file.h"
#include "common/level_list.h"
#include "game/world/world.h"

#include <string>

namespace {

// The file is read here whole, made safe (see makeLevelSafe), then copied
// into the world; it holds nothing between loads.
LevelData loaded;

// The file name for the current level and death state; "" when none.
std::string chosenName() {
    if (world.level > kLevelCount) world.level = 1;
    if (world.deathKind > 0) return kClosingSceneName;
    if (world.level < 1) return "";
    return kLevelNames[world.level - 1];
}

// What a set of the player's holds for the current level and death state:
// its labyrinth, or its closing scene; nullptr where it holds none (a set
// without a closing scene shows the shipped one).
const LevelData* chosenFromSet() {
    if (world.set.labyrinths.size() != static_cast<std::size_t>(kLevelCount)) return nullptr;
    if (world.deathKind > 0) return world.set.closingScene.empty() ? nullptr : &world.set.closingScene.front();
    if (world.level < 1) return nullptr;
    return &world.set.labyrinths[static_cast<std::size_t>(world.level - 1)].level;
}

}  // namespace

void loadLevel() {
    const std::string name = chosenName();
    if (name.empty()) return;
    if (const LevelData* fromSet = chosenFromSet()) {
        loaded = *fromSet;
        makeLevelSafe(loaded);
        putLevelIntoWorld(loaded);
        return;
    }
    loadNamedLevel(name);
}

bool loadNamedLevel(const std::string& name) {
    // A missing file reads as zeros: an empty floor with the wizard on (1, 1).
    const bool read = readLevelFile(levelFilePath(name), loaded);
    makeLevelSafe(loaded);
    putLevelIntoWorld(loaded);
    return read;
}
