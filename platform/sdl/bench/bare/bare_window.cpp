// bare_window.cpp — the yardstick for the game's start-up time and resident
// memory (bench/xvfb_bench.sh): the least an SDL program does to show
// something, the way the game's SDL backend shows its window. It opens an
// 800 x 600 window, presents one black frame through the window's own
// surface (no renderer behind it, as the game in a window), writes
// "shown <seconds>" on standard output (seconds from its start, like the
// game's --frame-log), and then sleeps on its event queue until the window
// is closed or a signal ends it.
#include <SDL.h>

#include <chrono>
#include <cstdio>

namespace {
const auto kStart = std::chrono::steady_clock::now();
}  // namespace

int main(int, char**) {
    // Signals keep their default action, as in the game: SIGTERM ends it.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "bare_window: %s\n", SDL_GetError());
        return 1;
    }
    SDL_Window* window = SDL_CreateWindow("bare window", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 800, 600, 0);
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    SDL_Surface* surface = window ? SDL_GetWindowSurface(window) : nullptr;
    if (!surface) {
        std::fprintf(stderr, "bare_window: %s\n", SDL_GetError());
        SDL_Quit();
        return 1;
    }
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 0, 0));
    SDL_UpdateWindowSurface(window);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - kStart).count();
    std::printf("shown %.6f\n", seconds);
    std::fflush(stdout);
    for (;;) {
        SDL_Event event;
        if (SDL_WaitEventTimeout(&event, 100) && event.type == SDL_QUIT) break;
    }
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
