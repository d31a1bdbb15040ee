// Creature tables: the limits 100 and 0, the entry a remove leaves, and
// what an add records.
#include "editor/commands.h"
#include "tests/editor/editor_fixture.h"

namespace {

using Creatures = EditorTest;

TEST_F(Creatures, AddStopsAt100AndRemoveStopsAt0) {
    for (int i = 0; i < 101; ++i) addEye();
    EXPECT_EQ(editor.level.eyeCount(), 100);
    EXPECT_EQ(editor.level.eyes()[100].x, 5);
    for (int i = 0; i < 101; ++i) removeEye();
    EXPECT_EQ(editor.level.eyeCount(), 0);
    addEye();
    EXPECT_EQ(editor.level.eyeCount(), 1) << "the next add writes entry 1";
    EXPECT_EQ(editor.level.eyes()[0].x, 0) << "entry 0 is never written";
}

TEST_F(Creatures, ARemoveKeepsTheEntryAboveTheCountAndTheNextAddReusesIt) {
    editor.viewX = 19;
    editor.viewY = 13;
    addPig();  // cell (24, 18)
    editor.cursorX = 7;
    addPig();  // cell (26, 18)
    removePig();
    EXPECT_EQ(editor.level.pigCount(), 1);
    EXPECT_EQ(editor.level.pigs()[2].x, 26) << "kept above the count";
    editor.cursorX = 9;
    addPig();
    EXPECT_EQ(editor.level.pigCount(), 2);
    EXPECT_EQ(editor.level.pigs()[2].x, 28);
    EXPECT_EQ(editor.level.pigs()[2].y, 18);
    EXPECT_EQ(editor.level.pigs()[2].homeViewX, 19);
    EXPECT_EQ(editor.level.pigs()[2].homeViewY, 13);
    EXPECT_EQ(editor.level.flameGhostCount() + editor.level.cleanerCount() + editor.level.eyeCount(), 0);
}

}  // namespace
