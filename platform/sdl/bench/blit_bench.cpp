// SDL's own blit of a 40 x 40 surface onto an 800 x 600 one, plain and
// colour-keyed: context for drawImage's opaque and transparent modes in
// bench/platform_bench.cpp, which the table in bench/README.md puts beside
// it. Both surfaces are ARGB8888 like our pages, so no conversion happens.
#include <SDL.h>

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

constexpr int kCell = 40;
constexpr int kViewCells = 280;
constexpr std::uint32_t kKey = 0x00FF00FFu;

struct Surfaces {
    SDL_Surface* page = nullptr;
    SDL_Surface* sprite = nullptr;
    Surfaces() {
        page = SDL_CreateRGBSurfaceWithFormat(0, 800, 600, 32, SDL_PIXELFORMAT_ARGB8888);
        sprite = SDL_CreateRGBSurfaceWithFormat(0, kCell, kCell, 32, SDL_PIXELFORMAT_ARGB8888);
        if (!page || !sprite) return;
        auto* pixels = static_cast<std::uint32_t*>(sprite->pixels);
        const int pitch = sprite->pitch / 4;
        for (int y = 0; y < kCell; ++y)
            for (int x = 0; x < kCell; ++x) {
                const bool border = x < 4 || y < 4 || x >= 36 || y >= 36;
                pixels[y * pitch + x] = border ? kKey : 0xFF000000u | static_cast<std::uint32_t>(x * 7 + y);
            }
        SDL_SetSurfaceBlendMode(sprite, SDL_BLENDMODE_NONE);
    }
    ~Surfaces() {
        SDL_FreeSurface(sprite);
        SDL_FreeSurface(page);
    }
    bool ok() const { return page && sprite; }
};

void blitAtCells(benchmark::State& state, Surfaces& s) {
    int cell = 0;
    for (auto _ : state) {
        SDL_Rect at{(cell % 20) * kCell, (cell / 20) * kCell, kCell, kCell};
        SDL_BlitSurface(s.sprite, nullptr, s.page, &at);
        cell = (cell + 1) % kViewCells;
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_SdlBlitSurface40(benchmark::State& state) {
    Surfaces s;
    if (!s.ok()) {
        state.SkipWithError("no surfaces");
        return;
    }
    blitAtCells(state, s);
}
BENCHMARK(BM_SdlBlitSurface40);

void BM_SdlBlitSurface40ColourKey(benchmark::State& state) {
    Surfaces s;
    if (!s.ok()) {
        state.SkipWithError("no surfaces");
        return;
    }
    SDL_SetColorKey(s.sprite, SDL_TRUE, kKey);
    blitAtCells(state, s);
}
BENCHMARK(BM_SdlBlitSurface40ColourKey);

}  // namespace
