// A full present of the visible page through the SDL backend: texture
// update, copy and present. Runs on SDL's offscreen video driver unless the
// environment names another (e.g. an X server through DISPLAY and x11).
#include "platform/backend.h"
#include "platform/platform.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

void BM_PresentVisiblePage(benchmark::State& state) {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    openScreen(800, 600, 32, 2, 0);
    int n = 0;
    for (auto _ : state) {
        setPixel(n % 800, (n / 800) % 600, static_cast<Colour>(n));  // the page changes between presents
        ++n;
        core::repaintSoon();  // due now: refresh presents at once
        backend::refresh();
    }
}
BENCHMARK(BM_PresentVisiblePage)->Unit(benchmark::kMicrosecond);

}  // namespace
