// Tests of loadBmp: the BMP variants the programs may meet, cutting to the
// image's size, and damaged or missing files, which must leave the image as
// it was. The bitmaps are written by the tests themselves.
#include "platform/platform.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include <sys/stat.h>

namespace {

// The colour of pixel (x, y), counted from the top-left, of the test pattern:
// distinct in every row and column, so a flipped or shifted copy shows.
Colour patternColour(int x, int y) {
    return 0xFF000000u | (static_cast<Colour>(10 + 20 * x) << 16) | (static_cast<Colour>(5 + 30 * y) << 8) |
           static_cast<Colour>((x * 7 + y * 13) & 0xFF);
}

struct BmpLayout {
    int width = 4;
    int height = 3;
    int bitsPerPixel = 24;   // 4, 8, 24 or 32
    bool topDown = false;    // negative height in the header
    std::uint8_t alpha = 0;  // alpha byte of 32-bit pixels
};

// A BITMAPINFOHEADER bitmap of the test pattern. 4- and 8-bit bitmaps use a
// palette of one entry per pixel of the pattern (the sizes used here fit).
std::string makeBmp(const BmpLayout& layout) {
    std::vector<Colour> palette;
    auto indexOf = [&](Colour c) {
        for (std::size_t i = 0; i < palette.size(); ++i) {
            if (palette[i] == c) return static_cast<int>(i);
        }
        palette.push_back(c);
        return static_cast<int>(palette.size() - 1);
    };
    std::string rows;
    const int rowBytes = (layout.width * layout.bitsPerPixel + 31) / 32 * 4;
    for (int fileRow = 0; fileRow < layout.height; ++fileRow) {
        int y = layout.topDown ? fileRow : layout.height - 1 - fileRow;
        std::string row;
        for (int x = 0; x < layout.width; ++x) {
            Colour c = patternColour(x, y);
            if (layout.bitsPerPixel == 4) {
                if (x % 2 == 0) row.push_back(0);
                row.back() = static_cast<char>(row.back() | indexOf(c) << (x % 2 == 0 ? 4 : 0));
            } else if (layout.bitsPerPixel == 8) {
                row.push_back(static_cast<char>(indexOf(c)));
            } else {
                row.push_back(static_cast<char>(c & 0xFF));
                row.push_back(static_cast<char>((c >> 8) & 0xFF));
                row.push_back(static_cast<char>((c >> 16) & 0xFF));
                if (layout.bitsPerPixel == 32) row.push_back(static_cast<char>(layout.alpha));
            }
        }
        row.resize(rowBytes, '\0');
        rows += row;
    }
    return bmpFile({layout.width, layout.topDown ? -layout.height : layout.height, layout.bitsPerPixel, 0, palette}, rows);
}

class LoadBmp : public ::testing::Test {
protected:
    void TearDown() override {
        for (Image* image : images_) destroyImage(image);
    }
    Image* image(int width, int height) {
        images_.push_back(createImage(width, height));
        return images_.back();
    }
    // Every pixel of `image` from (0, 0) to (width-1, height-1) is the pattern.
    static void expectPattern(const Image* image, int width, int height) {
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                ASSERT_EQ(image->pixels[y * image->width + x], patternColour(x, y)) << "at " << x << "," << y;
            }
        }
    }
    static void expectUntouched(const Image* image) {
        for (Colour c : image->pixels) ASSERT_EQ(c, kNewImageColour);
    }

    ScratchDir dir_;
    std::vector<Image*> images_;
};

TEST_F(LoadBmp, ReadsEveryVariantTopRowFirst) {
    const struct {
        const char* name;
        BmpLayout layout;
    } variants[] = {
        {"24-bit bottom-up", {5, 3, 24, false, 0}}, {"24-bit top-down", {5, 3, 24, true, 0}},
        {"32-bit alpha 0", {4, 3, 32, false, 0}},   {"32-bit alpha 0x80", {4, 3, 32, false, 0x80}},
        {"32-bit top-down", {4, 3, 32, true, 0}},   {"8-bit palette", {5, 3, 8, false, 0}},
        {"4-bit palette", {5, 3, 4, true, 0}},
    };
    for (const auto& v : variants) {
        SCOPED_TRACE(v.name);
        dir_.writeFile("sprites/pic.bmp", makeBmp(v.layout));
        Image* img = image(v.layout.width, v.layout.height);
        loadBmp("sprites\\pic.bmp", img);
        expectPattern(img, v.layout.width, v.layout.height);
    }
}

TEST_F(LoadBmp, WidensSixteenBitColoursToFullBrightness) {
    const struct {
        const char* name;
        std::uint32_t compression;  // 0: 5-5-5, 3: the 5-6-5 masks below
        std::uint32_t pixel;
        Colour expected;
    } cases[] = {
        {"5-5-5 white", 0, 0x7FFF, 0xFFFFFFFFu},
        {"5-5-5 red 22 of 31", 0, 22u << 10, 0xFFB40000u},
        {"5-6-5 masks", 3, 31u << 11 | 32u << 5 | 1u, 0xFFFF8108u},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string pixel;
        putLe(pixel, c.pixel, 4);
        dir_.writeFile("pic.bmp", bmpFile({1, 1, 16, c.compression, {}, {0xF800, 0x07E0, 0x001F}}, pixel));
        Image* img = image(1, 1);
        loadBmp("pic.bmp", img);
        EXPECT_EQ(img->pixels[0], c.expected);
    }
}

TEST_F(LoadBmp, ExpandsRunLengthEncodedRows) {
    // Palette 0 black, 1 red, 2 green, 3 blue. Bottom row: a run of one 1,
    // then 1, 2, 3 as they are; top row: a jump two right, then one 3.
    // Pixels no run reaches are colour 0.
    const std::vector<std::uint32_t> palette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
    const struct {
        const char* name;
        std::uint32_t compression;
        int bits;
        std::string runs;
    } cases[] = {
        {"8 bits", 1, 8, std::string("\x01\x01\x00\x03\x01\x02\x03\x00\x00\x00\x00\x02\x02\x00\x01\x03\x00\x01", 18)},
        {"4 bits", 2, 4, std::string("\x01\x10\x00\x03\x12\x30\x00\x00\x00\x02\x02\x00\x01\x30\x00\x01", 16)},
    };
    const Colour expected[] = {0xFF000000u, 0xFF000000u, 0xFF0000FFu, 0xFF000000u,   // top row
                               0xFFFF0000u, 0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu};  // bottom row
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        dir_.writeFile("pic.bmp", bmpFile({4, 2, c.bits, c.compression, palette}, c.runs));
        Image* img = image(4, 2);
        loadBmp("pic.bmp", img);
        EXPECT_EQ(img->pixels, std::vector<Colour>(std::begin(expected), std::end(expected)));
        // Without its end mark the data is damaged.
        dir_.writeFile("cut.bmp", bmpFile({4, 2, c.bits, c.compression, palette}, c.runs.substr(0, c.runs.size() - 2)));
        Image* cut = image(4, 2);
        loadBmp("cut.bmp", cut);
        expectUntouched(cut);
    }
}

TEST_F(LoadBmp, KeepsTheImageSize) {
    // 32-bit bitmaps, the programs' own, take a shorter way than the others.
    for (int bits : {24, 32}) {
        for (bool topDown : {false, true}) {
            SCOPED_TRACE(std::to_string(bits) + (topDown ? " bits, top-down" : " bits, bottom-up"));
            dir_.writeFile("big.bmp", makeBmp({8, 6, bits, topDown, 0}));
            Image* small = image(3, 2);
            loadBmp("big.bmp", small);
            EXPECT_EQ(small->width, 3);
            EXPECT_EQ(small->height, 2);
            ASSERT_EQ(small->pixels.size(), 6u);
            // The top-left corner of the bitmap, not its bottom rows.
            expectPattern(small, 3, 2);

            dir_.writeFile("small.bmp", makeBmp({3, 2, bits, topDown, 0}));
            Image* big = image(6, 5);
            loadBmp("small.bmp", big);
            expectPattern(big, 3, 2);
            for (int y = 0; y < 5; ++y) {
                for (int x = 0; x < 6; ++x) {
                    if (x < 3 && y < 2) continue;
                    EXPECT_EQ(big->pixels[y * 6 + x], kNewImageColour) << "at " << x << "," << y;
                }
            }
        }
    }
}

TEST_F(LoadBmp, LeavesTheImageAloneWhenTheFileIsNoBitmap) {
    const std::string good = makeBmp({6, 4, 24, false, 0});
    std::string hugeClaim = good;
    // Width and height 100000: the header claims gigabytes the file lacks.
    for (int at : {18, 22}) {
        hugeClaim[at] = static_cast<char>(0xA0);
        hugeClaim[at + 1] = static_cast<char>(0x86);
        hugeClaim[at + 2] = static_cast<char>(0x01);
        hugeClaim[at + 3] = 0;
    }
    // A palette of 14 colours whose last pixel names the 15th.
    std::string outsidePalette = makeBmp({5, 3, 8, true, 0});
    outsidePalette[46] = 14;
    std::string garbage;
    for (int i = 0; i < 500; ++i) garbage.push_back(static_cast<char>((i * 37 + 11) & 0xFF));
    const struct {
        const char* name;
        std::string bytes;
    } damaged[] = {
        {"empty", ""},
        {"garbage", garbage},
        {"garbage after BM", "BM" + garbage},
        {"header only", good.substr(0, 54)},
        {"cut in the pixels", good.substr(0, good.size() - 20)},
        {"huge size claim", hugeClaim},
        {"colour outside the palette", outsidePalette},
    };
    for (const auto& d : damaged) {
        SCOPED_TRACE(d.name);
        dir_.writeFile("bad.bmp", d.bytes);
        Image* img = image(6, 4);
        loadBmp("bad.bmp", img);
        expectUntouched(img);
    }

    Image* img = image(6, 4);
    loadBmp("sprites\\missing.bmp", img);
    expectUntouched(img);
    std::filesystem::create_directory(dir_.path() / "sprites");
    loadBmp("sprites", img);  // a folder, not a file
    expectUntouched(img);
    loadBmp("bad.bmp", nullptr);  // no image: nothing to do, no crash
    // A named pipe in a picture's place must not wait for a writer.
    ASSERT_EQ(::mkfifo((dir_.path() / "sprites/pipe.bmp").c_str(), 0644), 0);
    loadBmp("sprites\\pipe.bmp", img);
    expectUntouched(img);
}

}  // namespace
