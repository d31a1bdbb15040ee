// level_file.cpp — the one reader and writer of the level file layout (see
// level_file.h), one field per value on file number 1, and the clamps of a
// loaded level.
#include "common/level_file.h"

#include "platform/platform.h"

#include <algorithm>

namespace {

constexpr int kFile = 1;

int readValue() {
    beginFieldRead(kFile);
    return readIntField();
}

void clampEntry(StoredCreature& c, bool used) {
    if (used && isEmptyEntry(c)) return;  // a killed creature stays killed
    const int lowest = used ? 1 : 0;
    c.x = std::clamp(c.x, lowest, kLevelColumns);
    c.y = std::clamp(c.y, lowest, kLevelRows);
    c.homeViewX = std::clamp(c.homeViewX, 0, kLastViewX);
    c.homeViewY = std::clamp(c.homeViewY, 0, kLastViewY);
}

}  // namespace

bool writeLevelFile(const std::string& path, const LevelData& level) {
    // Output replaces the old file only when closeFile has the new one
    // complete, so a failed write leaves the previous level intact.
    openFile(path, FileMode::Output, kFile);
    forEachLevelValue(level, [](int value, bool lineEnd) { writeIntField(kFile, value, lineEnd); });
    return closeFile(kFile);
}

bool readLevelFile(const std::string& path, LevelData& level) {
    // A missing file opens nothing; every read below then gives 0.
    openFile(path, FileMode::Input, kFile);
    forEachLevelValue(level, [](int& value, bool) { value = readValue(); });
    return closeFile(kFile);
}

void makeLevelSafe(LevelData& level) {
    level.playerX = std::clamp(level.playerX, 1, kReachColumns);
    level.playerY = std::clamp(level.playerY, 1, kReachRows);
    level.viewX = std::clamp(level.viewX, 0, kLastViewX);
    level.viewY = std::clamp(level.viewY, 0, kLastViewY);
    // Each axis on its own: a start outside the view's columns moves the view
    // sideways only, and likewise for rows.
    if (level.playerX <= level.viewX || level.playerX > level.viewX + kViewColumns)
        level.viewX = screenOfColumn(level.playerX);
    if (level.playerY <= level.viewY || level.playerY > level.viewY + kViewRows)
        level.viewY = screenOfRow(level.playerY);
    for (int kind = 0; kind < kCreatureKinds; ++kind) {
        int& count = level.counts[kind];
        count = std::clamp(count, 0, kMaxCreatures);
        for (int k = 0; k < kCreatureSlots; ++k) clampEntry(level.creatures[kind][k], k >= 1 && k <= count);
    }
}
