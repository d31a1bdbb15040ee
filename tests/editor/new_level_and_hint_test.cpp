// The start-up hint until the first command, and Ctrl+N asking before it
// drops unsaved work.
#include "common/tile_codes.h"
#include "editor/commands.h"
#include "tests/editor/editor_fixture.h"

namespace {

using NewLevel = EditorTest;

TEST_F(NewLevel, TheHintShowsAtStartUpUntilTheFirstCommand) {
    startEditor(ScreenChoice::Window);
    EXPECT_TRUE(showsText(16, 30, "Willkommen im Level-Editor!"));
    holdKeys({scancode::Digit1});  // a brush key draws only the cursor cell
    EXPECT_FALSE(showsText(16, 30, "Willkommen im Level-Editor!"));
    EXPECT_EQ(cellPixel(5, 5, 0, 0), kWhite);
}

TEST_F(NewLevel, CtrlNAsksWithUnsavedChangesAndStartsAFreshHistory) {
    editor.brush = tile::Door;
    placeBrush();
    setStart();
    for (char answer : {'n', 'j'}) {
        const double t = headless::clock();
        headless::keyDown(scancode::Ctrl, t);
        headless::keyDown(scancode::N, t, 'n');
        headless::keyUp(scancode::N, t + 0.1, 'n');
        headless::keyUp(scancode::Ctrl, t + 0.1);
        const int key = answer == 'j' ? scancode::J : scancode::N;
        headless::keyDown(key, t + 0.2);
        headless::keyUp(key, t + 0.25);
        commandPass();
        headless::advance(0.1);
        EXPECT_EQ(editor.level.map[5][5], answer == 'j' ? 0 : tile::Door);
        EXPECT_EQ(editor.level.playerX, answer == 'j' ? 0 : 5);
    }
    EXPECT_EQ(editor.levelChanged, 0);
    undoStep();
    EXPECT_EQ(editor.level.map[5][5], 0) << "nothing to take back";
}

}  // namespace
