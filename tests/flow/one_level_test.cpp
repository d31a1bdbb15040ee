// The --level option: one level file played from its start, ending at its
// door without going on to another labyrinth.
#include "common/level_file.h"
#include "common/tile_codes.h"
#include "game/flow/flow.h"
#include "tests/support/scratch_dir.h"
#include "tests/world/game_fixture.h"

#include <filesystem>
#include <memory>

namespace {

class OneLevel : public GameFixture {
protected:
    ScratchDir dir;
};

TEST_F(OneLevel, TheOptionPlaysTheFileAndItsDoorEndsTheProgram) {
    auto level = std::make_unique<LevelData>();
    level->playerX = 5;
    level->playerY = 5;
    level->map[7][5] = tile::Door;
    ASSERT_TRUE(writeLevelFile("Data\\probe.dat", *level));
    headless::setTimerStep(1e-4);
    headless::keyDown(scancode::Right, headless::clock() + 0.5);
    EXPECT_THROW(playOneLevel("probe"), headless::ProgramEnded);
    EXPECT_EQ(world.playerX, 7);
    EXPECT_EQ(world.level, 1) << "no next labyrinth";
    EXPECT_EQ(world.mode, GameMode::Live) << "no title screen";
}

TEST_F(OneLevel, ANameWithAnUmlautFindsItsFileAndAMissingOneIsToldInGerman) {
    // "Mühle" as the command line hands it on: code page 437.
    EXPECT_EQ(oneLevelMissing("M\x81hle").rfind("zauberlabyrinth: das Labyrinth Data/M\xC3\xBChle.dat gibt es nicht", 0),
              0u);
    auto level = std::make_unique<LevelData>();
    ASSERT_TRUE(writeLevelFile("Data\\M\x81hle.dat", *level));
    ASSERT_TRUE(std::filesystem::exists(dir.path() / "Data" / "M\xC3\xBChle.dat")) << "named in UTF-8 on disk";
    EXPECT_EQ(oneLevelMissing("M\x81hle"), "");
}

}  // namespace
