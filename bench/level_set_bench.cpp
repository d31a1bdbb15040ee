// Reading a level set against reading its labyrinths as level files: the
// limit of bench/README.md.
//
//   BM_ReadLevelSet  vs BM_ReadNineLevelFiles  within 4x
//
// The set is the shipped one as the build stages it: eight labyrinths, the
// closing scene, four demonstrations and a way to each door. Its reader
// takes every value as text to check that it is a whole number, which the
// field reader does a character at a time, and walks each way again; the
// level files are the same nine labyrinths read by the level file reader,
// which takes a plain number in one step and does not check it. About
// three times the time is what that check costs.
#include "common/level_list.h"
#include "common/level_set.h"
#include "tests/support/scratch_dir.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

namespace {

// A fresh working folder holding the staged set and level files.
class StagedData : public ScratchDir {
public:
    StagedData() {
        const std::filesystem::path staged(ZL_LEVEL_STAGE_DIR);
        copyIntoData(staged / "zauberlabyrinth.zset");
        copyIntoData(staged / "ende.dat");
        for (const char* name : kLevelNames) copyIntoData(staged / (std::string(name) + ".dat"));
    }
};

void BM_ReadLevelSet(benchmark::State& state) {
    StagedData data;
    auto set = std::make_unique<LevelSet>();
    std::string refusal;
    for (auto _ : state) {
        if (!readLevelSet(levelSetPath(kShippedSetName), *set, refusal)) {
            state.SkipWithError("the staged set cannot be read: build the target `levels`");
            break;
        }
        benchmark::DoNotOptimize(set->labyrinths.data());
    }
}
BENCHMARK(BM_ReadLevelSet)->Unit(benchmark::kMillisecond);

void BM_ReadNineLevelFiles(benchmark::State& state) {
    StagedData data;
    auto level = std::make_unique<LevelData>();
    for (auto _ : state) {
        for (const char* name : kLevelNames) readLevelFile(levelFilePath(name), *level);
        readLevelFile(levelFilePath(kClosingSceneName), *level);
        benchmark::DoNotOptimize(level->map[1][1]);
    }
}
BENCHMARK(BM_ReadNineLevelFiles)->Unit(benchmark::kMillisecond);

}  // namespace
