// The image-file writers: a BMP and a PNG hold the canvas's pixels, top row
// first in the picture, and a failed write leaves the old file in place.
#include "tools/image/image_files.h"
#include "tests/reliability/failing_writes.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <png.h>

#include <cstdint>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include <sys/stat.h>

namespace {

// A screen-sized canvas, black but for its top-left and bottom-right pixels.
imagefile::Canvas screenCanvas() {
    imagefile::Canvas canvas(800, 600, 0);
    canvas.at(0, 0) = 0xFF102030u;
    canvas.at(799, 599) = 0x00405060u;
    return canvas;
}

TEST(ImageFiles, BmpHoldsThePixelsBottomUp) {
    ScratchDir dir;
    for (int bits : {24, 32}) {
        SCOPED_TRACE(bits);
        ASSERT_TRUE(imagefile::writeBmp(screenCanvas(), "page.bmp", bits));
        const std::string b = dir.readFile("page.bmp");
        const std::size_t bytes = static_cast<std::size_t>(bits / 8);
        ASSERT_EQ(b.size(), 54u + 800u * 600u * bytes);
        EXPECT_EQ(b.substr(0, 2), "BM");
        EXPECT_EQ(readLe(b, 18, 4), 800u);
        EXPECT_EQ(readLe(b, 22, 4), 600u);
        EXPECT_EQ(readLe(b, 28, 2), static_cast<std::uint32_t>(bits));
        // The top-left pixel is the first of the last stored row, as B, G, R;
        // alpha is never written.
        EXPECT_EQ(readLe(b, 54 + 599u * 800u * bytes, static_cast<int>(bytes)), 0x102030u);
        EXPECT_EQ(readLe(b, 54 + 799u * bytes, 3), 0x405060u);
    }
}

TEST(ImageFiles, PngHoldsThePixels) {
    ScratchDir dir;
    imagefile::Canvas canvas = screenCanvas();
    canvas.at(3, 4) = 0xFFAABBCCu;
    ASSERT_TRUE(imagefile::writePng(canvas, "page.png"));
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
    EXPECT_EQ(rgb[3], 0);
}

TEST(ImageFiles, AFailedWriteLeavesTheOldFile) {
    ScratchDir dir;
    dir.writeFile("old.png", "old");
    EXPECT_FALSE(imagefile::writePng(imagefile::Canvas(), "old.png"));
    EXPECT_FALSE(imagefile::writeBmp(imagefile::Canvas(), "old.png"));
    EXPECT_EQ(dir.readFile("old.png"), "old");
    EXPECT_FALSE(imagefile::writeBmp(screenCanvas(), "no/such/folder/page.bmp"));
}

// The pictures and sounds the tools make replace their files as every file
// of ours is replaced (platform/file_replace.h).
TEST(ImageFiles, APictureReplacesItsFileAsEveryFileIsReplaced) {
    ScratchDir dir;
    dir.writeFile("page.png", "old");
    ::chmod("page.png", 0600);
    const std::string dead = ".page.png.tmp-" + std::to_string(endedProcessId());
    dir.writeFile(dead, "half");
    ASSERT_TRUE(imagefile::writePng(screenCanvas(), "page.png"));
    EXPECT_EQ(namesIn(dir.path()), (std::set<std::string>{"Data", "page.png"}));
    EXPECT_EQ(std::filesystem::status("page.png").permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

}  // namespace
