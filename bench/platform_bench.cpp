// Benchmarks of the platform's hot paths, each beside plain code doing the
// same memory work (the limit it is held against in bench/README.md):
//
//   BM_DissolvePlatform         vs BM_DissolvePlainArrays   within 1.5x
//   BM_CopyPage                 vs BM_CopyPageMemcpy        within 1.2x
//   BM_DrawImage40/<mode>       vs BM_DrawBlockRowMemcpy40  within 1.2x (opaque),
//                                                           2x (transparent), 1.5x (exclusive-or)
//
// That drawImage never allocates is checked by tests/platform/no_allocation_test.cpp.
#include "platform/headless/headless.h"
#include "platform/platform.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace {

constexpr int kDissolvePixels = 1000000;
constexpr int kCell = 40;
constexpr int kViewCells = 280;  // 20 x 14 cells of a view

void openGameScreen() {
    headless::reset();
    openScreen(kScreenWidth, kScreenHeight, 32, 2, 0);
    setPages(1, 0);
    for (int y = 0; y < kScreenHeight; ++y)
        for (int x = 0; x < kScreenWidth; ++x) setPixel(x, y, static_cast<Colour>(x * 31 + y * 17));
    setPages(0, 0);
}

// One pass of the dissolve: kDissolvePixels places, each from two random
// numbers in 0..1 (column, then row), copied from the background to the
// visible picture by copy(x, y).
template <typename Random, typename Copy>
void dissolvePass(Random&& random, Copy&& copy) {
    for (int n = 0; n < kDissolvePixels; ++n) {
        const double r1 = random();
        const double r2 = random();
        copy(static_cast<int>(r1 * kScreenWidth), static_cast<int>(r2 * kScreenHeight));
    }
}

// The dissolve as the scene renderer runs it: two random numbers, the
// background page selected to read, the visible page selected to write.
void BM_DissolvePlatform(benchmark::State& state) {
    openGameScreen();
    for (auto _ : state) {
        dissolvePass(random01, [](int x, int y) {
            setPages(1, 0);
            const Colour c = getPixel(x, y);
            setPages(0, 0);
            setPixel(x, y, c);
        });
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kDissolvePixels);
}
BENCHMARK(BM_DissolvePlatform)->Unit(benchmark::kMillisecond);

// The same random reads and writes on two raw arrays with an inline
// xorshift64* generator: the floor for the platform version.
void BM_DissolvePlainArrays(benchmark::State& state) {
    std::vector<Colour> background(static_cast<std::size_t>(kScreenWidth) * kScreenHeight);
    std::vector<Colour> visible(background.size());
    for (std::size_t i = 0; i < background.size(); ++i) background[i] = static_cast<Colour>(i * 2654435761u);
    std::uint64_t s = 0x9E3779B97F4A7C15ull;
    auto next = [&s] {
        s ^= s >> 12;
        s ^= s << 25;
        s ^= s >> 27;
        return static_cast<double>((s * 0x2545F4914F6CDD1Dull) >> 11) * (1.0 / 9007199254740992.0);
    };
    for (auto _ : state) {
        dissolvePass(next, [&](int x, int y) { visible[y * kScreenWidth + x] = background[y * kScreenWidth + x]; });
        benchmark::ClobberMemory();
    }
    benchmark::DoNotOptimize(visible.data());
    state.SetItemsProcessed(state.iterations() * kDissolvePixels);
}
BENCHMARK(BM_DissolvePlainArrays)->Unit(benchmark::kMillisecond);

// A 40 x 40 sprite with a key-coloured border (what Transparent skips) and
// patterned pixels inside.
Image* makeSprite() {
    Image* image = createImage(kCell, kCell);
    for (int y = 4; y < 36; ++y)
        for (int x = 4; x < 36; ++x) image->pixels[y * kCell + x] = 0xFF000000u | static_cast<Colour>(x * 7 + y);
    return image;
}

// One 40 x 40 image drawn at the 280 cell positions of a view in turn, as a
// scene redraw does; one iteration is one draw.
void BM_DrawImage40(benchmark::State& state, DrawMode mode) {
    openGameScreen();
    Image* image = makeSprite();
    int cell = 0;
    for (auto _ : state) {
        drawImage((cell % 20) * kCell, (cell / 20) * kCell, image, mode);
        cell = (cell + 1) % kViewCells;
    }
    benchmark::ClobberMemory();
    state.SetItemsProcessed(state.iterations());
    destroyImage(image);
}
BENCHMARK_CAPTURE(BM_DrawImage40, Opaque, DrawMode::Opaque);
BENCHMARK_CAPTURE(BM_DrawImage40, Transparent, DrawMode::Transparent);
BENCHMARK_CAPTURE(BM_DrawImage40, Xor, DrawMode::Xor);

// The limit for drawImage: the same block copied row by row with memcpy
// from an image's pixels onto a raw page, at the same cell positions.
void BM_DrawBlockRowMemcpy40(benchmark::State& state) {
    std::vector<Colour> page(static_cast<std::size_t>(kScreenWidth) * kScreenHeight, 0x00123456u);
    std::vector<Colour> block(static_cast<std::size_t>(kCell) * kCell, 0x00ABCDEFu);
    int cell = 0;
    for (auto _ : state) {
        Colour* target = page.data() + (cell / 20) * kCell * kScreenWidth + (cell % 20) * kCell;
        const Colour* source = block.data();
        for (int row = 0; row < kCell; ++row) {
            std::memcpy(target, source, sizeof(Colour) * kCell);
            target += kScreenWidth;
            source += kCell;
        }
        benchmark::ClobberMemory();
        cell = (cell + 1) % kViewCells;
    }
    benchmark::DoNotOptimize(page.data());
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DrawBlockRowMemcpy40);

void BM_CopyPage(benchmark::State& state) {
    openGameScreen();
    for (auto _ : state) {
        copyPage(1, 0);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * kScreenWidth * kScreenHeight * sizeof(Colour));
}
BENCHMARK(BM_CopyPage)->Unit(benchmark::kMicrosecond);

void BM_CopyPageMemcpy(benchmark::State& state) {
    std::vector<Colour> from(static_cast<std::size_t>(kScreenWidth) * kScreenHeight, 0x00123456u);
    std::vector<Colour> to(from.size());
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size() * sizeof(Colour));
        benchmark::ClobberMemory();
    }
    benchmark::DoNotOptimize(to.data());
    state.SetBytesProcessed(state.iterations() * kScreenWidth * kScreenHeight * sizeof(Colour));
}
BENCHMARK(BM_CopyPageMemcpy)->Unit(benchmark::kMicrosecond);

}  // namespace
