// The command loop and the program's start and end: keys held together, the
// screen and the window it opens, Esc and the close button with and without
// unsaved work.
#include "common/tile_codes.h"
#include "editor/commands.h"
#include "tests/editor/editor_fixture.h"

namespace {

using Loop = EditorTest;

const std::string kQuestion = "Level nicht gespeichert. Beenden (J/N)?";

TEST_F(Loop, KeysHeldTogetherActInTableOrder) {
    editor.level.map[6][5] = tile::RedWallZu;
    editor.brush = tile::Water;
    // Right (4th) moves, C (6th) picks up 101, the 1 key (20th) steps to 102.
    holdKeys({scancode::Digit1, scancode::C, scancode::Right});
    EXPECT_EQ(editor.cursorX, 6);
    EXPECT_EQ(editor.brush, tile::RedWallZo);

    // Right before Space: the brush lands on the new cell.
    holdKeys({scancode::Space, scancode::Right});
    EXPECT_EQ(editor.level.map[7][5], tile::RedWallZo);
    EXPECT_EQ(editor.level.map[6][5], tile::RedWallZu);
}

TEST_F(Loop, ATapOfAPersonsLengthActsOnce) {
    const double t = headless::clock();
    headless::keyDown(scancode::Digit1, t + 0.01);
    headless::keyUp(scancode::Digit1, t + 0.16);
    for (int pass = 0; pass < 5; ++pass) commandPass();
    EXPECT_EQ(editor.brush, 100) << "not 101";
}

TEST_F(Loop, StartUpOpensModeNineteenFullScreenOrInAWindow) {
    startEditor(ScreenChoice::Window);
    EXPECT_EQ(headless::windowTitle(), "Unbenannt \xE2\x80\x93 Zauberlabyrinth \xE2\x80\x93 Editor");
    ASSERT_NE(headless::windowIcon(), nullptr);
    EXPECT_EQ(headless::windowIcon()->pixels, editorImage(EdImg::Zaub1)->pixels);
    EXPECT_EQ(headless::textCellHeight(), 16);
    EXPECT_EQ(headless::pageCount(), 1);
    EXPECT_FALSE(headless::fullScreen());
    EXPECT_EQ(cellPixel(5, 5, 0, 0), kWhite) << "the cursor frame";
    EXPECT_EQ(cellPixel(5, 5), fixtureColour(EdImg::Schwarz));
    startEditor(ScreenChoice::FullScreen);
    EXPECT_TRUE(headless::fullScreen());
}

TEST_F(Loop, EscAndTheCloseButtonEndAtOnceWhenNothingChanged) {
    // N would answer a question, which must not come.
    headless::keyDown(scancode::N, 1.0);
    EXPECT_THROW(holdKeys({scancode::Esc}), headless::ProgramEnded);
    headless::keyUp(scancode::Esc, headless::clock());
    headless::closeRequest(headless::clock());
    EXPECT_THROW(commandPass(), headless::ProgramEnded);
}

TEST_F(Loop, WithUnsavedWorkOnlyJEnds) {
    editor.brush = tile::Door;
    placeBrush();
    editor.textRow = 36;  // below the map, over the status line
    const TextWatch question(36, 1, kQuestion);
    const double t = headless::clock();
    headless::keyDown(scancode::Esc, t);
    headless::keyUp(scancode::Esc, t + 0.15);
    headless::closeRequest(t + 0.2);     // a second request does not end it
    headless::typeText("jJ", t + 0.25);  // typed characters do not answer
    headless::keyDown(scancode::N, t + 0.4);
    headless::keyUp(scancode::N, t + 0.45);
    commandPass();
    EXPECT_GE(headless::clock(), t + 0.4);
    EXPECT_TRUE(question.seen());
    EXPECT_TRUE(screenIsCurrent()) << "answered, the question is gone";
    EXPECT_EQ(editor.level.map[5][5], tile::Door);

    const double u = headless::clock();
    headless::closeRequest(u);
    headless::keyDown(scancode::J, u + 0.3);
    EXPECT_THROW(commandPass(), headless::ProgramEnded);
    EXPECT_GE(headless::clock(), u + 0.3);
}

}  // namespace
