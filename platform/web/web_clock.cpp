// web_clock.cpp — the clock and plain waits.
//
// The clock is the page's high-resolution clock (performance.now), counted
// from the program's start. A wait hands the thread to the browser for its
// whole length: the page shows the canvas and runs its event handlers while
// the program sleeps, and the program resumes where it waited. The browser's
// timers wake about a millisecond late, and the game's frame loop starts
// each frame's wait when the last one ended, so lateness would add to every
// frame: the browser is asked to wake the program kEarlyWakeMs early, and
// the rest of the wait is spent reading the clock.
//
// Writes: nothing of its own (yieldToBrowser notes the yield time).
#include "platform/backend.h"
#include "platform/web/web_host.h"

#include <emscripten.h>

#include <cmath>

namespace {
const double kOriginMs = emscripten_get_now();
constexpr double kEarlyWakeMs = 2.0;
}  // namespace

namespace backend {

double now() { return (emscripten_get_now() - kOriginMs) / 1000.0; }

void sleepFor(int ms) {
    if (ms <= 0) return;
    sleepUntil(now() + ms / 1000.0);
}

void sleepUntil(double seconds) {
    // Shown first, like the desktop's waits, so a wait never delays a page
    // that was drawn before it.
    refresh();
    const double leftMs = (seconds - now()) * 1000.0;
    if (leftMs >= 1.0 + kEarlyWakeMs) web::yieldToBrowser(static_cast<int>(std::floor(leftMs - kEarlyWakeMs)));
    while (now() < seconds) {
    }
}

}  // namespace backend
