// level_file.cpp — writer and reader of the level file layout (see
// level_file.h), one field per value on file number 1.
#include "common/level_file.h"

#include "platform/platform.h"

namespace {

constexpr int kFile = 1;

int readValue() {
    beginFieldRead(kFile);
    return readIntField();
}

}  // namespace

void writeLevelFile(const std::string& path, const LevelData& level) {
    // Output replaces the old file only when closeFile has the new one
    // complete, so a failed write leaves the previous level intact.
    openFile(path, FileMode::Output, kFile);
    for (int x = 1; x <= kLevelColumns; ++x) {
        for (int y = 1; y <= kLevelRows; ++y) writeIntField(kFile, level.map[x][y], false);
    }
    writeIntField(kFile, level.playerX, true);
    writeIntField(kFile, level.playerY, true);
    writeIntField(kFile, level.viewX, true);
    writeIntField(kFile, level.viewY, true);
    for (int kind = 0; kind < kCreatureKinds; ++kind) {
        for (const StoredCreature& c : level.creatures[kind]) {
            writeIntField(kFile, c.x, true);
            writeIntField(kFile, c.y, true);
            writeIntField(kFile, c.homeViewX, true);
            writeIntField(kFile, c.homeViewY, true);
        }
        writeIntField(kFile, level.counts[kind], true);
    }
    closeFile(kFile);
}

void readLevelFile(const std::string& path, LevelData& level) {
    openFile(path, FileMode::Input, kFile);
    for (int x = 1; x <= kLevelColumns; ++x) {
        for (int y = 1; y <= kLevelRows; ++y) level.map[x][y] = readValue();
    }
    level.playerX = readValue();
    level.playerY = readValue();
    level.viewX = readValue();
    level.viewY = readValue();
    for (int kind = 0; kind < kCreatureKinds; ++kind) {
        for (StoredCreature& c : level.creatures[kind]) {
            c.x = readValue();
            c.y = readValue();
            c.homeViewX = readValue();
            c.homeViewY = readValue();
        }
        level.counts[kind] = readValue();
    }
    closeFile(kFile);
}
