// screen.cpp — opening the screen, pages, work and visible page; the
// window's name.
//
// The pages live in one contiguous buffer owned here; a backend only reads
// the visible page through core::visiblePagePixels(). setPages (inline, in
// pixel_access.h) switches a pointer and copies nothing, because the scene
// dissolve calls it twice per pixel.
#include "platform/backend.h"
#include "platform/host_hooks.h"
#include "platform/platform.h"
#include "platform/refresh.h"
#include "platform/row_copy.h"
#include "platform/screen_state.h"

#include <algorithm>
#include <cstring>

namespace core {

namespace {
// What drawing goes to before a screen exists; nothing shows it.
Colour detachedPage[kPagePixels];

constexpr int kTallTextMode = 19;  // the editor's mode: 8 x 16 text cells

void openPages(int pages, int cellHeight, int fullScreen) {
    pages = std::clamp(pages, 1, kMaxPages);
    screen.store.assign(static_cast<std::size_t>(pages) * kPagePixels, kBlack);
    PageSelection& s = pageSelection;
    for (int i = 0; i < kMaxPages; ++i)
        s.page[i] = i < pages ? screen.store.data() + static_cast<std::size_t>(i) * kPagePixels : nullptr;
    s.pages = pages;
    s.visiblePage = 0;
    s.work = s.page[0];
    screen.opened = true;
    screen.text = TextGrid{};
    screen.text.cellHeight = cellHeight;
    screen.text.rows = kScreenHeight / cellHeight;
    backend::screenOpened(fullScreen);
}
}  // namespace

Screen screen;
PageSelection pageSelection{.work = detachedPage};

void closeScreen() {
    screen.store.clear();
    screen.store.shrink_to_fit();
    pageSelection = PageSelection{.work = detachedPage};
    screen.opened = false;
    screen.text = TextGrid{};
    std::memset(detachedPage, 0, sizeof detachedPage);
}

const Colour* pagePixels(int index) {
    if (index < 0 || index >= pageSelection.pages) return nullptr;
    return pageSelection.page[index];
}

const Colour* visiblePagePixels() {
    return pageSelection.pages > 0 ? pageSelection.page[pageSelection.visiblePage] : detachedPage;
}

int pageCount() { return pageSelection.pages; }

int workPageIndex() {
    for (int i = 0; i < pageSelection.pages; ++i)
        if (pageSelection.page[i] == pageSelection.work) return i;
    return 0;
}

}  // namespace core

// The size and depth are fixed at 800 x 600 x 32 bits; the arguments are
// accepted for the callers' sake and not otherwise used.
void openScreen(int /*width*/, int /*height*/, int /*depth*/, int pages, int fullScreen) {
    core::openPages(pages, 8, fullScreen);
}

// Mode 19 gives the 8 x 16 text grid; any other mode number gets the 8 x 8
// grid of openScreen.
void openScreenMode(int mode, int /*depth*/, int pages, int fullScreen) {
    core::openPages(pages, mode == core::kTallTextMode ? 16 : 8, fullScreen);
}

void nameWindow(const std::string& title, const Image* icon) { backend::nameWindow(title, icon); }

void copyPage(int from, int to) {
    const core::PageSelection& s = core::pageSelection;
    if (static_cast<unsigned>(from) < static_cast<unsigned>(s.pages) &&
        static_cast<unsigned>(to) < static_cast<unsigned>(s.pages) && from != to) {
        std::memcpy(s.page[to], s.page[from], sizeof(Colour) * core::kPagePixels);
        if (core::pictureDrawn) core::pictureDrawn(to, 0, 0, kScreenWidth - 1, kScreenHeight - 1);
    }
    core::countCall(core::Lane::Drawing, core::kCallsPerClockRead);
}

void copyBlock(int from, int to, int x, int y, int width, int height) {
    const core::PageSelection& s = core::pageSelection;
    if (static_cast<unsigned>(from) >= static_cast<unsigned>(s.pages) ||
        static_cast<unsigned>(to) >= static_cast<unsigned>(s.pages) || from == to || width <= 0 || height <= 0)
        return;
    // Clipped in 64 bits so that positions near the int limits cannot overflow.
    const long long left = std::max(0LL, static_cast<long long>(x));
    const long long top = std::max(0LL, static_cast<long long>(y));
    const long long right = std::min<long long>(kScreenWidth, static_cast<long long>(x) + width);
    const long long bottom = std::min<long long>(kScreenHeight, static_cast<long long>(y) + height);
    if (left >= right || top >= bottom) return;
    const std::size_t columns = static_cast<std::size_t>(right - left);
    for (long long row = top; row < bottom; ++row) {
        const std::size_t offset = static_cast<std::size_t>(row * kScreenWidth + left);
        core::copyRow(s.page[to] + offset, s.page[from] + offset, columns);
    }
    if (core::pictureDrawn) {
        core::pictureDrawn(to, static_cast<int>(left), static_cast<int>(top), static_cast<int>(right) - 1,
                           static_cast<int>(bottom) - 1);
    }
    core::countCall(core::Lane::Drawing, 1);
}

void clearPage() {
    std::fill_n(core::pageSelection.work, core::kPagePixels, core::screen.text.background);
    if (core::pictureDrawn) core::pictureDrawn(core::workPageIndex(), 0, 0, kScreenWidth - 1, kScreenHeight - 1);
    core::countCall(core::Lane::Drawing, core::kCallsPerClockRead);
}
