// sdl_clock.cpp — the clock and plain waits.
//
// The clock is the monotonic steady clock, counted from the program's start;
// reading it is a cheap call, which matters since the game's frame loop reads
// it on every pass. A wait sleeps in short slices and pumps the window between
// them, so that input keeps arriving and the window stays alive during the
// game's long pauses.
#include "platform/backend.h"

#include <chrono>
#include <thread>

namespace {
using Clock = std::chrono::steady_clock;
const Clock::time_point kOrigin = Clock::now();
// Sleep between two looks at the window (the last stretch of a wait may be
// up to two of these).
constexpr auto kSlice = std::chrono::milliseconds(5);

// The window is pumped at the start and between slices, never at the end: a
// present there would make the wait late by its own length. The last
// stretch of at most two slices is slept in one piece.
void sleepInSlicesUntil(Clock::time_point deadline) {
    backend::refresh();
    for (;;) {
        const Clock::duration left = deadline - Clock::now();
        if (left <= Clock::duration::zero()) return;
        if (left <= 2 * kSlice) {
            std::this_thread::sleep_until(deadline);
            return;
        }
        std::this_thread::sleep_for(kSlice);
        backend::refresh();
    }
}

}  // namespace

namespace backend {

double now() { return std::chrono::duration<double>(Clock::now() - kOrigin).count(); }

void sleepFor(int ms) {
    if (ms <= 0) return;
    sleepInSlicesUntil(Clock::now() + std::chrono::milliseconds(ms));
}

void sleepUntil(double seconds) {
    // At most the 100 ms that sleepUntil allows, slept like any wait.
    sleepInSlicesUntil(kOrigin + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds)));
}

}  // namespace backend
