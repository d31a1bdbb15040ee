// pixel_access.h — setPages, getPixel and setPixel as inline functions, and
// the little state they touch. Included by platform.h at its end; the
// programs call these through platform.h and never use the core:: names.
//
// The dissolve effects call these a million times in a row (setPages twice
// per pixel). As calls into the library they cost about twice as much as the
// plain memory work; inline they are a bounds test and a load or store (see
// bench/platform_bench.cpp). The window is still refreshed during such
// loops: getPixel and setPixel count their calls and, every
// kCallsPerClockRead calls, let core::refreshCheck() read the clock and
// refresh when a sixtieth of a second has passed (platform/refresh.cpp).
//
// Such a loop is bound by the number of instructions per pixel beside the
// random number chain, so each of these is written for the fewest: the
// page choice as selects, the count as one decrement in memory, the offset
// unsigned. Together they brought the dissolve from about 1.5 to about 1.4
// times the raw-array loop.
#pragma once

namespace core {

constexpr int kMaxPages = 8;  // more than any program asks for; larger requests are cut
static_assert((kMaxPages & (kMaxPages - 1)) == 0, "setPages masks a page number with kMaxPages - 1");

// Which page drawing goes to and which one the window shows.
struct PageSelection {
    Colour* work = nullptr;  // work page pixels; a detached scratch page without a screen
    int pages = 0;           // pages of the open screen; 0 before openScreen
    int visiblePage = 0;
    Colour* page[kMaxPages] = {};  // pixels of each page
};

// Defined in screen.cpp.
extern PageSelection pageSelection;

constexpr int kCallsPerClockRead = 4096;

// getPixel and setPixel count on budgets of their own: in the dissolve they
// run in turn, and with one shared counter each call would wait for the
// previous call's store to it. Other drawing operations count on a third.
enum class Lane { GetPixel, SetPixel, Drawing, Count };

struct RefreshPacing {
    int budget[static_cast<int>(Lane::Count)] = {kCallsPerClockRead, kCallsPerClockRead,
                                                 kCallsPerClockRead};  // calls left before a clock read
    double lastRefresh = -1.0;                                         // backend::now() at the last refresh; < 0: never
    long long refreshes = 0;                                           // how many refreshes so far (for tests)
    bool drawn = true;   // some drawing call ran since the backend last took the mark
    int shownPage = -1;  // the visible page when the backend last took the mark
};

// Defined in refresh.cpp.
extern RefreshPacing pacing;

// Reads the clock and refreshes when it is due; refills the budgets.
void refreshCheck();

// Counts `weight` units of work towards the next clock read. One unit is one
// pixel call; an operation that does more work passes more.
inline void countCall(Lane lane, int weight = 1) {
    int& budget = pacing.budget[static_cast<int>(lane)];
    budget -= weight;
    if (budget <= 0) refreshCheck();
}

// One pixel call towards the next clock read. The pixel lanes count down by
// one from kCallsPerClockRead and every refreshCheck refills them, so they
// meet 0 exactly; `--budget == 0` lets the compiler decrement in memory and
// branch on the result in one instruction pair.
inline void countPixelCall(Lane lane) {
    if (--pacing.budget[static_cast<int>(lane)] == 0) refreshCheck();
}

inline bool onPage(int x, int y) {
    return static_cast<unsigned>(x) < static_cast<unsigned>(kScreenWidth) &&
           static_cast<unsigned>(y) < static_cast<unsigned>(kScreenHeight);
}

// The offset of an on-page pixel, computed unsigned so that it needs no
// sign extension.
inline unsigned pixelIndex(int x, int y) {
    return static_cast<unsigned>(y) * static_cast<unsigned>(kScreenWidth) + static_cast<unsigned>(x);
}

}  // namespace core

// A page number that does not exist leaves that choice as it was. Only two
// values change: no copy, no presentation, no counting (setPages draws
// nothing; the pixel calls around it count).
//
// Written as two selects rather than two guarded stores, which the compiler
// turns into fewer instructions in the dissolve loop. `work & (kMaxPages - 1)`
// only keeps the table read inside the table; the select takes it only when
// `work` is a page of the screen.
inline void setPages(int work, int visible) {
    core::PageSelection& s = core::pageSelection;
    const unsigned pages = static_cast<unsigned>(s.pages);
    Colour* const wanted = s.page[static_cast<unsigned>(work) & (core::kMaxPages - 1)];
    s.work = static_cast<unsigned>(work) < pages ? wanted : s.work;
    s.visiblePage = static_cast<unsigned>(visible) < pages ? visible : s.visiblePage;
}

// Points off the page read as black.
inline Colour getPixel(int x, int y) {
    core::countPixelCall(core::Lane::GetPixel);
    return core::onPage(x, y) ? core::pageSelection.work[core::pixelIndex(x, y)] : kBlack;
}

// Points off the page are dropped.
inline void setPixel(int x, int y, Colour colour) {
    if (core::onPage(x, y)) core::pageSelection.work[core::pixelIndex(x, y)] = colour;
    core::countPixelCall(core::Lane::SetPixel);
}
