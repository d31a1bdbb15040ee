// Level files back to text: every shipped level goes text -> file -> text ->
// file unchanged, and a file with what only the editor makes (codes without
// a character, creatures out of reading order or away from home, a start
// view of its own, no door) comes back the same through the header lines.
#include "tools/levels/level_text.h"
#include "common/level_file.h"
#include "common/tile_codes.h"
#include "tests/support/read_whole_file.h"
#include "tests/support/scratch_dir.h"
#include "tools/levels/level_check.h"
#include "tools/levels/level_source.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

const std::string kLevelDir = std::string(ZL_SOURCE_DIR) + "/assets/levels/";

class LevelToText : public ::testing::Test {
protected:
    Legend legend;
    ScratchDir dir;

    void SetUp() override {
        std::vector<LevelProblem> problems;
        ASSERT_TRUE(parseLegend(readWholeFile(kLevelDir + "legend.txt"), "legend.txt", legend, problems));
    }

    // Parses a source; the test fails when it does not parse.
    std::unique_ptr<LevelData> parse(const std::string& text, const std::string& name) {
        LevelSource source;
        std::vector<LevelProblem> problems;
        EXPECT_TRUE(parseLevelSource(text, name, legend, source, problems)) << formatProblems(problems) << text;
        return std::move(source.level);
    }

    // Writes the level as Data\<name>.dat and returns the file's bytes.
    std::string fileOf(const LevelData& level, const std::string& name) {
        EXPECT_TRUE(writeLevelFile("Data\\" + name + ".dat", level));
        return dir.readFile("Data/" + name + ".dat");
    }
};

}  // namespace

TEST_F(LevelToText, EveryShippedLevelSurvivesTextFileTextFile) {
    for (const char* name : {"001", "002", "003", "004", "005", "006", "007", "008", "ende"}) {
        SCOPED_TRACE(name);
        std::unique_ptr<LevelData> fromSource = parse(readWholeFile(kLevelDir + name + ".txt"), name);
        const std::string file1 = fileOf(*fromSource, "first");
        auto read = std::make_unique<LevelData>();
        ASSERT_TRUE(readLevelFile("Data\\first.dat", *read));

        const LevelText text1 = levelToText(*read, legend, name, "first.dat");
        EXPECT_TRUE(text1.notes.empty()) << text1.notes.front();
        std::unique_ptr<LevelData> again = parse(text1.text, name);
        const std::string file2 = fileOf(*again, "second");
        EXPECT_EQ(file1, file2);
        EXPECT_EQ(levelToText(*again, legend, name, "first.dat").text, text1.text) << "the text is stable";

        // The text is a level the build accepts as it stands.
        LevelSource source;
        std::vector<LevelProblem> problems;
        ASSERT_TRUE(parseLevelSource(text1.text, name, legend, source, problems));
        validateLevel(source, problems);
        checkSolvable(source, problems);
        EXPECT_TRUE(problems.empty()) << formatProblems(problems);
    }
}

TEST_F(LevelToText, WhatTheGridCannotSayGoesIntoHeaderLines) {
    auto level = std::make_unique<LevelData>();
    for (int x = 1; x <= kLevelColumns; ++x)
        for (int y = 1; y <= kLevelRows; ++y) level->map[x][y] = x <= 30 && y <= 20 ? tile::Floor : tile::RedWall;
    level->map[5][5] = 17;             // no tile of the table
    level->map[6][5] = tile::DeadPig;  // arises only in play: the legend has no character
    level->map[7][5] = -5;
    level->playerX = 3;
    level->playerY = 3;
    level->viewX = 0;
    level->viewY = 13;  // a view of its own: the start lies outside it
    // Pigs out of reading order; an eye away from home; two ghosts on one
    // cell; a cleaning man on the start.
    level->creatures[0][1] = {10, 8, 0, 0};
    level->creatures[0][2] = {4, 2, 0, 0};
    level->counts[0] = 2;
    level->creatures[1][1] = {12, 12, 0, 0};
    level->creatures[1][2] = {12, 12, 0, 0};
    level->counts[1] = 2;
    level->creatures[2][1] = {3, 3, 0, 0};
    level->counts[2] = 1;
    level->creatures[3][1] = {25, 4, 0, 0};  // column 25 lies on the second screen
    level->map[25][4] = tile::Flame;         // under the eye
    level->counts[3] = 1;

    const LevelText text = levelToText(*level, legend, "probe", "probe.dat");
    EXPECT_TRUE(text.notes.empty());
    for (const char* line :
         {"cell 5 5 17\n", "cell 6 5 9\n", "cell 7 5 -5\n", "view 0 13\n", "door none\n", "creature P 10 8 0 0\n",
          "creature P 4 2 0 0\n", "creature F 12 12 0 0\n", "creature C 3 3 0 0\n", "creature E 25 4 0 0\n"})
        EXPECT_NE(text.text.find(line), std::string::npos) << line << "\n" << text.text;
    std::unique_ptr<LevelData> back = parse(text.text, "probe.txt");
    EXPECT_TRUE(sameLevelData(*level, *back)) << text.text;

    // In reading order and at home, creatures are marks in the grid, with
    // their "under" tile; a cell under a mark that differs gets a line.
    level->creatures[0][1] = {4, 2, 0, 0};
    level->creatures[0][2] = {10, 8, 0, 0};
    level->map[10][8] = tile::Embers;
    level->creatures[3][1].homeViewX = 19;
    const LevelText marks = levelToText(*level, legend, "probe", "probe.dat");
    EXPECT_EQ(marks.text.find("creature P"), std::string::npos) << marks.text;
    EXPECT_EQ(marks.text.find("creature E"), std::string::npos) << marks.text;
    EXPECT_NE(marks.text.find("under E f\n"), std::string::npos) << marks.text;
    EXPECT_NE(marks.text.find("cell 10 8 12\n"), std::string::npos) << marks.text;
    back = parse(marks.text, "probe.txt");
    EXPECT_TRUE(sameLevelData(*level, *back)) << marks.text;
}

TEST_F(LevelToText, EntriesThatAreNoCreaturesAreDroppedWithANote) {
    std::unique_ptr<LevelData> level = parse("map\n@.P.D\nend\n", "t.txt");
    level->creatures[0][5] = {7, 7, 0, 0};  // above the count, as the editor leaves it
    level->creatures[3][0] = {1, 1, 0, 0};  // entry 0
    const LevelText text = levelToText(*level, legend, "t", "t.dat");
    ASSERT_EQ(text.notes.size(), 2u);
    EXPECT_NE(text.notes[0].find("pig table holds values outside its used entries"), std::string::npos);
    EXPECT_NE(text.notes[1].find("eye table"), std::string::npos);
    std::unique_ptr<LevelData> back = parse(text.text, "t.txt");
    level->creatures[0][5] = {};
    level->creatures[3][0] = {};
    EXPECT_TRUE(sameLevelData(*level, *back));

    // A start off the map (a damaged file) is put on the first cell, with a note.
    level->playerX = 0;
    const LevelText off = levelToText(*level, legend, "t", "t.dat");
    ASSERT_FALSE(off.notes.empty());
    EXPECT_NE(off.notes.back().find("start lies off the map"), std::string::npos);
    back = parse(off.text, "t.txt");
    EXPECT_EQ(back->playerX, 1);
    EXPECT_EQ(back->playerY, 1);
}

TEST_F(LevelToText, HeaderLinesAreCheckedWithTheirLine) {
    LevelSource source;
    std::vector<LevelProblem> problems;
    const auto faultOn = [&](const std::string& header, const std::string& text) {
        problems.clear();
        EXPECT_FALSE(parseLevelSource(header + "\nmap\n@D\nend\n", "t.txt", legend, source, problems)) << header;
        return problems.size() == 1 && problems[0].line == 1 && problems[0].message.find(text) != std::string::npos;
    };
    EXPECT_TRUE(faultOn("view 19", "\"view\" takes")) << formatProblems(problems);
    EXPECT_TRUE(faultOn("view 19 x", "\"view\" takes")) << formatProblems(problems);
    EXPECT_TRUE(faultOn("cell 0 5 3", "outside columns 1..220")) << formatProblems(problems);
    EXPECT_TRUE(faultOn("cell 5 151 3", "outside columns 1..220")) << formatProblems(problems);
    EXPECT_TRUE(faultOn("cell 5 5 99999999999", "\"cell\" takes")) << formatProblems(problems);
    EXPECT_TRUE(faultOn("creature Q 1 2 0 0", "\"creature\" takes")) << formatProblems(problems);
    EXPECT_TRUE(faultOn("creature P 1 2 0", "\"creature\" takes")) << formatProblems(problems);

    // 100 creatures of a kind at most, marks and lines together.
    std::string lines;
    for (int k = 0; k < 100; ++k) lines += "creature E 3 1 0 0\n";
    problems.clear();
    EXPECT_FALSE(parseLevelSource(lines + "map\n@DE\nend\n", "t.txt", legend, source, problems));
    EXPECT_NE(formatProblems(problems).find("more than 100 eyes"), std::string::npos) << formatProblems(problems);
    EXPECT_EQ(source.level->counts[3], 100);
}
