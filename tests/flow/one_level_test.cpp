// The --level option: one level file played from its start, ending at its
// door without going on to another labyrinth, and telling how it ended by
// its exit status and its report file.
#include "common/level_file.h"
#include "common/run_end.h"
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

// The start on (5, 5) and a door two cells to the right.
std::unique_ptr<LevelData> doorLevel() {
    auto level = std::make_unique<LevelData>();
    level->playerX = 5;
    level->playerY = 5;
    level->map[7][5] = tile::Door;
    return level;
}

TEST_F(OneLevel, TheOptionPlaysTheFileAndItsDoorEndsTheProgram) {
    ASSERT_TRUE(writeLevelFile("Data\\probe.dat", *doorLevel()));
    headless::setTimerStep(1e-4);
    headless::keyDown(scancode::Right, headless::clock() + 0.5);
    EXPECT_THROW(playOneLevel("probe"), headless::ProgramEnded);
    EXPECT_EQ(world.playerX, 7);
    EXPECT_EQ(world.level, 1) << "no next labyrinth";
    EXPECT_EQ(world.mode, GameMode::Live) << "no title screen";
}

TEST_F(OneLevel, ANameWithAnUmlautFindsItsFileAndAMissingOneIsToldInGerman) {
    // "Mühle" as the command line hands it on: code page 437.
    EXPECT_EQ(
        oneLevelMissing("M\x81hle").rfind("zauberlabyrinth: das Labyrinth Data/M\xC3\xBChle.dat gibt es nicht", 0), 0u);
    auto level = std::make_unique<LevelData>();
    ASSERT_TRUE(writeLevelFile("Data\\M\x81hle.dat", *level));
    ASSERT_TRUE(std::filesystem::exists(dir.path() / "Data" / "M\xC3\xBChle.dat")) << "named in UTF-8 on disk";
    EXPECT_EQ(oneLevelMissing("M\x81hle"), "");
}

struct EndCase {
    const char* name;
    void (*change)(LevelData& level);  // on the door level
    int key;                           // held from half a second on
    int status;                        // the exit status
    int steps;                         // in the report
};
const EndCase kEnds[] = {
    {"door", [](LevelData&) {}, scancode::Right, 10, 2},
    {"water on the way", [](LevelData& l) { l.map[6][5] = tile::Water; }, scancode::Right, 30, 1},
    {"a flame on the start", [](LevelData& l) { l.map[5][5] = tile::Flame; }, 0, 21, 0},
    {"a pig on the start",
     [](LevelData& l) {
         l.pigs()[1] = {5, 5, 0, 0};
         l.pigCount() = 1;
     },
     0, 22, 0},
    {"Esc with a step", [](LevelData&) {}, scancode::Left, 0, 1},
};

TEST_F(OneLevel, TheExitStatusAndTheReportSayHowTheRunEnded) {
    for (const EndCase& c : kEnds) {
        SCOPED_TRACE(c.name);
        headless::reset();
        world = World{};
        openScreen(800, 600, 32, 2, 0);
        auto level = doorLevel();
        c.change(*level);
        ASSERT_TRUE(writeLevelFile("Data\\probe.dat", *level));
        headless::setTimerStep(1e-4);
        if (c.key != 0) headless::keyDown(c.key, headless::clock() + 0.5);
        if (c.status == 0) headless::keyDown(scancode::Esc, headless::clock() + 0.5);
        int status = -1;
        try {
            playOneLevel("probe");
        } catch (const headless::ProgramEnded& end) {
            status = end.exitCode;
        }
        EXPECT_EQ(status, c.status);
        RunReport report;
        ASSERT_TRUE(readRunReport("probe", report));
        EXPECT_EQ(report.status, c.status);
        EXPECT_EQ(report.steps, c.steps);
    }
}

TEST(RunEnd, EveryStatusOfARunReadsBackAndNoOtherDoes) {
    for (int status = -1; status < 256; ++status) {
        RunEnd end = RunEnd::ByPlayer;
        Harm harm = Harm::None;
        const bool known = runEndOfStatus(status, end, harm);
        const bool expected = status == 0 || status == 10 || (status >= 20 && status <= 25) || status == 30;
        EXPECT_EQ(known, expected) << status;
        EXPECT_TRUE(!known || runEndStatus(end, harm) == status) << status;
    }
}

}  // namespace
