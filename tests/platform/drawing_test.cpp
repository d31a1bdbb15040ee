// Tests of images and drawing on the work page: the three draw modes,
// clipping at every edge, grabImage's all-or-nothing rule, boxes, and
// images made from absurd sizes.
#include "tests/platform/headless_screen.h"

#include <climits>

namespace {

using Drawing = HeadlessScreen;

// A w x h image whose pixel (x, y) is 0xFF000000 + y * 1000 + x + 1: distinct
// everywhere and never the key colour.
Image* patternImage(int w, int h) {
    Image* image = createImage(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) image->pixels[y * w + x] = 0xFF000000u + y * 1000 + x + 1;
    return image;
}

Colour patternAt(int x, int y) { return 0xFF000000u + y * 1000 + x + 1; }

TEST_F(Drawing, NewImageIsKeyColouredInvisibleTransparentAndMagentaOpaque) {
    Image* image = createImage(40, 40);
    drawImage(100, 100, image, DrawMode::Transparent);
    EXPECT_EQ(changedOutside(0, 0, 0, -1, -1, kBlack), 0);
    drawImage(100, 100, image, DrawMode::Opaque);
    EXPECT_EQ(headless::pixel(0, 100, 100), kNewImageColour);
    EXPECT_EQ(headless::pixel(0, 139, 139), kNewImageColour);
    EXPECT_EQ(changedOutside(0, 100, 100, 139, 139, kBlack), 0);
    destroyImage(image);
}

TEST_F(Drawing, TransparentSkipsKeyColourWhateverTheTopByteAndClearsItElsewhere) {
    fillPage(0, 0x11223344u);
    Image* image = createImage(5, 1);
    image->pixels = {0x00FF00FFu, 0x7FFF00FFu, 0xFFFF00FEu, 0xAB123456u, 0xFEFF01FFu};
    drawImage(10, 10, image, DrawMode::Transparent);
    EXPECT_EQ(headless::pixel(0, 10, 10), 0x11223344u);
    EXPECT_EQ(headless::pixel(0, 11, 10), 0x11223344u);
    EXPECT_EQ(headless::pixel(0, 12, 10), 0x00FF00FEu);
    EXPECT_EQ(headless::pixel(0, 13, 10), 0x00123456u);
    EXPECT_EQ(headless::pixel(0, 14, 10), 0x00FF01FFu);
    destroyImage(image);
}

TEST_F(Drawing, XorTwiceRestoresThePageAndKeyPixelsTakePart) {
    for (int x = 0; x < 50; ++x) setPixel(x, 5, 0x01020304u * x);
    Image* image = patternImage(30, 3);
    image->pixels[0] = kNewImageColour;
    drawImage(3, 4, image, DrawMode::Xor);
    EXPECT_EQ(headless::pixel(0, 3, 4), kNewImageColour);  // 0 ^ key colour, all 32 bits
    EXPECT_EQ(headless::pixel(0, 7, 5), (0x01020304u * 7) ^ patternAt(4, 1));
    drawImage(3, 4, image, DrawMode::Xor);
    for (int x = 0; x < 50; ++x) EXPECT_EQ(headless::pixel(0, x, 5), 0x01020304u * x) << x;
    EXPECT_EQ(changedOutside(0, 0, 5, 49, 5, kBlack), 0);
    destroyImage(image);
}

TEST_F(Drawing, OpaqueCopiesAllThirtyTwoBits) {
    Image* image = patternImage(2, 2);
    image->pixels[3] = 0x12FF00FFu;
    drawImage(0, 0, image, DrawMode::Opaque);
    EXPECT_EQ(headless::pixel(0, 0, 0), patternAt(0, 0));
    EXPECT_EQ(headless::pixel(0, 1, 1), 0x12FF00FFu);
    destroyImage(image);
}

struct ClipCase {
    int x, y;
    int firstColumn, lastColumn;  // image columns that must show
    int firstRow, lastRow;        // image rows that must show
};

TEST_F(Drawing, ImagesAreClippedAtEveryEdgeInEveryMode) {
    const ClipCase cases[] = {
        {-20, 100, 20, 39, 0, 39},   // left edge: the right half shows
        {790, 100, 0, 9, 0, 39},     // right edge: the 10 leftmost columns
        {100, -20, 0, 39, 20, 39},   // top edge: the lower half
        {100, 590, 0, 39, 0, 9},     // bottom edge: the 10 top rows
        {-39, -39, 39, 39, 39, 39},  // one pixel in the top-left corner
        {799, 599, 0, 0, 0, 0},      // one pixel in the bottom-right corner
    };
    Image* image = patternImage(40, 40);
    for (DrawMode mode : {DrawMode::Opaque, DrawMode::Transparent, DrawMode::Xor}) {
        for (const ClipCase& c : cases) {
            headless::reset();
            openScreen(800, 600, 32, 2, 0);
            drawImage(c.x, c.y, image, mode);
            const Colour expectMask = mode == DrawMode::Transparent ? 0x00FFFFFFu : 0xFFFFFFFFu;
            for (int row = c.firstRow; row <= c.lastRow; ++row)
                for (int column = c.firstColumn; column <= c.lastColumn; ++column)
                    ASSERT_EQ(headless::pixel(0, c.x + column, c.y + row), patternAt(column, row) & expectMask)
                        << "mode " << static_cast<int>(mode) << " at " << c.x << "," << c.y;
            EXPECT_EQ(changedOutside(0, c.x + c.firstColumn, c.y + c.firstRow, c.x + c.lastColumn, c.y + c.lastRow, kBlack), 0)
                << "mode " << static_cast<int>(mode) << " at " << c.x << "," << c.y;
        }
    }
    destroyImage(image);
}

TEST_F(Drawing, ImagesEntirelyOffThePageDrawNothing) {
    Image* image = patternImage(40, 40);
    const int positions[][2] = {{-40, 0},           {800, 0},           {0, -40},          {0, 600},
                                {INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}, {INT_MAX - 10, 0}, {0, INT_MIN + 5}};
    for (const auto& p : positions) drawImage(p[0], p[1], image, DrawMode::Opaque);
    EXPECT_EQ(changedOutside(0, 0, 0, -1, -1, kBlack), 0);
    destroyImage(image);
}

TEST_F(Drawing, DrawingGoesToTheWorkPageOnly) {
    Image* image = patternImage(4, 4);
    setPages(1, 0);
    drawImage(0, 0, image, DrawMode::Opaque);
    setPixel(10, 10, kWhite);
    EXPECT_EQ(headless::pixel(1, 0, 0), patternAt(0, 0));
    EXPECT_EQ(headless::pixel(1, 10, 10), kWhite);
    EXPECT_EQ(getPixel(10, 10), kWhite);
    EXPECT_EQ(changedOutside(0, 0, 0, -1, -1, kBlack), 0);
    destroyImage(image);
}

TEST_F(Drawing, GrabCopiesOnlyAWholeRectangleOnThePage) {
    fillPage(0, 0x00ABCDEFu);
    setPixel(10, 20, 0x00000001u);
    setPixel(49, 59, 0x00000002u);
    Image* image = createImage(40, 40);
    grabImage(10, 20, 49, 59, image);
    ASSERT_EQ(image->width, 40);
    ASSERT_EQ(image->height, 40);
    EXPECT_EQ(image->pixels[0], 0x00000001u);
    EXPECT_EQ(image->pixels[39 * 40 + 39], 0x00000002u);
    EXPECT_EQ(image->pixels[1], 0x00ABCDEFu);

    // The image takes the rectangle's size, in either direction.
    grabImage(0, 0, 9, 2, image);
    EXPECT_EQ(image->width, 10);
    EXPECT_EQ(image->height, 3);
    EXPECT_EQ(image->pixels.size(), 30u);
    grabImage(0, 0, 99, 49, image);
    EXPECT_EQ(image->pixels.size(), 5000u);

    // Rectangles reaching off the page, or given with swapped corners, copy
    // nothing and leave the image as it was.
    Image* untouched = createImage(40, 40);
    const int rects[][4] = {{770, 0, 800, 39}, {-1, 0, 38, 39},  {0, -1, 39, 38},
                            {0, 570, 39, 600}, {49, 59, 10, 20}, {INT_MIN, 0, INT_MAX, 10}};
    for (const auto& r : rects) grabImage(r[0], r[1], r[2], r[3], untouched);
    EXPECT_EQ(untouched->width, 40);
    EXPECT_EQ(untouched->height, 40);
    for (Colour c : untouched->pixels) ASSERT_EQ(c, kNewImageColour);
    grabImage(0, 0, 10, 10, nullptr);
    destroyImage(image);
    destroyImage(untouched);
}

TEST_F(Drawing, SetPixelOffThePageIsDroppedAndGetPixelReadsBlack) {
    setPixel(-1, 0, kWhite);
    setPixel(800, 0, kWhite);
    setPixel(0, -1, kWhite);
    setPixel(0, 600, kWhite);
    setPixel(INT_MIN, INT_MAX, kWhite);
    EXPECT_EQ(changedOutside(0, 0, 0, -1, -1, kBlack), 0);
    setPixel(799, 599, kWhite);
    EXPECT_EQ(getPixel(799, 599), kWhite);
    EXPECT_EQ(getPixel(800, 599), kBlack);
    EXPECT_EQ(getPixel(-5, -5), kBlack);
}

TEST_F(Drawing, BoxIsAOnepixelOutlineWithBothCornersIncluded) {
    drawBox(10, 20, 15, 24, kWhite);
    for (int x = 10; x <= 15; ++x) {
        EXPECT_EQ(headless::pixel(0, x, 20), kWhite);
        EXPECT_EQ(headless::pixel(0, x, 24), kWhite);
    }
    for (int y = 20; y <= 24; ++y) {
        EXPECT_EQ(headless::pixel(0, 10, y), kWhite);
        EXPECT_EQ(headless::pixel(0, 15, y), kWhite);
    }
    EXPECT_EQ(headless::pixel(0, 12, 22), kBlack);  // inside stays
    EXPECT_EQ(changedOutside(0, 10, 20, 15, 24, kBlack), 0);
    // Swapped corners give the same box.
    headless::reset();
    openScreen(800, 600, 32, 2, 0);
    drawBox(15, 24, 10, 20, kWhite);
    EXPECT_EQ(headless::pixel(0, 10, 20), kWhite);
    EXPECT_EQ(headless::pixel(0, 15, 24), kWhite);
    EXPECT_EQ(headless::pixel(0, 12, 22), kBlack);
}

TEST_F(Drawing, BoxIsClippedToThePage) {
    drawBox(-10, -10, 900, 700, kWhite);  // every edge off the page: nothing shows
    EXPECT_EQ(changedOutside(0, 0, 0, -1, -1, kBlack), 0);
    drawBox(-10, 5, 5, 700, kWhite);  // only the top edge and the right edge show
    EXPECT_EQ(headless::pixel(0, 0, 5), kWhite);
    EXPECT_EQ(headless::pixel(0, 5, 5), kWhite);
    EXPECT_EQ(headless::pixel(0, 5, 599), kWhite);
    EXPECT_EQ(headless::pixel(0, 0, 6), kBlack);
    EXPECT_EQ(changedOutside(0, 0, 5, 5, 599, kBlack), 0);
    drawBox(INT_MIN, INT_MIN, INT_MAX, INT_MAX, kWhite);
}

TEST_F(Drawing, AbsurdImageSizesGiveEmptyImagesThatDrawNothing) {
    const int sizes[][2] = {{0, 10},          {10, 0},     {-5, 10}, {10, -5}, {INT_MIN, INT_MIN}, {INT_MAX, INT_MAX},
                            {100000, 100000}, {1 << 20, 1}};
    for (const auto& s : sizes) {
        Image* image = createImage(s[0], s[1]);
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(image->width, 0);
        EXPECT_EQ(image->height, 0);
        EXPECT_TRUE(image->pixels.empty());
        drawImage(0, 0, image, DrawMode::Opaque);
        destroyImage(image);
    }
    EXPECT_EQ(changedOutside(0, 0, 0, -1, -1, kBlack), 0);
}

TEST_F(Drawing, NullAndInconsistentImagesAreIgnored) {
    drawImage(0, 0, nullptr, DrawMode::Opaque);
    destroyImage(nullptr);
    Image* image = createImage(10, 10);
    image->pixels.resize(50);  // fewer pixels than width x height
    drawImage(0, 0, image, DrawMode::Opaque);
    EXPECT_EQ(changedOutside(0, 0, 0, -1, -1, kBlack), 0);
    destroyImage(image);
}

}  // namespace
