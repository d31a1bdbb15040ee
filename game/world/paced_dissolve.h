// paced_dissolve.h — the pace of the two dissolves, the scene's reveal and
// the menu's quit scatter.
//
// Each dissolve draws a million random points. Drawn flat out they are over
// in a few milliseconds, inside one refresh of the display, and the player
// sees a cut. So the points are drawn in kDissolveSteps equal pieces, in
// their order, and after each piece the program rests until that piece's
// share of kDissolveSeconds has passed. The platform shows the visible page
// and handles the window's events during each rest, so the dissolve is seen
// as it progresses and keys and the close button keep working. The random
// numbers are drawn exactly as before, only spread over time.
#pragma once

#include "platform/platform.h"

constexpr double kDissolveSeconds = 1.0;  // how long a dissolve takes
constexpr int kDissolveSteps = 60;        // pieces, each followed by a rest

// Calls drawPoint() `points` times, paced over about kDissolveSeconds.
template <typename DrawPoint>
void pacedDissolve(int points, DrawPoint drawPoint) {
    const double start = timerSeconds();
    int drawn = 0;
    for (int step = 1; step <= kDissolveSteps; ++step) {
        const int until = static_cast<int>(static_cast<long long>(points) * step / kDissolveSteps);
        for (; drawn < until; ++drawn) drawPoint();
        const double due = start + kDissolveSeconds * step / kDissolveSteps;
        while (timerSeconds() < due) sleepUntil(due);
    }
}
