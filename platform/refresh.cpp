// refresh.cpp — when the shared code hands control to the backend to handle
// window events and show the visible page.
//
// Why it is done this way: the programs run on one thread and poll in busy
// loops; the dissolve effects call setPixel and getPixel a million times in a
// row with no other platform call in between, yet the window must keep
// showing the visible page at the display's rate and the key state must keep
// following the keyboard. A presenter thread would need a lock around every
// pixel operation and around the key state, and SDL wants its window and
// event calls on the main thread anyway. So there is no second thread and no
// lock: the platform operations themselves call backend::refresh(), but only
// when more than a sixtieth of a second has passed since the last refresh.
//
// Reading the clock is cheap but not free, so the pixel operations (setPixel
// and getPixel, inline in pixel_access.h) only count their calls and read the
// clock once every kCallsPerClockRead calls; bigger operations (drawImage,
// drawBox, copyPage, clearPage, printText) count for more, and setPages, which
// draws nothing, not at all. The polling operations (isKeyDown, takeKey,
// readMouse, readJoystick, timerSeconds) read the clock on every call, since
// a program's busy loop may consist of nothing else.
//
// When a refresh shows the visible page is decided here too, for every
// backend (presentDue): only a page that may have changed is shown again,
// since a game standing still draws nothing between its periodic redraws
// and presenting an unchanged page sixty times a second would cost most of
// its processor time; never twice within kMinPresentGap, since a wait
// refreshes every few milliseconds and the display shows no more anyway;
// and at least every kLongestShowGap regardless, and at once after the
// window lost its picture (repaintSoon).
//
// Writes: core::pacing, core::presenting.
#include "platform/refresh.h"

#include "platform/backend.h"

namespace core {

namespace {
constexpr double kRefreshInterval = 1.0 / 60.0;  // seconds between refreshes
// Shortest gap between two presents, seconds.
constexpr double kMinPresentGap = 0.012;
// Longest time an unchanged page goes without being shown again, seconds.
constexpr double kLongestShowGap = 1.0;
}  // namespace

RefreshPacing pacing;
PresentPacing presenting;

// A budget below full means a drawing call ran since the budgets were last
// filled; that is the whole of the drawing mark, so the pixel calls pay
// nothing extra for it.
static void takeBudgets() {
    for (int& budget : pacing.budget) {
        if (budget != kCallsPerClockRead) pacing.drawn = true;
        budget = kCallsPerClockRead;
    }
}

void refreshIfDue(double now) {
    takeBudgets();
    // A clock that went backwards (headless reset) counts as due.
    if (pacing.lastRefresh >= 0.0 && now >= pacing.lastRefresh && now - pacing.lastRefresh <= kRefreshInterval) return;
    pacing.lastRefresh = now;
    ++pacing.refreshes;
    backend::refresh();
}

void refreshCheck() { refreshIfDue(backend::now()); }

void resetRefresh() {
    pacing = RefreshPacing{};
    presenting = PresentPacing{};
}

bool takeVisibleChange() {
    takeBudgets();
    const bool changed = pacing.drawn || pacing.shownPage != pageSelection.visiblePage;
    pacing.drawn = false;
    pacing.shownPage = pageSelection.visiblePage;
    return changed;
}

bool presentDue(double now) {
    const double sinceLast = now - presenting.lastPresent;
    // Never shown, a repaint asked for, or a clock that went backwards
    // (headless reset): due at once.
    const bool forced = presenting.lastPresent < 0 || sinceLast < 0;
    if (!forced && sinceLast < kMinPresentGap) return false;
    // The page shown now holds every change so far, so the mark is taken in
    // any case.
    const bool changed = takeVisibleChange();
    if (!forced && !changed && sinceLast < kLongestShowGap) return false;
    presenting.lastPresent = now;
    return true;
}

void repaintSoon() { presenting.lastPresent = -1.0; }

}  // namespace core
