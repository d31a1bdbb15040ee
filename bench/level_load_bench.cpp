// Level files through the platform's data files against plain stdio doing
// the same: the limits of bench/README.md.
//
//   BM_LoadLevel       vs BM_ReadLevelStdio    within 3x   (the same fields read with fscanf)
//   BM_WriteLevelFile  vs BM_WriteLevelStdio   within 3x   (the same fields written with fprintf,
//                                                           synced and renamed over the old file)
//
// As context, the bare bytes read with one fread and written with one
// fwrite (BM_ReadLevelBytesStdio, BM_WriteLevelBytesStdio), and the field
// reader alone (BM_ReadIntFieldPerValue). Saving and loading a game are
// held against the same fields through stdio at the end of the file.
#include "common/level_file.h"
#include "game/front/saved_game.h"
#include "game/world/level_loader.h"
#include "game/world/world.h"
#include "platform/field_source.h"
#include "platform/platform.h"
#include "tests/support/scratch_dir.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

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

// The level's values in file order, as the stdio versions write them.
std::vector<int> fileValues(const LevelData& level) {
    std::vector<int> values;
    values.reserve(kLevelFileValues);
    forEachLevelValue(level, [&values](int value, bool) { values.push_back(value); });
    return values;
}

// A fresh working folder holding Data\001.dat for one benchmark run.
class LevelDir : public ScratchDir {
public:
    LevelDir() { writeLevelFile("Data\\001.dat", *fullLevel()); }
    // The file in the host's spelling, for the stdio versions.
    static std::string levelPath() { return "Data/001.dat"; }
    std::string levelBytes() const { return readFile(levelPath()); }
};

// Opens a file for the stdio versions; on failure the benchmark is marked
// as skipped with `why` and nullptr comes back.
std::FILE* openOrSkip(benchmark::State& state, const std::string& path, const char* mode, const char* why) {
    std::FILE* f = std::fopen(path.c_str(), mode);
    if (f == nullptr) state.SkipWithError(why);
    return f;
}

// Reads a file's numbers, each with the comma or line end after it, with
// fscanf into values; false when the file cannot be opened (the benchmark
// then skipped).
bool scanValuesStdio(benchmark::State& state, const std::string& path, std::vector<int>& values) {
    std::FILE* f = openOrSkip(state, path, "rb", "no file to read");
    if (f == nullptr) return false;
    for (int& v : values) {
        if (std::fscanf(f, "%d%*[,\r\n]", &v) != 1) v = 0;
    }
    std::fclose(f);
    return true;
}

// What the data-file writer does to make a file durable, done with stdio:
// the scratch file synced, renamed over the target, the folder synced.
bool commitStdio(std::FILE* f, const std::string& scratch, const std::string& target) {
    bool ok = std::fflush(f) == 0 && ::fsync(fileno(f)) == 0;
    ok = std::fclose(f) == 0 && ok;
    if (!ok || std::rename(scratch.c_str(), target.c_str()) != 0) return false;
    const int folder = ::open("Data", O_RDONLY | O_DIRECTORY);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return true;
}

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

// The same fields read with fscanf, each number with the comma or line end
// after it.
void BM_ReadLevelStdio(benchmark::State& state) {
    LevelDir dir;
    std::vector<int> values(kLevelFileValues);
    for (auto _ : state) {
        if (!scanValuesStdio(state, LevelDir::levelPath(), values)) break;
        benchmark::DoNotOptimize(values.data());
    }
    state.SetItemsProcessed(state.iterations() * kLevelFileValues);
}
BENCHMARK(BM_ReadLevelStdio)->Unit(benchmark::kMicrosecond);

// The bytes alone, one fread: context.
void BM_ReadLevelBytesStdio(benchmark::State& state) {
    LevelDir dir;
    std::vector<char> bytes(dir.levelBytes().size() + 1);
    for (auto _ : state) {
        std::FILE* f = openOrSkip(state, LevelDir::levelPath(), "rb", "no level file");
        if (f == nullptr) break;
        benchmark::DoNotOptimize(std::fread(bytes.data(), 1, bytes.size(), f));
        std::fclose(f);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size() - 1));
}
BENCHMARK(BM_ReadLevelBytesStdio)->Unit(benchmark::kMicrosecond);

// One readIntField per value, from a level already in memory:
// items_per_second is the rate of the field reader alone.
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

// The same fields written with fprintf, in the same layout (the map on one
// line, every other value on a line of its own), made as durable.
void BM_WriteLevelStdio(benchmark::State& state) {
    LevelDir dir;
    const std::vector<int> values = fileValues(*fullLevel());
    const std::size_t mapValues = static_cast<std::size_t>(kLevelColumns) * kLevelRows;
    const std::string scratch = LevelDir::levelPath() + ".new";
    for (auto _ : state) {
        std::FILE* f = openOrSkip(state, scratch, "wb", "cannot write");
        if (f == nullptr) break;
        for (std::size_t i = 0; i < values.size(); ++i) std::fprintf(f, i < mapValues ? "%d," : "%d\r\n", values[i]);
        benchmark::DoNotOptimize(commitStdio(f, scratch, LevelDir::levelPath()));
    }
    state.SetItemsProcessed(state.iterations() * kLevelFileValues);
}
BENCHMARK(BM_WriteLevelStdio)->Unit(benchmark::kMicrosecond);

// The bytes alone, one fwrite, made as durable: context.
void BM_WriteLevelBytesStdio(benchmark::State& state) {
    LevelDir dir;
    const std::string bytes = dir.levelBytes();
    const std::string scratch = LevelDir::levelPath() + ".new";
    for (auto _ : state) {
        std::FILE* f = openOrSkip(state, scratch, "wb", "cannot write");
        if (f == nullptr) break;
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        benchmark::DoNotOptimize(commitStdio(f, scratch, LevelDir::levelPath()));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_WriteLevelBytesStdio)->Unit(benchmark::kMicrosecond);

// ---- Saved games ------------------------------------------------------------
//
//   BM_SaveGame  vs BM_WriteSavedStdio  within 3x  (the same 34,625 fields with fprintf,
//                                                    synced and renamed)
//   BM_LoadGame  vs BM_ReadSavedStdio   within 3x  (the same fields read with fscanf)

// The world of a full level with a game's fields, as a saved game holds it.
void fillWorldForSaving() {
    world = World{};
    putLevelIntoWorld(*fullLevel());
    world.score = 12345;
    world.heldItem = 40;
    world.energy = 87;
    world.level = 3;
}

// A saved game's values in file order: the level's, then the four game fields.
std::vector<int> savedValues() {
    std::vector<int> values = fileValues(*fullLevel());
    for (int v : {12345, 40, 87, 3}) values.push_back(v);
    return values;
}

void BM_SaveGame(benchmark::State& state) {
    LevelDir dir;
    fillWorldForSaving();
    for (auto _ : state) benchmark::DoNotOptimize(saveGame("Data\\bench.sav"));
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(savedValues().size()));
}
BENCHMARK(BM_SaveGame)->Unit(benchmark::kMicrosecond);

void BM_WriteSavedStdio(benchmark::State& state) {
    LevelDir dir;
    const std::vector<int> values = savedValues();
    for (auto _ : state) {
        std::FILE* f = openOrSkip(state, "Data/bench.sav.tmp", "wb", "cannot write");
        if (f == nullptr) break;
        const std::size_t last = values.size() - 1;
        for (std::size_t i = 0; i < values.size(); ++i) {
            // One value per line, the last four on one line, as the game writes them.
            const char* end = i + 3 >= last && i < last ? "," : "\r\n";
            std::fprintf(f, "%d%s", values[i], end);
        }
        benchmark::DoNotOptimize(commitStdio(f, "Data/bench.sav.tmp", "Data/bench.sav"));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(values.size()));
}
BENCHMARK(BM_WriteSavedStdio)->Unit(benchmark::kMicrosecond);

void BM_LoadGame(benchmark::State& state) {
    LevelDir dir;
    fillWorldForSaving();
    saveGame("Data\\bench.sav");
    for (auto _ : state) {
        benchmark::DoNotOptimize(loadGame("Data\\bench.sav"));
        benchmark::DoNotOptimize(world.map[220][150]);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(savedValues().size()));
}
BENCHMARK(BM_LoadGame)->Unit(benchmark::kMicrosecond);

void BM_ReadSavedStdio(benchmark::State& state) {
    LevelDir dir;
    fillWorldForSaving();
    saveGame("Data\\bench.sav");
    std::vector<int> values(savedValues().size());
    for (auto _ : state) {
        if (!scanValuesStdio(state, "Data/bench.sav", values)) break;
        benchmark::DoNotOptimize(values.data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(values.size()));
}
BENCHMARK(BM_ReadSavedStdio)->Unit(benchmark::kMicrosecond);

}  // namespace
