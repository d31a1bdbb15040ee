// The level source parser and the checks: faults are reported with the line
// they stand on, homes follow the screen rule, and the reachability walk
// opens barriers only the way the wizard can.
#include "common/tile_codes.h"
#include "tools/levels/level_check.h"
#include "tools/levels/level_source.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

// A small legend, enough for the sources below.
const char* const kLegend =
    ". Floor\n"
    ", Floor2\n"
    "# RedWall\n"
    "% SecretRedWall\n"
    "~ Water\n"
    "f Flame\n"
    "D Door\n"
    "k Key\n"
    "K Barrier\n"
    "1 CrossBarrier\n"
    "r Crown\n"
    "R TreasureBarrier\n"
    "- Roof        ; solid, code above 50\n";

class LevelSourceTest : public ::testing::Test {
protected:
    Legend legend;
    LevelSource source;
    std::vector<LevelProblem> problems;

    void SetUp() override {
        std::vector<LevelProblem> legendProblems;
        ASSERT_TRUE(parseLegend(kLegend, "legend.txt", legend, legendProblems));
    }
    bool parse(const std::string& text) {
        problems.clear();
        return parseLevelSource(text, "t.txt", legend, source, problems);
    }
    // Parses, then runs every check.
    void check(const std::string& text) {
        ASSERT_TRUE(parse(text)) << all();
        validateLevel(source, problems);
        checkSolvable(source, problems);
    }
    std::string all() const {
        std::string s;
        for (const LevelProblem& p : problems) s += formatProblem(p) + "\n";
        return s;
    }
    // True when some problem stands on line and mentions text.
    bool reported(int line, const std::string& text) const {
        for (const LevelProblem& p : problems)
            if (p.line == line && p.message.find(text) != std::string::npos) return true;
        return false;
    }
};

}  // namespace

TEST_F(LevelSourceTest, GridBecomesTheMapWithMarksAndFill) {
    ASSERT_TRUE(parse("name Probe ; the name\n"
                      "fill floor\n"
                      "under P ,\n"
                      "map\n"
                      "####\n"
                      "#@P#   ; comment after a row\n"
                      "; a comment line is not a row\n"
                      "#D\n"
                      "end\n"))
        << all();
    const LevelData& level = *source.level;
    EXPECT_EQ(source.name, "Probe");
    EXPECT_EQ(source.gridColumns, 4);
    EXPECT_EQ(source.gridRows, 3);
    EXPECT_EQ(level.map[1][1], tile::RedWall);
    EXPECT_EQ(level.map[2][2], tile::Floor) << "under the start";
    EXPECT_EQ(level.map[3][2], tile::Floor2) << "under the pig, as the header says";
    EXPECT_EQ(level.map[2][3], tile::Door);
    EXPECT_EQ(level.map[3][3], tile::Floor) << "short row filled as 'fill floor' says";
    EXPECT_EQ(level.map[220][150], tile::Floor);
    EXPECT_EQ(level.playerX, 2);
    EXPECT_EQ(level.playerY, 2);
    EXPECT_EQ(level.counts[0], 1);
    EXPECT_EQ(level.creatures[0][1].x, 3);
    EXPECT_EQ(level.creatures[0][1].y, 2);
    EXPECT_EQ(source.creatureLines[0][1], 6);

    ASSERT_TRUE(parse("map\n@D\nend\n"));
    EXPECT_EQ(source.level->map[5][5], tile::RedWall) << "fill defaults to wall";
}

TEST_F(LevelSourceTest, FaultsNameTheirLine) {
    EXPECT_FALSE(parse("map\n#@#\n#?#\n#D#\nend\n"));
    EXPECT_TRUE(reported(3, "unknown character '?' in column 2")) << all();

    EXPECT_FALSE(parse("map\n#@ D#\nend\n"));
    EXPECT_TRUE(reported(2, "byte 0x20")) << "a blank inside a row: " << all();

    EXPECT_FALSE(parse("fill rock\nmap\n@D\nend\n"));
    EXPECT_TRUE(reported(1, "\"fill\"")) << all();

    EXPECT_FALSE(parse("map\n@D@\nend\n"));
    EXPECT_TRUE(reported(2, "second start")) << all();

    EXPECT_FALSE(parse("map\n..D\nend\n"));
    EXPECT_TRUE(reported(1, "no start")) << all();

    EXPECT_FALSE(parse("map\n@D\n"));
    EXPECT_TRUE(reported(0, "not closed")) << all();

    EXPECT_FALSE(parse("map\n@D\nend\nmore\n"));
    EXPECT_TRUE(reported(4, "after \"end\"")) << all();

    EXPECT_FALSE(parse("under x\nmap\n@D\nend\n"));
    EXPECT_TRUE(reported(1, "does not define")) << all();
}

TEST_F(LevelSourceTest, TooManyCreaturesOfAKind) {
    // 100 pigs fit; the 101st, on line 7, is refused.
    std::string rows = "map\n@D\n";
    for (int r = 0; r < 4; ++r) rows += std::string(25, 'P') + "\n";
    ASSERT_TRUE(parse(rows + "end\n")) << all();
    EXPECT_EQ(source.level->counts[0], 100);

    EXPECT_FALSE(parse(rows + "PE\nend\n"));
    EXPECT_TRUE(reported(7, "more than 100 pigs")) << all();
    EXPECT_EQ(source.level->counts[0], 100) << "the table never grows past 100";
    EXPECT_EQ(source.level->counts[3], 1) << "other kinds are counted on";
}

TEST_F(LevelSourceTest, GridLimits) {
    std::string wide(221, '.');
    EXPECT_FALSE(parse("map\n@D\n" + wide + "\nend\n"));
    EXPECT_TRUE(reported(3, "at most 220")) << all();

    std::string tall = "map\n@D\n";
    for (int r = 0; r < 150; ++r) tall += ".\n";
    EXPECT_FALSE(parse(tall + "end\n"));
    EXPECT_TRUE(reported(152, "more than 150 rows")) << all();
}

TEST_F(LevelSourceTest, HomeViewIsTheScreenHoldingTheCell) {
    EXPECT_EQ(screenOfColumn(1), 0);
    EXPECT_EQ(screenOfColumn(20), 0) << "a shared column belongs to the left screen";
    EXPECT_EQ(screenOfColumn(21), 19);
    EXPECT_EQ(screenOfColumn(39), 19);
    EXPECT_EQ(screenOfColumn(40), 38);
    EXPECT_EQ(screenOfColumn(210), 190);
    EXPECT_EQ(screenOfRow(14), 0);
    EXPECT_EQ(screenOfRow(15), 13);
    EXPECT_EQ(screenOfRow(144), 130);
    for (int x = 1; x <= kReachColumns; ++x) {
        int v = screenOfColumn(x);
        ASSERT_TRUE(v % kViewStepX == 0 && x > v && x <= v + 20) << x;
    }
    for (int y = 1; y <= kReachRows; ++y) {
        int v = screenOfRow(y);
        ASSERT_TRUE(v % kViewStepY == 0 && y > v && y <= v + 14) << y;
    }
}

TEST_F(LevelSourceTest, PlacementChecks) {
    // Start and creature beyond the reachable columns (211..220).
    std::string row(209, '.');
    check("map\n" + row + "DE@\nend\n");
    EXPECT_TRUE(reported(2, "the start at (212, 1) lies outside the reachable cells")) << all();
    EXPECT_TRUE(reported(2, "the eye at (211, 1) lies outside")) << all();

    // A home that does not contain its creature, and one no flip reaches.
    check("map\n@.D.P.P\nend\n");
    EXPECT_TRUE(problems.empty()) << all();
    source.level->creatures[0][1].homeViewX = 19;
    source.level->creatures[0][2].homeViewY = 5;
    problems.clear();
    validateLevel(source, problems);
    EXPECT_TRUE(reported(2, "the pig at (5, 1) lies outside its view (19, 0)")) << all();
    EXPECT_TRUE(reported(2, "which no flip reaches")) << all();

    // A cleaning man needs a code above 50 beneath; the barrier (50) does not carry him.
    check("map\n@DC.C.C\n##-#-#.\nend\n");
    EXPECT_FALSE(reported(2, "(3, 1)")) << all();
    EXPECT_FALSE(reported(2, "(5, 1)")) << "Roof carries him: " << all();
    EXPECT_TRUE(reported(2, "the cleaning man at (7, 1) has Floor (0) beneath")) << all();
    check("map\n@D.C\n##.K\nend\n");
    EXPECT_TRUE(reported(2, "has Barrier (50) beneath")) << all();

    // Pigs and cleaning men cannot start inside a wall; the start needs floor.
    check("under P #\nunder @ ~\nmap\n@DP\nend\n");
    EXPECT_TRUE(reported(4, "the pig at (3, 1) stands inside RedWall")) << all();
    EXPECT_TRUE(reported(4, "the start stands on Water")) << all();
}

TEST_F(LevelSourceTest, DoorAndBarrierCounts) {
    check("map\n@..\nend\n");
    EXPECT_TRUE(reported(1, "no door")) << all();
    check("door none\nmap\n@..\nend\n");
    EXPECT_TRUE(problems.empty()) << "a scene needs no door: " << all();

    check("map\n@kK.K1D\nend\n");
    EXPECT_TRUE(reported(1, "3 barriers open with Key (40) but only 1")) << all();
}

TEST_F(LevelSourceTest, WalkOpensBarriersOnlyTheWayTheWizardCan) {
    // Side barrier walked into sideways: opens.
    check("map\n#####\n#@kK#\n####D\nend\n");
    EXPECT_TRUE(reported(1, "cannot be reached")) << "door behind a wall: " << all();
    check("map\n#####\n#@kKD\n#####\nend\n");
    EXPECT_TRUE(problems.empty()) << all();

    // Side barrier met only from above: stays shut.
    check("map\n#####\n#@k.#\n###K#\n###D#\nend\n");
    EXPECT_TRUE(reported(1, "the door cannot be reached")) << all();
    EXPECT_TRUE(reported(1, "closed: Barrier (50) at (4, 3)")) << all();

    // Cross barrier: from above it opens, from the side it does not.
    check("map\n#####\n#@k.#\n###1#\n###D#\nend\n");
    EXPECT_TRUE(problems.empty()) << all();
    check("map\n#####\n#@k1D\n#####\nend\n");
    EXPECT_TRUE(reported(1, "cannot be reached")) << all();

    // A key behind its own barrier never helps; the crown does not open K.
    check("map\n#######\n#@.Kk.D\n#######\nend\n");
    EXPECT_TRUE(reported(1, "cannot be reached")) << all();
    check("map\n######\n#@rK.D\n######\nend\n");
    EXPECT_TRUE(reported(1, "cannot be reached")) << all();
    check("map\n######\n#@rR.D\n######\nend\n");
    EXPECT_TRUE(problems.empty()) << all();

    // Water drowns; secret walls and flames are passable.
    check("map\n#####\n#@~D#\n#####\nend\n");
    EXPECT_TRUE(reported(1, "cannot be reached")) << all();
    check("map\n#####\n#@%fD\n#####\nend\n");
    EXPECT_TRUE(problems.empty()) << all();

    // The walk never steps past column 210.
    std::string row(209, '.');
    check("fill floor\nmap\n@" + row + "\n" + std::string(210, '#') + ".D\nend\n");
    EXPECT_TRUE(reported(2, "from the start (1, 1) (210 cells reached)")) << "column 211 is out of reach: " << all();
}

TEST_F(LevelSourceTest, LegendFaults) {
    Legend l;
    std::vector<LevelProblem> p;
    EXPECT_FALSE(parseLegend(". Floor\n. Floor2\n", "legend.txt", l, p));
    ASSERT_EQ(p.size(), 1u);
    EXPECT_EQ(p[0].line, 2);
    EXPECT_NE(p[0].message.find("already defined on line 1"), std::string::npos);

    for (const char* text : {"P Floor\n", "@ Floor\n", "x Marble\n", "x DeadPig\n", "xx Floor\n", "x\n"}) {
        p.clear();
        EXPECT_FALSE(parseLegend(text, "legend.txt", l, p)) << text;
        ASSERT_EQ(p.size(), 1u) << text;
        EXPECT_EQ(p[0].line, 1) << text;
    }
}

TEST_F(LevelSourceTest, DamagedLevelDataIsReportedNotFollowed) {
    check("map\n@D\nend\n");
    LevelData& level = *source.level;
    level.counts[0] = 5000;
    level.counts[1] = -3;
    level.playerX = -7;
    for (int k = 1; k < kCreatureSlots; ++k) level.creatures[0][k] = {100000, -100000, 999, -13};
    problems.clear();
    validateLevel(source, problems);
    checkSolvable(source, problems);
    EXPECT_TRUE(reported(0, "pig count 5000")) << all();
    EXPECT_TRUE(reported(0, "flame ghost count -3")) << all();
    EXPECT_TRUE(reported(source.startLine, "the start at (-7, 1)")) << all();
    Reachability r = exploreLevel(level);
    EXPECT_EQ(r.cellsReached, 0);
}

TEST_F(LevelSourceTest, DamagedSourcesNeverCrash) {
    // Mutations of a valid source: flipped, inserted and removed bytes,
    // including NUL, CR, high bytes and the marks, must each give a result
    // or a problem list, never a fault (the sanitizer build watches memory).
    const std::string base =
        "name Probe\nfill wall\nunder C -\nmap\n"
        "##########\n#@.k.K..D#\n#.P.F.E.C#\n#--------#\nend\n";
    std::mt19937 rng(1234);
    const std::string alphabet = std::string("@PFCE.#kKD1-~;\n\r \t\xff\x80", 20) + std::string(1, '\0');
    for (int round = 0; round < 400; ++round) {
        std::string text = base;
        int edits = 1 + static_cast<int>(rng() % 12);
        for (int e = 0; e < edits && !text.empty(); ++e) {
            std::size_t at = rng() % text.size();
            char c = alphabet[rng() % alphabet.size()];
            switch (rng() % 4) {
            case 0: text[at] = c; break;
            case 1: text.insert(at, 1, c); break;
            case 2: text.erase(at, 1); break;
            default: text.insert(at, std::string(rng() % 300, c)); break;
            }
        }
        problems.clear();
        if (parseLevelSource(text, "t.txt", legend, source, problems)) {
            validateLevel(source, problems);
            checkSolvable(source, problems);
        }
        for (const LevelProblem& p : problems) ASSERT_FALSE(p.message.empty());

        Legend l;
        std::vector<LevelProblem> legendProblems;
        parseLegend(text, "legend.txt", l, legendProblems);
    }
}
