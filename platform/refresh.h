// refresh.h — bounded event handling and presentation (internal).
//
// The programs are single-threaded and poll in busy loops, sometimes with no
// platform call but setPixel for a million iterations. The shared code calls
// backend::refresh() from inside its own operations, at most once per
// sixtieth of a second; see refresh.cpp for why.
#pragma once

namespace core {

// Calls between two clock reads in the pixel operations.
constexpr int kCallsPerClockRead = 4096;

struct RefreshPacing {
    int budget = kCallsPerClockRead;  // calls left before the next clock read
    double lastRefresh = -1.0;        // backend::now() at the last refresh; < 0: never
    long long refreshes = 0;          // how many refreshes so far (for tests)
};

// Defined in refresh.cpp.
extern RefreshPacing pacing;

// Reads the clock and refreshes when it is due; refills the budget.
void refreshCheck();
// Refreshes when more than a sixtieth of a second has passed since the last
// refresh at time `now` (a value of backend::now() the caller read anyway).
void refreshIfDue(double now);
// Forgets the last refresh (the clock was reset).
void resetRefresh();

// Counts `weight` units of work towards the next clock read. One unit is one
// pixel call; an operation that does more work passes more.
inline void countCall(int weight = 1) {
    pacing.budget -= weight;
    if (pacing.budget <= 0) refreshCheck();
}

}  // namespace core
