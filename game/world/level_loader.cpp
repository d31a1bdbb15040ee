// level_loader.cpp — loadLevel: the level sequence and the reading of one
// level file into the World, through the level file reader all programs
// share.
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

}  // namespace

void loadLevel() {
    const std::string name = chosenName();
    if (name.empty()) return;
    loadNamedLevel(name);
}

bool loadNamedLevel(const std::string& name) {
    // A missing file reads as zeros: an empty floor with the wizard on (1, 1).
    const bool read = readLevelFile(levelFilePath(name), loaded);
    makeLevelSafe(loaded);
    putLevelIntoWorld(loaded);
    return read;
}
