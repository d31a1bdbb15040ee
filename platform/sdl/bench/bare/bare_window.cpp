// bare_window.cpp — the yardstick for the game's start-up time and resident
// memory (bench/xvfb_bench.sh): the least an SDL program does to show
// something, with the same window and renderer calls as the game's SDL
// backend. It opens an 800 x 600 window, presents one black frame, writes
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
    SDL_Window* window =
        SDL_CreateWindow("bare window", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 800, 600, 0);
    SDL_Renderer* renderer = window ? SDL_CreateRenderer(window, -1, 0) : nullptr;
    if (!renderer) {
        std::fprintf(stderr, "bare_window: %s\n", SDL_GetError());
        SDL_Quit();
        return 1;
    }
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    SDL_RenderClear(renderer);
    SDL_RenderPresent(renderer);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - kStart).count();
    std::printf("shown %.6f\n", seconds);
    std::fflush(stdout);
    for (;;) {
        SDL_Event event;
        if (SDL_WaitEventTimeout(&event, 100) && event.type == SDL_QUIT) break;
    }
    SDL_DestroyRenderer(renderer);
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
