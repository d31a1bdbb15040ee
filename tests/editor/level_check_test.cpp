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
    {"no start", [] { smallLevel(); editor.level.playerX = editor.level.playerY = 0; }, "Kein Start gesetzt (S auf einem Feld)."},
    {"no door", [] { smallLevel(); editor.level.map[8][5] = 0; }, "Keine T\x81r im Level (E, dann Leertaste)."},
    {"key missing", [] { smallLevel(); editor.level.map[7][5] = tile::Barrier; },
     "Sperre bei 7,5: ihr Schl\x81ssel liegt nirgends."},
    {"key there", [] { smallLevel(); editor.level.map[7][5] = tile::Barrier; editor.level.map[5][6] = tile::Key; },
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
