// Benchmarks of the platform's hot paths against plain code doing the same
// memory work: the pixel dissolve (setPages / getPixel / setPixel a million
// times), drawImage of a 40 x 40 cell in each mode, and copyPage.
//
// Targets: the dissolve within 2x of the plain loop, copyPage within 1.5x of
// a memcpy. That drawImage never allocates is checked by
// tests/platform/no_allocation_test.cpp.
#include "platform/headless/headless.h"
#include "platform/platform.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace {

constexpr int kDissolvePixels = 1000000;

void openGameScreen() {
    headless::reset();
    openScreen(kScreenWidth, kScreenHeight, 32, 2, 0);
    setPages(1, 0);
    for (int y = 0; y < kScreenHeight; ++y)
        for (int x = 0; x < kScreenWidth; ++x) setPixel(x, y, static_cast<Colour>(x * 31 + y * 17));
}

// The dissolve as the scene renderer runs it: two random numbers, the
// background page selected to read, the visible page selected to write.
void BM_DissolvePlatform(benchmark::State& state) {
    openGameScreen();
    for (auto _ : state) {
        for (int n = 0; n < kDissolvePixels; ++n) {
            const double r1 = random01();
            const double r2 = random01();
            const int x = static_cast<int>(r1 * kScreenWidth);
            const int y = static_cast<int>(r2 * kScreenHeight);
            setPages(1, 0);
            const Colour c = getPixel(x, y);
            setPages(0, 0);
            setPixel(x, y, c);
        }
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
        for (int n = 0; n < kDissolvePixels; ++n) {
            const double r1 = next();
            const double r2 = next();
            const int x = static_cast<int>(r1 * kScreenWidth);
            const int y = static_cast<int>(r2 * kScreenHeight);
            visible[y * kScreenWidth + x] = background[y * kScreenWidth + x];
        }
        benchmark::ClobberMemory();
    }
    benchmark::DoNotOptimize(visible.data());
    state.SetItemsProcessed(state.iterations() * kDissolvePixels);
}
BENCHMARK(BM_DissolvePlainArrays)->Unit(benchmark::kMillisecond);

// One 40 x 40 cell, drawn at the 280 cell positions of a view in turn, as a
// scene redraw does. Each sprite has a key-coloured border for Transparent.
void BM_DrawImage40(benchmark::State& state) {
    const DrawMode mode = static_cast<DrawMode>(state.range(0));
    openGameScreen();
    Image* image = createImage(40, 40);
    for (int y = 4; y < 36; ++y)
        for (int x = 4; x < 36; ++x) image->pixels[y * 40 + x] = 0xFF000000u | static_cast<Colour>(x * 7 + y);
    int cell = 0;
    for (auto _ : state) {
        drawImage((cell % 20) * 40, (cell / 20) * 40, image, mode);
        cell = (cell + 1) % 280;
    }
    state.SetItemsProcessed(state.iterations());
    destroyImage(image);
}
BENCHMARK(BM_DrawImage40)->Arg(static_cast<int>(DrawMode::Opaque))->Name("BM_DrawImage40/Opaque");
BENCHMARK(BM_DrawImage40)->Arg(static_cast<int>(DrawMode::Transparent))->Name("BM_DrawImage40/Transparent");
BENCHMARK(BM_DrawImage40)->Arg(static_cast<int>(DrawMode::Xor))->Name("BM_DrawImage40/Xor");

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
