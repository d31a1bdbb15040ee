// F6: the check's verdicts on small made levels, and the jump to the first
// problem.
#include "common/tile_codes.h"
#include "editor/commands.h"
#include "tests/editor/editor_fixture.h"

namespace {

using LevelCheck = EditorTest;

// Start on (5, 5), the door three cells to the right.
void smallLevel() {
    editor.level.playerX = 5;
    editor.level.playerY = 5;
    editor.level.map[8][5] = tile::Door;
}

struct CheckCase {
    const char* name;
    void (*make)();
    const char* firstLine;
};
const CheckCase kCases[] = {
    {"solvable", smallLevel, "Schaffbar: die T\x81r ist in 3 Schritten vom Start aus erreichbar."},
    {"no start",
     [] {
         smallLevel();
         editor.level.playerX = editor.level.playerY = 0;
     },
     "Kein Start gesetzt (S auf einem Feld)."},
    {"no door",
     [] {
         smallLevel();
         editor.level.map[8][5] = 0;
     },
     "Keine T\x81r im Level (E, dann Leertaste)."},
    {"key missing",
     [] {
         smallLevel();
         editor.level.map[7][5] = tile::Barrier;
     },
     "Sperre bei 7,5: ihr Schl\x81ssel liegt nirgends."},
    {"key there",
     [] {
         smallLevel();
         editor.level.map[7][5] = tile::Barrier;
         editor.level.map[5][6] = tile::Key;
     },
     "Schaffbar: die T\x81r ist in 5 Schritten vom Start aus erreichbar."},
    {"walled off",
     [] {
         smallLevel();
         for (int x = 7; x <= 9; ++x) editor.level.map[x][4] = editor.level.map[x][6] = tile::RedWall;
         editor.level.map[7][5] = editor.level.map[9][5] = tile::RedWall;
     },
     "Die T\x81r ist vom Start aus nicht erreichbar."},
};

TEST_F(LevelCheck, VerdictsOnSmallLevels) {
    for (const CheckCase& c : kCases) {
        SCOPED_TRACE(c.name);
        editor = EditorState{};
        c.make();
        const std::vector<LevelFinding> findings = checkLevel();
        ASSERT_FALSE(findings.empty());
        EXPECT_EQ(findings.front().text, c.firstLine);
    }
}

// The route found runs (5, 5) .. (8, 5). A creature on it or on a cell next
// to it is named, in the order the route passes them; one two cells away is
// not. The check says it left the creatures out.
TEST_F(LevelCheck, NamesTheCreaturesByTheRouteAndSaysItLeftThemOut) {
    smallLevel();
    editor.level.eyes()[1] = {9, 6, 0, 0};    // diagonal to the door
    editor.level.pigs()[1] = {20, 20, 0, 0};  // far away
    editor.level.pigs()[2] = {7, 5, 0, 0};    // on the route
    editor.level.pigs()[3] = {7, 3, 0, 0};    // two rows above it
    editor.level.pigs()[4] = {7, 4, 0, 0};    // removed: above the count
    editor.level.pigCount() = 3;
    editor.level.cleaners()[1] = {4, 4, 0, 0};  // next to the start
    editor.level.cleanerCount() = 1;
    editor.level.eyeCount() = 1;
    const std::vector<LevelFinding> findings = checkLevel();
    std::vector<std::string> texts;
    for (const LevelFinding& finding : findings) texts.push_back(finding.text);
    const std::vector<std::string> expected = {
        "Schaffbar: die T\x81r ist in 3 Schritten vom Start aus erreichbar.",
        "Ohne Wesen gepr\x81"
        "ft: Schweine, Flammengeister, Augen und Putzm\x84nner kosten Energie.",
        "Warnung: Putzmann bei 4,4 am Weg.",
        "Warnung: Schwein bei 7,5 am Weg.",
        "Warnung: Auge bei 9,6 am Weg.",
    };
    EXPECT_EQ(texts, expected);
    EXPECT_EQ(findings[2].x, 4) << "Enter goes to the first of them";
    EXPECT_EQ(findings[2].y, 4);
}

TEST_F(LevelCheck, EnterJumpsToTheFirstProblem) {
    smallLevel();
    editor.level.map[100][50] = tile::CrossBarrier;
    const double t = headless::clock();
    headless::keyDown(scancode::F6, t);
    headless::keyUp(scancode::F6, t + 0.2);
    headless::typeText("\r", t + 0.3);
    commandPass();
    EXPECT_EQ(editor.viewX + editor.cursorX, 100);
    EXPECT_EQ(editor.viewY + editor.cursorY, 50);
    EXPECT_EQ(editor.viewX, 95);
}

}  // namespace
