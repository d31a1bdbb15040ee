// The operations the renderer calls hundreds of times per scene or a million
// times per dissolve must not allocate. This file replaces the global
// operator new of the test program with one that counts while a test asks it
// to; everything else passes straight through to malloc.
#include "tests/platform/headless_screen.h"

#include <cstdlib>
#include <new>

namespace {
bool counting = false;
long long allocations = 0;
}  // namespace

void* operator new(std::size_t size) {
    if (counting) ++allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc{};
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

class NoAllocation : public HeadlessScreen {
protected:
    void start() {
        allocations = 0;
        counting = true;
    }
    long long stop() {
        counting = false;
        return allocations;
    }
};

TEST_F(NoAllocation, DrawingImagesNeverAllocates) {
    Image* image = createImage(40, 40);
    start();
    for (DrawMode mode : {DrawMode::Opaque, DrawMode::Transparent, DrawMode::Xor})
        for (int x : {-20, 0, 380, 790})
            for (int y : {-20, 0, 280, 590}) drawImage(x, y, image, mode);
    EXPECT_EQ(stop(), 0);
    destroyImage(image);
}

TEST_F(NoAllocation, GrabbingIntoAnImageOfTheSameSizeReusesItsPixels) {
    Image* image = createImage(40, 40);
    start();
    for (int i = 0; i < 100; ++i) grabImage(i, i, i + 39, i + 39, image);
    grabImage(0, 0, 9, 9, image);  // smaller: the capacity stays
    EXPECT_EQ(stop(), 0);
    destroyImage(image);
}

TEST_F(NoAllocation, PixelAndPageCallsNeverAllocate) {
    start();
    for (int i = 0; i < 100000; ++i) {
        setPages(1, 0);
        const Colour c = getPixel(i % 800, i % 600);
        setPages(0, 0);
        setPixel(i % 800, i % 600, c);
    }
    copyPage(1, 0);
    drawBox(10, 10, 50, 50, kWhite);
    EXPECT_EQ(stop(), 0);
}

TEST_F(NoAllocation, CopyingABlockBetweenPagesNeverAllocatesAndClipsAtTheEdges) {
    setPixelMarks(1);
    start();
    // Sprites are erased this way many times a frame, also half off the page.
    for (int x : {-20, 0, 100, 780}) {
        for (int y : {-20, 0, 100, 580}) copyBlock(1, 0, x, y, 40, 40);
    }
    EXPECT_EQ(stop(), 0);
    EXPECT_EQ(pixelMarksOn(0), 3);
    copyBlock(1, 0, 100, 100, 0, 40);   // an empty block copies nothing
    copyBlock(1, 7, 100, 100, 40, 40);  // nor does a page that does not exist
}

}  // namespace
