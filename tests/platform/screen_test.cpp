// Tests of the screen and its pages: the state after opening, switching the
// work and visible page, copying and clearing pages, reopening, and the
// bounded refresh during long pixel loops.
#include "platform/backend.h"
#include "tests/platform/headless_screen.h"

namespace {

using Screen = HeadlessScreen;

TEST_F(Screen, OpeningGivesBlackPagesWithPageZeroWorkAndVisible) {
    setPixel(5, 5, kWhite);
    setPages(1, 1);
    setPixel(6, 6, kWhite);
    openScreen(800, 600, 32, 2, 1);
    EXPECT_EQ(headless::pageCount(), 2);
    EXPECT_EQ(headless::workPage(), 0);
    EXPECT_EQ(headless::visiblePage(), 0);
    EXPECT_TRUE(headless::fullScreen());
    EXPECT_EQ(headless::textCellHeight(), 8);
    EXPECT_EQ(changedOutside(0, 0, 0, -1, -1, kBlack), 0);
    EXPECT_EQ(changedOutside(1, 0, 0, -1, -1, kBlack), 0);
    EXPECT_EQ(headless::pagePixels(2), nullptr);
}

TEST_F(Screen, ImagesSurviveReopeningTheScreen) {
    Image* image = createImage(3, 3);
    image->pixels[4] = 0x00123456u;
    openScreen(800, 600, 32, 2, 1);
    openScreenMode(19, 32, 1, 1);
    EXPECT_EQ(image->width, 3);
    EXPECT_EQ(image->pixels[4], 0x00123456u);
    drawImage(0, 0, image, DrawMode::Opaque);
    EXPECT_EQ(headless::pixel(0, 1, 1), 0x00123456u);
    destroyImage(image);
}

TEST_F(Screen, Mode19HasOnePageAndTheTallTextGrid) {
    openScreenMode(19, 32, 1, 1);
    EXPECT_EQ(headless::pageCount(), 1);
    EXPECT_EQ(headless::textCellHeight(), 16);
    setPages(1, 1);  // no page 1: nothing changes
    EXPECT_EQ(headless::workPage(), 0);
    EXPECT_EQ(headless::visiblePage(), 0);
}

TEST_F(Screen, SetPagesChoosesWorkAndVisiblePageIndependently) {
    setPages(1, 0);
    setPixel(1, 1, kWhite);
    EXPECT_EQ(headless::workPage(), 1);
    EXPECT_EQ(headless::visiblePage(), 0);
    EXPECT_EQ(headless::pixel(1, 1, 1), kWhite);
    EXPECT_EQ(headless::pixel(0, 1, 1), kBlack);
    EXPECT_EQ(core::visiblePagePixels(), headless::pagePixels(0));
    setPages(0, 1);
    EXPECT_EQ(core::visiblePagePixels(), headless::pagePixels(1));
    // Page numbers that do not exist leave that choice alone.
    setPages(-1, 7);
    EXPECT_EQ(headless::workPage(), 0);
    EXPECT_EQ(headless::visiblePage(), 1);
}

TEST_F(Screen, CopyPageCopiesEveryPixelAndIgnoresMissingPages) {
    setPixelMarks(1);
    copyPage(1, 0);
    EXPECT_EQ(pixelMarksOn(0), 3);
    EXPECT_EQ(changedOutside(0, 0, 0, -1, -1, kBlack), 3);
    copyPage(2, 0);
    copyPage(0, -1);
    EXPECT_EQ(pixelMarksOn(0), 3);
}

TEST_F(Screen, ClearPageFillsTheWorkPageWithTheTextBackground) {
    fillPage(1, kWhite);
    fillPage(0, kWhite);
    setPages(1, 0);
    clearPage();
    EXPECT_EQ(changedOutside(1, 0, 0, -1, -1, 0xFF000000u), 0);
    EXPECT_EQ(changedOutside(0, 0, 0, -1, -1, kWhite), 0);
}

TEST(ScreenBeforeOpening, OperationsAreHarmlessWithoutAScreen) {
    headless::reset();
    EXPECT_EQ(headless::pageCount(), 0);
    EXPECT_EQ(headless::textCellHeight(), 0);
    EXPECT_EQ(headless::pagePixels(0), nullptr);
    Image* image = createImage(40, 40);
    drawImage(-5, -5, image, DrawMode::Xor);
    setPixel(1, 1, kWhite);
    EXPECT_EQ(getPixel(1, 1), kWhite);
    setPages(1, 1);
    copyPage(0, 1);
    clearPage();
    printText("Hallo", true);
    drawBox(0, 0, 10, 10, kWhite);
    grabImage(0, 0, 39, 39, image);
    EXPECT_NE(core::visiblePagePixels(), nullptr);
    destroyImage(image);
    // Opening afterwards still gives black pages.
    openScreen(800, 600, 32, 2, 0);
    EXPECT_EQ(changedOutside(0, 0, 0, -1, -1, kBlack), 0);
}

// The dissolve effects call setPixel a million times with no other platform
// call. Events must still be handled during such a loop, but not on every
// call: at most once per sixtieth of a second of clock time.
TEST_F(Screen, LongPixelLoopsRefreshAtABoundedRate) {
    headless::setTimerStep(1e-3);  // each clock read moves the virtual clock 1 ms
    headless::keyDown(57, 0.05);
    const long long before = headless::refreshCount();
    const double start = headless::clock();
    for (int i = 0; i < 1000000; ++i) {
        setPages(1, 0);
        const Colour c = getPixel(i % 800, (i / 800) % 600);
        setPages(0, 0);
        setPixel(i % 800, (i / 800) % 600, c);
    }
    const long long refreshes = headless::refreshCount() - before;
    const double elapsed = headless::clock() - start;
    EXPECT_GT(refreshes, 10);
    EXPECT_LE(refreshes, static_cast<long long>(elapsed * 60.0) + 1);
    // The key scripted during the loop reached the key state.
    EXPECT_TRUE(isKeyDown(57));
}

}  // namespace
