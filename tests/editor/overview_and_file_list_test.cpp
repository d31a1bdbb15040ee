// F4's overview choosing the view by arrow and by click, and the level files
// the load dialog lists.
#include "editor/commands.h"
#include "tests/editor/editor_fixture.h"
#include "tests/support/scratch_dir.h"

#include <chrono>
#include <filesystem>
#include <initializer_list>
#include <string>

namespace {

using Overview = EditorTest;

void tapKey(int key, double at) {
    headless::keyDown(key, at);
    headless::keyUp(key, at + 0.05);
}

TEST_F(Overview, ArrowsMoveTheFrameByPagesAndAClickChoosesThePage) {
    const double t = headless::clock();
    headless::keyDown(scancode::F4, t);
    headless::keyUp(scancode::F4, t + 0.15);
    tapKey(scancode::Right, t + 0.2);
    tapKey(scancode::Down, t + 0.3);
    tapKey(scancode::F4, t + 0.4);
    commandPass();
    EXPECT_EQ(editor.viewX, 19);
    EXPECT_EQ(editor.viewY, 13);

    // Map cell (100, 50) lies at 70 + 3 * 99, 48 + 3 * 49 in the overview.
    const double u = headless::clock();
    headless::keyDown(scancode::F4, u);
    headless::keyUp(scancode::F4, u + 0.15);
    headless::mouse(70 + 3 * 99 + 1, 48 + 3 * 49 + 1, 1, u + 0.2);
    headless::mouse(70 + 3 * 99 + 1, 48 + 3 * 49 + 1, 0, u + 0.25);
    commandPass();
    EXPECT_EQ(editor.viewX, 95);
    EXPECT_EQ(editor.viewY, 39);
    EXPECT_EQ(cellPixel(5, 5, 0, 0), kWhite) << "back on the map, the cursor where it was";
}

// Writes Data/<name>.dat for each name, each an hour older than the one
// before it.
void writeLevelsNewestFirst(const ScratchDir& dir, std::initializer_list<const char*> names) {
    const auto now = std::filesystem::file_time_type::clock::now();
    int age = 0;
    for (const char* name : names) {
        dir.writeFile(std::string("Data/") + name + ".dat", "0");
        std::filesystem::last_write_time(dir.path() / "Data" / (std::string(name) + ".dat"), now - std::chrono::hours(++age));
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
    for (const char* other : {"Einstellung", "Demo", "Demo4"}) dir.writeFile(std::string("Data/") + other + ".dat", "0");
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
