// screen.cpp — opening the screen, pages, work and visible page.
//
// The pages live in one contiguous buffer owned here; a backend only reads
// the visible page through core::visiblePagePixels(). setPages switches two
// pointers and copies nothing, because the scene dissolve calls it twice per
// pixel.
#include "platform/backend.h"
#include "platform/platform.h"
#include "platform/refresh.h"
#include "platform/screen_state.h"

#include <algorithm>
#include <cstring>

namespace core {

namespace {
// What drawing goes to before a screen exists; nothing shows it.
Colour detachedPage[kPagePixels];

constexpr int kMode800x600Tall = 19;  // the editor's mode: 8 x 16 text cells

void openPages(int pages, int cellHeight, int fullScreen) {
    pages = std::clamp(pages, 1, kMaxPages);
    screen.store.assign(static_cast<std::size_t>(pages) * kPagePixels, kBlack);
    for (int i = 0; i < kMaxPages; ++i)
        screen.page[i] = i < pages ? screen.store.data() + static_cast<std::size_t>(i) * kPagePixels : nullptr;
    screen.pages = pages;
    screen.opened = true;
    screen.workPage = 0;
    screen.visiblePage = 0;
    screen.work = screen.page[0];
    screen.text = TextGrid{};
    screen.text.cellHeight = cellHeight;
    screen.text.rows = kScreenHeight / cellHeight;
    backend::screenOpened(fullScreen);
}
}  // namespace

namespace {
Screen initialScreen() {
    Screen s;
    s.work = detachedPage;
    return s;
}
}  // namespace

Screen screen = initialScreen();

void closeScreen() {
    screen.store.clear();
    screen.store.shrink_to_fit();
    std::fill(std::begin(screen.page), std::end(screen.page), nullptr);
    screen.pages = 0;
    screen.opened = false;
    screen.workPage = 0;
    screen.visiblePage = 0;
    screen.work = detachedPage;
    screen.text = TextGrid{};
    std::memset(detachedPage, 0, sizeof detachedPage);
}

const Colour* pagePixels(int index) {
    if (index < 0 || index >= screen.pages) return nullptr;
    return screen.page[index];
}

const Colour* visiblePagePixels() {
    return screen.pages > 0 ? screen.page[screen.visiblePage] : detachedPage;
}

int pageCount() { return screen.pages; }

}  // namespace core

// The size and depth are fixed at 800 x 600 x 32 bits; the arguments are
// accepted for the callers' sake and not otherwise used.
void openScreen(int /*width*/, int /*height*/, int /*depth*/, int pages, int fullScreen) {
    core::openPages(pages, 8, fullScreen);
}

// Mode 19 gives the 8 x 16 text grid; any other mode number gets the 8 x 8
// grid of openScreen.
void openScreenMode(int mode, int /*depth*/, int pages, int fullScreen) {
    core::openPages(pages, mode == core::kMode800x600Tall ? 16 : 8, fullScreen);
}

// A page number that does not exist leaves that choice as it was.
void setPages(int work, int visible) {
    core::Screen& s = core::screen;
    if (static_cast<unsigned>(work) < static_cast<unsigned>(s.pages)) {
        s.workPage = work;
        s.work = s.page[work];
    }
    if (static_cast<unsigned>(visible) < static_cast<unsigned>(s.pages)) s.visiblePage = visible;
    core::countCall();
}

void copyPage(int from, int to) {
    const core::Screen& s = core::screen;
    if (static_cast<unsigned>(from) < static_cast<unsigned>(s.pages) &&
        static_cast<unsigned>(to) < static_cast<unsigned>(s.pages) && from != to) {
        std::memcpy(s.page[to], s.page[from], sizeof(Colour) * core::kPagePixels);
    }
    core::countCall(core::kCallsPerClockRead);
}

void clearPage() {
    std::fill_n(core::screen.work, core::kPagePixels, core::screen.text.background);
    core::countCall(core::kCallsPerClockRead);
}
