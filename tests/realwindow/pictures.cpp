// pictures.cpp — reading xwd dumps and sprite files, and finding the one in
// the other.
#include "tests/realwindow/pictures.h"
#include "tests/support/read_whole_file.h"

#include <cstdlib>
#include <fstream>

namespace realwindow {

namespace {

std::uint32_t bigEndian32(const std::string& b, std::size_t at) {
    return std::uint32_t(std::uint8_t(b[at])) << 24 | std::uint32_t(std::uint8_t(b[at + 1])) << 16 |
           std::uint32_t(std::uint8_t(b[at + 2])) << 8 | std::uint32_t(std::uint8_t(b[at + 3]));
}

std::uint32_t little(const std::string& b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = v << 8 | std::uint8_t(b[at + std::size_t(i)]);
    return v;
}

// The 8-bit value of the bits of `mask` in v.
std::uint32_t channel(std::uint32_t v, std::uint32_t mask) {
    if (mask == 0) return 0;
    int shift = 0;
    while (((mask >> shift) & 1u) == 0) ++shift;
    const std::uint32_t top = mask >> shift;
    return ((v & mask) >> shift) * 255u / top;
}

bool near(std::uint32_t a, std::uint32_t b) {
    for (int shift = 0; shift < 24; shift += 8) {
        if (std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) > 8) return false;
    }
    return true;
}

}  // namespace

std::optional<Picture> readXwd(const std::string& b) {
    constexpr std::size_t kHeaderFields = 25;
    if (b.size() < kHeaderFields * 4) return std::nullopt;
    std::uint32_t h[kHeaderFields];
    for (std::size_t i = 0; i < kHeaderFields; ++i) h[i] = bigEndian32(b, 4 * i);
    const std::uint32_t headerSize = h[0], version = h[1], format = h[2], width = h[4], height = h[5];
    const std::uint32_t byteOrder = h[7], bitsPerPixel = h[11], bytesPerLine = h[12];
    const std::uint32_t red = h[14], green = h[15], blue = h[16], colours = h[19];
    constexpr std::uint32_t kVersion = 7, kZPixmap = 2;
    if (version != kVersion || format != kZPixmap || (bitsPerPixel != 24 && bitsPerPixel != 32)) return std::nullopt;
    if (width == 0 || height == 0 || width > 8192 || height > 8192) return std::nullopt;
    const std::size_t bytes = bitsPerPixel / 8;
    const std::size_t start = std::size_t(headerSize) + std::size_t(colours) * 12;
    if (bytesPerLine < width * bytes || b.size() < start + std::size_t(bytesPerLine) * height) return std::nullopt;
    Picture p{int(width), int(height), std::vector<std::uint32_t>(std::size_t(width) * height)};
    for (std::uint32_t y = 0; y < height; ++y) {
        for (std::uint32_t x = 0; x < width; ++x) {
            const std::size_t at = start + std::size_t(y) * bytesPerLine + x * bytes;
            std::uint32_t v = little(b, at, int(bytes));
            if (byteOrder == 1) {  // most significant byte first
                std::uint32_t swapped = 0;
                for (std::size_t i = 0; i < bytes; ++i) swapped = swapped << 8 | ((v >> (8 * i)) & 0xFF);
                v = swapped;
            }
            p.pixels[std::size_t(y) * width + x] = channel(v, red) << 16 | channel(v, green) << 8 | channel(v, blue);
        }
    }
    return p;
}

std::optional<Picture> readBmp(const std::string& path) {
    const std::string b = readWholeFile(path);
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return std::nullopt;
    const std::uint32_t offset = little(b, 10, 4);
    const int width = int(little(b, 18, 4));
    const int rawHeight = int(little(b, 22, 4));
    const int bits = int(little(b, 28, 2));
    const int height = std::abs(rawHeight);
    if ((bits != 24 && bits != 32) || little(b, 30, 4) != 0 || width <= 0 || width > 4096 || height <= 0 || height > 4096) {
        return std::nullopt;
    }
    const std::size_t rowBytes = (std::size_t(width) * (bits / 8) + 3) / 4 * 4;
    if (b.size() < offset + rowBytes * height) return std::nullopt;
    Picture p{width, height, std::vector<std::uint32_t>(std::size_t(width) * height)};
    for (int row = 0; row < height; ++row) {
        const int y = rawHeight > 0 ? height - 1 - row : row;
        for (int x = 0; x < width; ++x) {
            p.pixels[std::size_t(y) * width + x] = little(b, offset + row * rowBytes + std::size_t(x) * (bits / 8), 3);
        }
    }
    return p;
}

void writePpm(const Picture& picture, const std::string& path) {
    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << picture.width << " " << picture.height << "\n255\n";
    for (std::uint32_t v : picture.pixels) {
        const char rgb[3] = {char(v >> 16), char(v >> 8), char(v)};
        out.write(rgb, 3);
    }
}

double shareShown(const Picture& window, const Picture& sprite, int x, int y, bool keyed) {
    int counted = 0, shown = 0;
    for (int sy = 0; sy < sprite.height; ++sy) {
        for (int sx = 0; sx < sprite.width; ++sx) {
            const std::uint32_t want = sprite.at(sx, sy);
            if (keyed && want == kKeyRgb) continue;
            ++counted;
            if (window.inside(x + sx, y + sy) && near(window.at(x + sx, y + sy), want)) ++shown;
        }
    }
    return counted == 0 ? 0.0 : double(shown) / counted;
}

std::optional<Cell> findSprite(const Picture& window, const std::vector<Picture>& sprites, double share) {
    for (int row = 1; row <= 14; ++row) {
        for (int column = 1; column <= 20; ++column) {
            for (const Picture& sprite : sprites) {
                if (shareShown(window, sprite, 40 * (column - 1), 40 * (row - 1), true) >= share) {
                    return Cell{column, row};
                }
            }
        }
    }
    return std::nullopt;
}

bool whiteLine(const Picture& window, int x, int y, int length, bool vertical) {
    for (int i = 0; i < length; ++i) {
        const int px = vertical ? x : x + i, py = vertical ? y + i : y;
        if (!window.inside(px, py) || window.at(px, py) != kWhiteRgb) return false;
    }
    return true;
}

int whitePixels(const Picture& window, int x, int y, int width, int height) {
    int n = 0;
    for (int py = y; py < y + height; ++py)
        for (int px = x; px < x + width; ++px) n += window.inside(px, py) && window.at(px, py) == kWhiteRgb;
    return n;
}

}  // namespace realwindow
