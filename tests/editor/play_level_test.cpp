// F5: the level saved to the scratch file and the game started on it; the
// editor comes back unchanged.
#include "common/level_list.h"
#include "common/tile_codes.h"
#include "editor/commands.h"
#include "tests/editor/editor_fixture.h"
#include "tests/support/scratch_dir.h"

#include <memory>

namespace {

using PlayLevel = EditorTest;

TEST_F(PlayLevel, F5SavesAScratchFileStartsTheGameOnItAndLeavesTheLevelAsItWas) {
    ScratchDir dir;
    editor.brush = tile::Door;
    placeBrush();
    setStart();
    holdKeys({scancode::F5});
    EXPECT_EQ(headless::programsRun(), std::vector<std::string>{"zauberlabyrinth --level _probelauf"});
    auto level = std::make_unique<LevelData>();
    ASSERT_TRUE(readLevelFile(levelFilePath("_probelauf"), *level));
    EXPECT_EQ(level->map[5][5], tile::Door);
    EXPECT_EQ(level->playerX, 5);
    EXPECT_EQ(editor.levelChanged, 1) << "the scratch file is no save";
    EXPECT_EQ(editor.history.done, 2);
    EXPECT_EQ(cellPixel(5, 5, 0, 0), kWhite) << "the screen drawn again";
    EXPECT_EQ(levelFileListLines().size(), 0u) << "the scratch file is not offered";
}

}  // namespace
