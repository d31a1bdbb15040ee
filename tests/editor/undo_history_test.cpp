// Undo and redo: every kind of change taken back and put back, the unsaved
// mark following the history, Ctrl letters read by their label, the limit.
#include "common/tile_codes.h"
#include "editor/commands.h"
#include "tests/editor/editor_fixture.h"

#include <memory>

namespace {

using Undo = EditorTest;

std::unique_ptr<LevelData> levelNow() { return std::make_unique<LevelData>(editor.level); }

bool sameLevel(const LevelData& a, const LevelData& b) {
    return a.map == b.map && a.playerX == b.playerX && a.playerY == b.playerY && a.viewX == b.viewX &&
           a.viewY == b.viewY && a.creatures == b.creatures && a.counts == b.counts;
}

// Ctrl with the key labelled `label` at scancode `position`, for one pass.
void controlKey(int position, char label, bool shift = false) {
    const double t = headless::clock();
    headless::keyDown(scancode::Ctrl, t);
    if (shift) headless::keyDown(scancode::LeftShift, t);
    headless::keyDown(position, t, label);
    commandPass();
    headless::keyUp(position, headless::clock(), label);
    headless::keyUp(scancode::Ctrl, headless::clock());
    headless::keyUp(scancode::LeftShift, headless::clock());
    headless::advance(0.001);
}

struct ChangeCase {
    const char* name;
    void (*setUp)();  // the saved level before the change
    void (*change)();
};
const ChangeCase kChanges[] = {
    {"place", [] { editor.brush = tile::Door; }, placeBrush},
    {"start", [] {}, setStart},
    {"add", [] {}, addCleaner},
    {"remove",
     [] {
         addEye();
         clearHistory();
     },
     removeEye},
};

TEST_F(Undo, EveryKindOfChangeIsTakenBackAndPutBack) {
    for (const ChangeCase& c : kChanges) {
        SCOPED_TRACE(c.name);
        editor = EditorState{};
        c.setUp();
        const auto before = levelNow();
        c.change();
        const auto after = levelNow();
        ASSERT_FALSE(sameLevel(*before, *after));
        EXPECT_EQ(editor.levelChanged, 1);
        // German layout: Ctrl+Z is the key at 21 (the cleaner key), Ctrl+Y at 44.
        controlKey(scancode::Z, 'z');
        EXPECT_TRUE(sameLevel(*levelNow(), *before));
        EXPECT_EQ(editor.levelChanged, 0) << "back at the saved state";
        controlKey(scancode::Y, 'y');
        EXPECT_TRUE(sameLevel(*levelNow(), *after));
        controlKey(scancode::Z, 'z');
        controlKey(scancode::Z, 'z', true);  // Ctrl+Shift+Z puts back too
        EXPECT_TRUE(sameLevel(*levelNow(), *after));
        EXPECT_EQ(editor.levelChanged, 1);
    }
}

TEST_F(Undo, CtrlLettersGoByLabelAndDoNotRunTheirCommands) {
    editor.brush = tile::Door;
    placeBrush();
    // A US keyboard: Z sits at scancode 44, the German Y (remove an eye).
    addEye();
    controlKey(scancode::Y, 'z');
    EXPECT_EQ(editor.level.eyeCount(), 0) << "undo took the eye back";
    controlKey(scancode::Z, 'y');  // redo, not an added cleaner
    EXPECT_EQ(editor.level.eyeCount(), 1);
    EXPECT_EQ(editor.level.cleanerCount(), 0);
    // Held over several passes it acts once.
    headless::keyDown(scancode::Ctrl, headless::clock());
    headless::keyDown(scancode::Z, headless::clock(), 'z');
    for (int i = 0; i < 4; ++i) commandPass();
    EXPECT_EQ(editor.level.eyeCount(), 0);
    EXPECT_EQ(editor.level.map[5][5], tile::Door);
}

TEST_F(Undo, SavedStateFollowsTheHistoryAndANewChangeDropsTheRedo) {
    editor.brush = tile::Door;
    placeBrush();
    markSaved();  // what F1 does
    editor.cursorX = 6;
    placeBrush();
    undoStep();
    EXPECT_EQ(editor.levelChanged, 0);
    undoStep();
    EXPECT_EQ(editor.levelChanged, 1) << "before the save";
    editor.brush = tile::Water;
    placeBrush();  // the saved state can no longer be reached
    undoStep();
    EXPECT_EQ(editor.levelChanged, 1);
    redoStep();
    redoStep();  // nothing left to put back
    EXPECT_EQ(editor.level.map[6][5], tile::Water);
    EXPECT_EQ(editor.level.map[5][5], 0);
}

TEST_F(Undo, KeepsTheLastTwoHundredSteps) {
    for (int i = 0; i < kUndoSteps + 5; ++i) {
        editor.brush = i + 1;
        placeBrush();
    }
    for (int i = 0; i < kUndoSteps + 5; ++i) undoStep();
    EXPECT_EQ(editor.level.map[5][5], 5) << "the five oldest steps are gone";
    EXPECT_EQ(editor.levelChanged, 1);
}

}  // namespace
