// The --level option: one level file played from its start, ending at its
// door without going on to another labyrinth.
#include "common/level_file.h"
#include "common/tile_codes.h"
#include "game/flow/flow.h"
#include "tests/support/scratch_dir.h"
#include "tests/world/game_fixture.h"

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

}  // namespace
