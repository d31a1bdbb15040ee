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

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <random>
#include <string>

namespace fs = std::filesystem;

namespace {

// A fresh working directory holding the staged set and level files.
class StagedData {
public:
    StagedData() : previous_(fs::current_path()) {
        std::random_device rd;
        do {
            dir_ = fs::temp_directory_path() / ("zl-bench-" + std::to_string(rd()));
        } while (!fs::create_directory(dir_));
        fs::create_directory(dir_ / "Data");
        const fs::path staged(ZL_LEVEL_STAGE_DIR);
        for (const fs::path& file : {staged / "zauberlabyrinth.zset", staged / "ende.dat"}) {
            fs::copy_file(file, dir_ / "Data" / file.filename());
        }
        for (const char* name : kLevelNames) fs::copy_file(staged / (std::string(name) + ".dat"), dir_ / "Data" / (std::string(name) + ".dat"));
        fs::current_path(dir_);
    }
    ~StagedData() {
        std::error_code ec;
        fs::current_path(previous_, ec);
        fs::remove_all(dir_, ec);
    }
    StagedData(const StagedData&) = delete;
    StagedData& operator=(const StagedData&) = delete;

private:
    fs::path previous_;
    fs::path dir_;
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
