// level_load_bench.cpp — loading a full level with loadLevel, the field
// reader per value, and writing a level file.
#include "common/level_file.h"
#include "game/world/level_loader.h"
#include "game/world/world.h"
#include "platform/field_source.h"
#include "platform/platform.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

// A level with every table full and a varied map, as large as a level gets.
std::unique_ptr<LevelData> fullLevel() {
    auto level = std::make_unique<LevelData>();
    for (int x = 1; x <= kLevelColumns; ++x) {
        for (int y = 1; y <= kLevelRows; ++y) level->map[x][y] = (x * 31 + y * 17) % 163;
    }
    level->playerX = 100;
    level->playerY = 60;
    level->viewX = 95;
    level->viewY = 52;
    for (int kind = 0; kind < kCreatureKinds; ++kind) {
        for (int k = 1; k < kCreatureSlots; ++k) {
            level->creatures[kind][k] = {1 + k * 2, 1 + k, 19 * (k % 11), 13 * (k % 11)};
        }
        level->counts[kind] = kMaxCreatures;
    }
    return level;
}

// A fresh working directory holding Data\001.dat for one benchmark run.
class LevelDir {
public:
    LevelDir() : previous_(fs::current_path()) {
        std::random_device rd;
        do {
            dir_ = fs::temp_directory_path() / ("zl-bench-" + std::to_string(rd()));
        } while (!fs::create_directory(dir_));
        fs::create_directory(dir_ / "Data");
        fs::current_path(dir_);
        writeLevelFile("Data\\001.dat", *fullLevel());
    }
    ~LevelDir() {
        std::error_code ec;
        fs::current_path(previous_, ec);
        fs::remove_all(dir_, ec);
    }
    std::string levelBytes() const {
        std::ifstream in(dir_ / "Data" / "001.dat", std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }

private:
    fs::path previous_;
    fs::path dir_;
};

void BM_LoadLevel(benchmark::State& state) {
    LevelDir dir;
    for (auto _ : state) {
        world.level = 1;
        world.deathKind = 0;
        loadLevel();
        benchmark::DoNotOptimize(world.map[220][150]);
    }
    state.SetItemsProcessed(state.iterations() * kLevelFileValues);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(dir.levelBytes().size()));
}
BENCHMARK(BM_LoadLevel)->Unit(benchmark::kMicrosecond);

// One readIntField per value, from a level already in
// memory: items_per_second is the rate of the field reader alone.
void BM_ReadIntFieldPerValue(benchmark::State& state) {
    LevelDir dir;
    const std::string bytes = dir.levelBytes();
    for (auto _ : state) {
        state.PauseTiming();
        auto source = std::make_unique<core::FileFieldSource>(bytes);
        core::selectFieldSource(source.get());
        state.ResumeTiming();
        for (int i = 0; i < kLevelFileValues; ++i) {
            int value = readIntField();
            benchmark::DoNotOptimize(value);
        }
        core::releaseFieldSource(source.get());
    }
    state.SetItemsProcessed(state.iterations() * kLevelFileValues);
}
BENCHMARK(BM_ReadIntFieldPerValue)->Unit(benchmark::kMicrosecond);

// Writing a whole level, including the sync to disk and the rename.
void BM_WriteLevelFile(benchmark::State& state) {
    LevelDir dir;
    const auto level = fullLevel();
    for (auto _ : state) writeLevelFile("Data\\001.dat", *level);
    state.SetItemsProcessed(state.iterations() * kLevelFileValues);
}
BENCHMARK(BM_WriteLevelFile)->Unit(benchmark::kMicrosecond);

}  // namespace
