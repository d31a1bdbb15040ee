// Level files: the written layout (lines and values) and the round trip
// through writeLevelFile and readLevelFile.
#include "common/level_file.h"
#include "platform/platform.h"
#include "tests/support/scratch_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <string>
#include <vector>

namespace {

// A level with a different value in every field, negatives and extremes
// included.
std::unique_ptr<LevelData> patternedLevel() {
    auto level = std::make_unique<LevelData>();
    for (int x = 1; x <= kLevelColumns; ++x) {
        for (int y = 1; y <= kLevelRows; ++y) level->map[x][y] = (x * 7 + y * 13) % 200 - 3;
    }
    level->map[1][1] = INT_MIN;
    level->map[220][150] = INT_MAX;
    level->playerX = 57;
    level->playerY = 40;
    level->viewX = 38;
    level->viewY = 26;
    for (int kind = 0; kind < kCreatureKinds; ++kind) {
        for (int k = 1; k < kCreatureSlots; ++k) {
            level->creatures[kind][k] = {k + kind, k * 2 - kind, 19 * (k % 11), 13 * ((k + kind) % 11)};
        }
        level->counts[kind] = 10 * kind + 3;
    }
    return level;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    EXPECT_EQ(start, text.size()) << "the last line ends with CR LF";
    return lines;
}

TEST(LevelFile, WrittenFileHas1624LinesAnd33001ValuesOnTheFirst) {
    ScratchDir dir;
    writeLevelFile("Data\\001.dat", *patternedLevel());
    const std::string text = dir.readFile("Data/001.dat");
    EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1);
    const std::vector<std::string> lines = linesOf(text);
    ASSERT_EQ(static_cast<int>(lines.size()), kLevelFileLines);
    EXPECT_EQ(std::count(lines[0].begin(), lines[0].end(), ',') + 1, 33001);
    EXPECT_EQ(lines[0].substr(0, 12), "-2147483648,");
    EXPECT_EQ(lines[0].substr(lines[0].size() - 14), ",2147483647,57");
    for (std::size_t i = 1; i < lines.size(); ++i) {
        ASSERT_EQ(lines[i].find(','), std::string::npos) << "line " << i + 1;
        ASSERT_FALSE(lines[i].empty()) << "line " << i + 1;
    }
    EXPECT_EQ(lines[1], "40");
    EXPECT_EQ(lines.back(), "33") << "the eye count closes the file";
    EXPECT_EQ(kLevelFileValues, 33000 + 4 + 4 * 405);
}

TEST(LevelFile, RoundTrip) {
    ScratchDir dir;
    const auto written = patternedLevel();
    writeLevelFile("Data\\trip.dat", *written);
    auto read = std::make_unique<LevelData>();
    readLevelFile("Data\\trip.dat", *read);
    EXPECT_EQ(read->map, written->map);
    EXPECT_EQ(read->playerX, written->playerX);
    EXPECT_EQ(read->playerY, written->playerY);
    EXPECT_EQ(read->viewX, written->viewX);
    EXPECT_EQ(read->viewY, written->viewY);
    for (int kind = 0; kind < kCreatureKinds; ++kind) {
        for (int k = 0; k < kCreatureSlots; ++k) {
            const StoredCreature& a = read->creatures[kind][k];
            const StoredCreature& b = written->creatures[kind][k];
            ASSERT_TRUE(a.x == b.x && a.y == b.y && a.homeViewX == b.homeViewX && a.homeViewY == b.homeViewY)
                << "kind " << kind << " entry " << k;
        }
    }
    EXPECT_EQ(read->counts, written->counts);
}

TEST(LevelFile, MissingFileReadsAsZeros) {
    ScratchDir dir;
    auto level = patternedLevel();
    readLevelFile("Data\\none.dat", *level);
    EXPECT_EQ(level->map[1][1], 0);
    EXPECT_EQ(level->map[220][150], 0);
    EXPECT_EQ(level->playerX, 0);
    EXPECT_EQ(level->creatures[3][100].homeViewY, 0);
    EXPECT_EQ(level->counts[2], 0);
}

TEST(LevelFile, RefusedPathLeavesTheOldFile) {
    ScratchDir dir;
    dir.writeFile("001.dat", "keep");
    writeLevelFile("001.dat", *patternedLevel());
    writeLevelFile("Data\\..\\001.dat", *patternedLevel());
    EXPECT_EQ(dir.readFile("001.dat"), "keep");
}

}  // namespace

namespace {

// The clamps of a loaded level: what a good file keeps, what a damaged one
// loses.
TEST(MakeLevelSafe, AGoodLevelPassesUnchangedAndAnEmptyEntryInsideTheCountStaysEmpty) {
    auto level = std::make_unique<LevelData>();
    level->playerX = 30;
    level->playerY = 20;
    level->viewX = 19;
    level->viewY = 13;
    level->counts[0] = 3;
    level->creatures[0][1] = {25, 18, 19, 13};
    level->creatures[0][2] = {0, 0, 0, 0};  // killed in a saved game
    level->creatures[0][3] = {26, 19, 19, 13};
    const auto before = std::make_unique<LevelData>(*level);
    makeLevelSafe(*level);
    EXPECT_EQ(level->creatures, before->creatures);
    EXPECT_EQ(level->playerX, 30);
    EXPECT_EQ(level->viewX, 19);
    EXPECT_EQ(level->viewY, 13);

    level->creatures[0][3] = {-4, 999, -19, 500};  // damaged: clamped into the map
    level->counts[0] = 1000;
    makeLevelSafe(*level);
    EXPECT_EQ(level->counts[0], kMaxCreatures);
    EXPECT_EQ(level->creatures[0][2].x, 0) << "still killed";
    EXPECT_EQ(level->creatures[0][3].x, 1);
    EXPECT_EQ(level->creatures[0][3].y, kLevelRows);
    EXPECT_EQ(level->creatures[0][3].homeViewX, 0);
    EXPECT_EQ(level->creatures[0][3].homeViewY, kLastViewY);
}

}  // namespace
