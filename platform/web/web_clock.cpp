// web_clock.cpp — the clock and plain waits.
//
// The clock is the page's high-resolution clock (performance.now), counted
// from the program's start. A wait hands the thread to the browser for its
// whole length: the page shows the canvas and runs its event handlers while
// the program sleeps, and the program resumes where it waited. The browser's
// timers wake a little late rather than early; what is left of a wait after
// waking (less than a millisecond) is spent reading the clock.
//
// Writes: nothing of its own (yieldToBrowser notes the yield time).
#include "platform/backend.h"
#include "platform/web/web_host.h"

#include <emscripten.h>

#include <cmath>

namespace {
const double kOriginMs = emscripten_get_now();
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
    if (leftMs >= 1.0) web::yieldToBrowser(static_cast<int>(std::floor(leftMs)));
    while (now() < seconds) {
    }
}

}  // namespace backend
