// The mouse over the map: a drag paints every cell it crosses as one undo
// step, the right button picks up, Shift and a click remove any creature.
#include "common/tile_codes.h"
#include "editor/commands.h"
#include "tests/editor/editor_fixture.h"
#include "tests/support/scratch_dir.h"

#include <memory>

namespace {

using Mouse = EditorTest;

// The pointer's pixel at the middle of screen cell (c, r).
void pointerAt(int c, int r, int buttons, double at) { headless::mouse(40 * c - 20, 40 * r - 20, buttons, at); }

TEST_F(Mouse, ADragPaintsEveryCellItCrossesAsOneStep) {
    editor.brush = tile::RedWall;
    const double t = headless::clock();  // the pass reads the pointer after 80 ms
    pointerAt(2, 3, 1, t + 0.05);
    pointerAt(6, 3, 1, t + 0.1);  // a quick move: cells 3..5 lie between
    pointerAt(6, 5, 1, t + 0.15);
    pointerAt(6, 5, 0, t + 0.2);
    commandPass();
    for (int c = 2; c <= 6; ++c) EXPECT_EQ(editor.level.map[c][3], tile::RedWall) << c;
    EXPECT_EQ(editor.level.map[6][4], tile::RedWall);
    EXPECT_EQ(editor.level.map[6][5], tile::RedWall);
    EXPECT_EQ(editor.cursorX, 6) << "the cursor follows the pointer";
    EXPECT_EQ(editor.cursorY, 5);
    undoStep();
    for (int c = 2; c <= 6; ++c) EXPECT_EQ(editor.level.map[c][3], 0) << c;
    EXPECT_EQ(editor.level.map[6][5], 0);
    EXPECT_EQ(editor.levelChanged, 0);
}

// A quick click falls between two passes of the loop, 80 ms apart: it is
// seen all the same.
TEST_F(Mouse, AThirtyMillisecondClickBetweenTwoPassesPaintsItsCell) {
    editor.brush = tile::RedWall;
    const double t = headless::clock();
    pointerAt(4, 6, 0, t + 0.01);
    pointerAt(4, 6, kMouseLeft, t + 0.02);
    pointerAt(4, 6, 0, t + 0.05);
    commandPass();
    EXPECT_EQ(editor.level.map[4][6], tile::RedWall);
    EXPECT_EQ(editor.levelChanged, 1);
}

TEST_F(Mouse, TheRightButtonPicksTheCellsCodeUp) {
    editor.level.map[8][9] = tile::Key;
    pointerAt(8, 9, 2, headless::clock());
    commandPass();
    EXPECT_EQ(editor.brush, tile::Key);
    EXPECT_EQ(editor.levelChanged, 0);
}

TEST_F(Mouse, ShiftClickRemovesAnyCreatureAndTheFileKeepsItsFormat) {
    ScratchDir dir;
    for (int c = 1; c <= 3; ++c) {
        editor.cursorX = c;
        addPig();
    }
    headless::keyDown(scancode::LeftShift, headless::clock());
    pointerAt(2, 5, 1, headless::clock());
    pointerAt(2, 5, 0, headless::clock() + 0.15);
    commandPass();
    EXPECT_EQ(editor.level.pigCount(), 2);
    EXPECT_EQ(editor.level.pigs()[1].x, 1);
    EXPECT_EQ(editor.level.pigs()[2].x, 3) << "the table closed up";
    EXPECT_EQ(editor.level.map[2][5], 0) << "nothing painted";

    ASSERT_TRUE(writeLevelFile("Data\\maus.dat", editor.level));
    auto back = std::make_unique<LevelData>();
    ASSERT_TRUE(readLevelFile("Data\\maus.dat", *back));
    EXPECT_EQ(back->counts[0], 2);
    EXPECT_EQ(back->creatures[0][2].x, 3);
    undoStep();
    EXPECT_EQ(editor.level.pigCount(), 3);
    EXPECT_EQ(editor.level.pigs()[2].x, 2);
}

TEST_F(Mouse, ShiftClickEmptiesEntryZeroThatALoadedFileHeldAndTheViewDraws) {
    // Entry 0 is never placed by the editor, but a file from elsewhere may
    // hold one; the view draws it, so a click must reach it.
    const int pig = static_cast<int>(FileCreatureKind::Pig);
    editor.level.creatures[pig][0] = {4, 5, 0, 0};
    drawMapView();
    const Colour floor = cellPixel(5, 5);
    EXPECT_NE(cellPixel(4, 5), floor) << "the view draws entry 0";
    headless::keyDown(scancode::LeftShift, headless::clock());
    pointerAt(4, 5, 1, headless::clock());
    pointerAt(4, 5, 0, headless::clock() + 0.15);
    commandPass();
    EXPECT_EQ(editor.level.creatures[pig][0], StoredCreature{});
    EXPECT_EQ(editor.level.pigCount(), 0) << "the count stays";
    EXPECT_EQ(cellPixel(4, 5), floor) << "gone from the view";
    undoStep();
    EXPECT_EQ(editor.level.creatures[pig][0].x, 4);
}

}  // namespace
