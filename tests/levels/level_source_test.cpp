// The level source parser and the checks: faults are reported with the line
// they stand on, homes follow the screen rule, and the reachability walk
// opens barriers only the way the wizard can.
#include "tools/levels/level_source.h"
#include "common/tile_codes.h"
#include "tests/levels/level_tool_test.h"
#include "tools/levels/level_check.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

class LevelSourceTest : public LevelToolTest {
protected:
    LevelSource source;

    bool parse(const std::string& text) { return parseWithLegend(text, source); }
    // Parses, then runs every check.
    void check(const std::string& text) {
        ASSERT_TRUE(parse(text)) << all();
        validateLevel(source, problems);
        checkSolvable(source, problems);
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
    const struct {
        const char* text;
        int line;
        const char* fault;
    } kFaults[] = {
        {"map\n#@#\n#?#\n#D#\nend\n", 3, "unknown character '?' in column 2"},
        {"map\n#@ D#\nend\n", 2, "byte 0x20"},  // a blank inside a row
        {"fill rock\nmap\n@D\nend\n", 1, "\"fill\""},
        {"map\n@D@\nend\n", 2, "second start"},
        {"map\n..D\nend\n", 1, "no start"},
        {"map\n@D\n", 0, "not closed"},
        {"map\n@D\nend\nmore\n", 4, "after \"end\""},
        {"under x\nmap\n@D\nend\n", 1, "does not define"},
    };
    for (const auto& f : kFaults) {
        EXPECT_FALSE(parse(f.text)) << f.text;
        EXPECT_TRUE(reported(f.line, f.fault)) << f.text;
    }
}

TEST_F(LevelSourceTest, TooManyCreaturesOfAKind) {
    // 100 pigs fit; the 101st, on line 7, is refused.
    std::string rows = "map\n@D\n";
    for (int r = 0; r < 4; ++r) rows += std::string(25, 'P') + "\n";
    ASSERT_TRUE(parse(rows + "end\n")) << all();
    EXPECT_EQ(source.level->counts[0], 100);

    EXPECT_FALSE(parse(rows + "PE\nend\n"));
    EXPECT_TRUE(reported(7, "more than 100 pigs"));
    EXPECT_EQ(source.level->counts[0], 100) << "the table never grows past 100";
    EXPECT_EQ(source.level->counts[3], 1) << "other kinds are counted on";
}

TEST_F(LevelSourceTest, GridLimits) {
    std::string wide(221, '.');
    EXPECT_FALSE(parse("map\n@D\n" + wide + "\nend\n"));
    EXPECT_TRUE(reported(3, "at most 220"));

    std::string tall = "map\n@D\n";
    for (int r = 0; r < 150; ++r) tall += ".\n";
    EXPECT_FALSE(parse(tall + "end\n"));
    EXPECT_TRUE(reported(152, "more than 150 rows"));
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
    EXPECT_TRUE(reported(2, "the start at (212, 1) lies outside the reachable cells"));
    EXPECT_TRUE(reported(2, "the eye at (211, 1) lies outside"));

    // A home that does not contain its creature, and one no flip reaches.
    check("map\n@.D.P.P\nend\n");
    EXPECT_TRUE(problems.empty()) << all();
    source.level->creatures[0][1].homeViewX = 19;
    source.level->creatures[0][2].homeViewY = 5;
    problems.clear();
    validateLevel(source, problems);
    EXPECT_TRUE(reported(2, "the pig at (5, 1) lies outside its view (19, 0)"));
    EXPECT_TRUE(reported(2, "which no flip reaches"));

    // A cleaning man needs a code above 50 beneath; the barrier (50) does not carry him.
    check("map\n@DC.C.C\n##-#-#.\nend\n");
    EXPECT_FALSE(reported(2, "(3, 1)"));
    EXPECT_FALSE(reported(2, "(5, 1)")) << "Roof carries him";
    EXPECT_TRUE(reported(2, "the cleaning man at (7, 1) has Floor (0) beneath"));
    check("map\n@D.C\n##.K\nend\n");
    EXPECT_TRUE(reported(2, "has Barrier (50) beneath"));

    // Pigs and cleaning men cannot start inside a wall; the start needs floor.
    check("under P #\nunder @ ~\nmap\n@DP\nend\n");
    EXPECT_TRUE(reported(4, "the pig at (3, 1) stands inside RedWall"));
    EXPECT_TRUE(reported(4, "the start stands on Water"));
}

TEST_F(LevelSourceTest, DoorAndBarrierCounts) {
    check("map\n@..\nend\n");
    EXPECT_TRUE(reported(1, "no door"));
    check("door none\nmap\n@..\nend\n");
    EXPECT_TRUE(problems.empty()) << "a scene needs no door: " << all();

    check("map\n@kK.K1D\nend\n");
    EXPECT_TRUE(reported(1, "3 barriers open with Key (40) but only 1"));
}

TEST_F(LevelSourceTest, WalkOpensBarriersOnlyTheWayTheWizardCan) {
    // Each labyrinth's door is reached, or the check says on line 1 what it
    // says of it.
    const struct {
        const char* why;
        const char* map;
        const char* fault;  // nullptr: no problem at all
    } kWalks[] = {
        {"a door behind a wall", "#####\n#@kK#\n####D\n", "cannot be reached"},
        {"a side barrier walked into sideways opens", "#####\n#@kKD\n#####\n", nullptr},
        {"a side barrier met only from above stays shut", "#####\n#@k.#\n###K#\n###D#\n", "closed: Barrier (50) at (4, 3)"},
        {"a cross barrier opens from above", "#####\n#@k.#\n###1#\n###D#\n", nullptr},
        {"a cross barrier does not open from the side", "#####\n#@k1D\n#####\n", "cannot be reached"},
        {"a key behind its own barrier never helps", "#######\n#@.Kk.D\n#######\n", "cannot be reached"},
        {"the crown does not open a key's barrier", "######\n#@rK.D\n######\n", "cannot be reached"},
        {"the crown opens its own", "######\n#@rR.D\n######\n", nullptr},
        {"water drowns", "#####\n#@~D#\n#####\n", "cannot be reached"},
        {"secret walls and flames are passable", "#####\n#@%fD\n#####\n", nullptr},
    };
    for (const auto& walk : kWalks) {
        SCOPED_TRACE(walk.why);
        check(std::string("map\n") + walk.map + "end\n");
        if (walk.fault == nullptr) {
            EXPECT_TRUE(problems.empty()) << all();
        } else {
            EXPECT_TRUE(reported(1, "the door cannot be reached"));
            EXPECT_TRUE(reported(1, walk.fault));
        }
    }

    // The walk never steps past column 210.
    std::string row(209, '.');
    check("fill floor\nmap\n@" + row + "\n" + std::string(210, '#') + ".D\nend\n");
    EXPECT_TRUE(reported(2, "from the start (1, 1) (210 cells reached)")) << "column 211 is out of reach";
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
    EXPECT_TRUE(reported(0, "pig count 5000"));
    EXPECT_TRUE(reported(0, "flame ghost count -3"));
    EXPECT_TRUE(reported(source.startLine, "the start at (-7, 1)"));
    Reachability r = exploreLevel(level);
    EXPECT_EQ(r.cellsReached, 0);
}

TEST_F(LevelSourceTest, DamagedSourcesNeverCrash) {
    // Mutations of a valid source: flipped, inserted and removed bytes,
    // including NUL, CR, high bytes and the marks, must each give a result
    // or a problem list, never a fault (the sanitizer build watches memory).
    const std::string base = "name Probe\nfill wall\nunder C -\nmap\n"
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
