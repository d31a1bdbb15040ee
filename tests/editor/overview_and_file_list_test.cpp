// F4's overview choosing the view by arrow and by click, going back with
// Esc, and the level files the load dialog lists.
#include "editor/commands.h"
#include "tests/editor/editor_fixture.h"
#include "tests/support/scratch_dir.h"

#include <chrono>
#include <filesystem>
#include <initializer_list>
#include <string>

namespace {

using Overview = EditorTest;

// The overview's geometry: each map cell a 3 x 3 square, column 1 at x 70,
// row 1 at y 48.
constexpr int kLeft = 70;
constexpr int kTop = 48;
constexpr int kDot = 3;
constexpr Colour kFrame = 0xFFFFFF00u;

void tapKey(int key, double at) {
    headless::keyDown(key, at);
    headless::keyUp(key, at + 0.05);
}

// F4, a click at pixel (px, py), then `back` to return: one pass.
void clickInOverview(int px, int py, int back = scancode::Enter) {
    const double t = headless::clock();
    headless::keyDown(scancode::F4, t);
    headless::keyUp(scancode::F4, t + 0.15);
    headless::mouse(px, py, 1, t + 0.2);
    headless::mouse(px, py, 0, t + 0.25);
    tapKey(back, t + 0.3);
    commandPass();
}

TEST_F(Overview, ArrowsMoveTheFrameByPages) {
    const double t = headless::clock();
    headless::keyDown(scancode::F4, t);
    headless::keyUp(scancode::F4, t + 0.15);
    tapKey(scancode::Right, t + 0.2);
    tapKey(scancode::Down, t + 0.3);
    tapKey(scancode::F4, t + 0.4);
    commandPass();
    EXPECT_EQ(editor.viewX, 19);
    EXPECT_EQ(editor.viewY, 13);
    EXPECT_EQ(cellPixel(5, 5, 0, 0), kWhite) << "back on the map, the cursor where it was";
}

TEST_F(Overview, AClickFramesItsPageAndTheOverviewStaysUntilEnter) {
    // Map cell (100, 50) lies on page (95, 39).
    const double t = headless::clock();
    headless::keyDown(scancode::F4, t);
    headless::keyUp(scancode::F4, t + 0.15);
    headless::mouse(kLeft + kDot * 99 + 1, kTop + kDot * 49 + 1, 1, t + 0.2);
    headless::mouse(kLeft + kDot * 99 + 1, kTop + kDot * 49 + 1, 0, t + 0.25);
    bool framed = false;
    bool stayed = false;
    headless::setWatcher([&] {
        if (headless::clock() < t + 0.4) return;
        framed = framed || headless::pixel(0, kLeft + kDot * 95, kTop + kDot * 39) == kFrame;
        stayed = stayed ||
                 (headless::clock() > t + 0.9 && headless::pixel(0, kLeft + kDot * 95, kTop + kDot * 39) == kFrame);
    });
    tapKey(scancode::Enter, t + 1.0);
    commandPass();
    headless::setWatcher({});
    EXPECT_TRUE(framed) << "the picked page framed";
    EXPECT_TRUE(stayed) << "the overview still shown after the click";
    EXPECT_EQ(editor.viewX, 95);
    EXPECT_EQ(editor.viewY, 39);
}

// A page's first column of its own is the one after the column it shares
// with the page before (page 19 shows columns 20..39, column 20 belonging
// to page 0): clicking it, or the page's last column, picks that page, at
// either edge of the column's three pixels. Rows likewise.
TEST_F(Overview, AClickOnTheFirstOrLastColumnOrRowOfAPagePicksThatPage) {
    for (int page = 0; page < 11; ++page) {
        const int viewX = 19 * page;
        const int viewY = 13 * page;
        const int firstColumn = page == 0 ? 1 : viewX + 2;
        const int lastColumn = page == 10 ? 210 : viewX + 20;
        const int firstRow = page == 0 ? 1 : viewY + 2;
        const int lastRow = page == 10 ? 144 : viewY + 14;
        for (int column : {firstColumn, lastColumn}) {
            for (int edge : {0, kDot - 1}) {
                SCOPED_TRACE("column " + std::to_string(column) + " pixel " + std::to_string(edge));
                clickInOverview(kLeft + kDot * (column - 1) + edge, kTop + 1);
                EXPECT_EQ(editor.viewX, viewX);
            }
        }
        for (int row : {firstRow, lastRow}) {
            for (int edge : {0, kDot - 1}) {
                SCOPED_TRACE("row " + std::to_string(row) + " pixel " + std::to_string(edge));
                clickInOverview(kLeft + 1, kTop + kDot * (row - 1) + edge);
                EXPECT_EQ(editor.viewY, viewY);
            }
        }
    }
}

// Esc goes back from the overview and is spent there: with the level saved
// (nothing to ask) it would otherwise end the editor at once.
TEST_F(Overview, EscGoesBackAndNeverEndsTheEditor) {
    ASSERT_EQ(editor.levelChanged, 0);
    for (double hold : {0.05, 0.6}) {
        SCOPED_TRACE(hold);
        const double t = headless::clock();
        headless::keyDown(scancode::F4, t);
        headless::keyUp(scancode::F4, t + 0.15);
        headless::keyDown(scancode::Esc, t + 0.3);
        headless::keyUp(scancode::Esc, t + 0.3 + hold);
        EXPECT_NO_THROW(for (int pass = 0; pass < 12; ++pass) commandPass());
        EXPECT_EQ(cellPixel(5, 5, 0, 0), kWhite) << "back on the map";
    }
    EXPECT_THROW(holdKeys({scancode::Esc}), headless::ProgramEnded) << "on the map Esc still ends it";
}

// Writes Data/<name>.dat for each name, each an hour older than the one
// before it.
void writeLevelsNewestFirst(const ScratchDir& dir, std::initializer_list<const char*> names) {
    const auto now = std::filesystem::file_time_type::clock::now();
    int age = 0;
    for (const char* name : names) {
        dir.writeFile(std::string("Data/") + name + ".dat", "0");
        std::filesystem::last_write_time(dir.path() / "Data" / (std::string(name) + ".dat"),
                                         now - std::chrono::hours(++age));
    }
}

// A star marks a shipped labyrinth as it was shipped (it equals its copy in
// Data/.shipped); 002 was changed by the player, so it is the player's own.
TEST(LevelFileList, NewestFirstWithTheUnchangedShippedOnesStarredWithoutSettingsOrRecordings) {
    ScratchDir dir;
    writeLevelsNewestFirst(dir, {"meins", "001", "alt", "002"});
    dir.writeFile("Data/.shipped/001.dat", "0");
    dir.writeFile("Data/.shipped/002.dat", "1");
    dir.writeFile("Data/.001.dat.part", "0");
    dir.writeFile("Data/settings.txt", "0");
    for (const char* other : {"Einstellung", "Demo", "Demo4"})
        dir.writeFile(std::string("Data/") + other + ".dat", "0");
    const std::vector<std::string> lines = levelFileListLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], "meins  001*  alt  002");
}

TEST(LevelFileList, NamesAreShownInCodePage437AndWhatItLacksIsMarked) {
    ScratchDir dir;
    // As the files lie on disk: Mühle (UTF-8, as the editor saves it),
    // Kr✓te (a check mark: not in the code page) and Müll from an old
    // system (Latin-1, not UTF-8).
    writeLevelsNewestFirst(dir, {"M\xC3\xBChle", "Kr\xE2\x9C\x93te", "M\xFCll"});
    const std::vector<std::string> lines = levelFileListLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], "M\x81hle  Kr\xFEte  M\xFEll");
}

}  // namespace
