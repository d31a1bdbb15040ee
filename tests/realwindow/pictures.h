// pictures.h — what a real-window test looks at: the window's pixels as xwd
// writes them, the sprite files, and the places where one shows in the other.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace realwindow {

// RGB pixels, 0x00RRGGBB, row-major, top row first.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    std::uint32_t at(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
};

// A window dump in the X Window Dump format (24 or 32 bits per pixel, true
// colour); nothing when the bytes are not such a dump.
std::optional<Picture> readXwd(const std::string& bytes);
// A BMP as the art generator writes them (uncompressed, 24 or 32 bits per
// pixel); nothing when the file cannot be read.
std::optional<Picture> readBmp(const std::string& path);
// Writes a picture as a binary PPM, for looking at a failure.
void writePpm(const Picture& picture, const std::string& path);

constexpr std::uint32_t kKeyRgb = 0xFF00FF;  // transparent in sprite files
constexpr std::uint32_t kWhiteRgb = 0xFFFFFF;

// Share of the sprite's pixels (its key-coloured ones left out when
// `keyed`) that show at (x, y) in the window, each channel within 8.
double shareShown(const Picture& window, const Picture& sprite, int x, int y, bool keyed);
// The grid cell (column 1..20, row 1..14, 40 x 40 pixels each) where one of
// the sprites shows with at least `share` of its pixels; nothing if none.
struct Cell {
    int column = 0;
    int row = 0;
    bool operator==(const Cell&) const = default;
};
std::optional<Cell> findSprite(const Picture& window, const std::vector<Picture>& sprites, double share);
// True when every pixel of the line from (x, y), `length` long, is white.
bool whiteLine(const Picture& window, int x, int y, int length, bool vertical);
// Pixels of the rectangle that are pure white.
int whitePixels(const Picture& window, int x, int y, int width, int height);

}  // namespace realwindow
