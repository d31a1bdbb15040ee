// Tests of the headless backend's page writers: the files must hold the
// page's pixels, so that a screen produced by a test can be looked at.
#include "tests/platform/headless_screen.h"
#include "tests/support/scratch_dir.h"

#include <png.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

using PageFiles = HeadlessScreen;

std::uint32_t le32(const std::string& b, std::size_t at) {
    return static_cast<std::uint8_t>(b[at]) | static_cast<std::uint8_t>(b[at + 1]) << 8 |
           static_cast<std::uint8_t>(b[at + 2]) << 16 | static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[at + 3])) << 24;
}

TEST_F(PageFiles, BmpHoldsThePagePixelsBottomUp) {
    ScratchDir dir;
    setPages(1, 0);
    setPixel(0, 0, 0xFF102030u);
    setPixel(799, 599, 0x00405060u);
    ASSERT_TRUE(headless::writePageBmp(1, "page.bmp"));
    const std::string b = dir.readFile("page.bmp");
    ASSERT_EQ(b.size(), 54u + 800u * 600u * 3u);
    EXPECT_EQ(b.substr(0, 2), "BM");
    EXPECT_EQ(le32(b, 18), 800u);
    EXPECT_EQ(le32(b, 22), 600u);
    // The top-left pixel is the first of the last stored row, as B, G, R.
    const std::size_t topLeft = 54 + 599u * 800u * 3u;
    EXPECT_EQ(static_cast<std::uint8_t>(b[topLeft]), 0x30);
    EXPECT_EQ(static_cast<std::uint8_t>(b[topLeft + 1]), 0x20);
    EXPECT_EQ(static_cast<std::uint8_t>(b[topLeft + 2]), 0x10);
    const std::size_t bottomRight = 54 + 799u * 3u;
    EXPECT_EQ(static_cast<std::uint8_t>(b[bottomRight + 2]), 0x40);
    EXPECT_FALSE(headless::writePageBmp(2, "none.bmp"));
    EXPECT_FALSE(headless::writePageBmp(0, "no/such/folder/page.bmp"));
}

TEST_F(PageFiles, PngHoldsThePagePixels) {
    ScratchDir dir;
    setPixel(3, 4, 0xFFAABBCCu);
    ASSERT_TRUE(headless::writePagePng(0, "page.png"));
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_file(&image, "page.png"));
    EXPECT_EQ(image.width, 800u);
    EXPECT_EQ(image.height, 600u);
    image.format = PNG_FORMAT_RGB;
    std::vector<std::uint8_t> rgb(PNG_IMAGE_SIZE(image));
    ASSERT_TRUE(png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr));
    const std::size_t at = (4u * 800u + 3u) * 3u;
    EXPECT_EQ(rgb[at], 0xAA);
    EXPECT_EQ(rgb[at + 1], 0xBB);
    EXPECT_EQ(rgb[at + 2], 0xCC);
    EXPECT_EQ(rgb[0], 0);
    EXPECT_FALSE(headless::writePagePng(5, "none.png"));
}

}  // namespace
