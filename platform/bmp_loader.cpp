// bmp_loader.cpp — loadBmp: a BMP file into an existing image.
//
// SDL decodes the file (palette images of 1, 4 and 8 bits, 16, 24 and 32 bits,
// bottom-up and top-down rows); it needs no window for that, so both backends
// share this code. The decoded surface is converted to 0xAARRGGBB and copied
// into the image row by row from its top-left corner, cut to the image's own
// size. The file's alpha is ignored and every loaded pixel made opaque, since
// some writers leave the alpha byte of 32-bit files at 0. A file that cannot
// be read or decoded leaves the image as it was.
//
// Before SDL sees the file, its header is checked against the file's length:
// a few damaged bytes claiming a bitmap of 100000 x 100000 pixels would
// otherwise make the decoder allocate gigabytes before it notices that the
// pixels are missing.
#include "platform/platform.h"
#include "platform/regular_file.h"

#include <SDL.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

// Larger files and bitmaps are refused; the biggest picture the programs load
// is the 800 x 600 title.
constexpr std::size_t kMaxFileBytes = 64u << 20;
constexpr std::int64_t kMaxSide = 16384;
constexpr std::int64_t kMaxPixels = 16384 * 1024;

constexpr std::uint32_t kCompressionRgb = 0;
constexpr std::uint32_t kCompressionBitfields = 3;
constexpr std::uint32_t kCompressionAlphaBitfields = 6;

std::uint32_t readLe(const std::vector<unsigned char>& data, std::size_t at, int bytes) {
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) value = (value << 8) | data[at + i];
    return value;
}

// The whole file; empty when it is missing, not a regular file, or too large.
std::vector<unsigned char> readWholeFile(const std::string& path) {
    std::string bytes;
    if (core::readRegularFile(path, kMaxFileBytes, core::Oversize::Refuse, bytes) != core::ReadResult::Read) return {};
    return std::vector<unsigned char>(bytes.begin(), bytes.end());
}

// True when the header describes a bitmap of sane size whose uncompressed
// pixels the file really holds. Anything else about the file is SDL's to
// judge.
bool plausibleBmp(const std::vector<unsigned char>& data) {
    constexpr std::size_t kFileHeader = 14;
    if (data.size() < kFileHeader + 12 || data[0] != 'B' || data[1] != 'M') return false;
    const std::uint32_t pixelOffset = readLe(data, 10, 4);
    const std::uint32_t infoSize = readLe(data, 14, 4);
    std::int64_t width;
    std::int64_t height;
    std::uint32_t bitsPerPixel;
    std::uint32_t compression = kCompressionRgb;
    if (infoSize == 12) {  // the old core header with 16-bit sizes
        width = readLe(data, 18, 2);
        height = readLe(data, 20, 2);
        bitsPerPixel = readLe(data, 24, 2);
    } else {
        if (infoSize < 40 || data.size() < kFileHeader + 40) return false;
        width = static_cast<std::int32_t>(readLe(data, 18, 4));
        height = static_cast<std::int32_t>(readLe(data, 22, 4));
        bitsPerPixel = readLe(data, 28, 2);
        compression = readLe(data, 30, 4);
    }
    if (height < 0) height = -height;
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return false;
    if (width * height > kMaxPixels) return false;
    if (bitsPerPixel == 0 || bitsPerPixel > 32) return false;
    if (compression == kCompressionRgb || compression == kCompressionBitfields ||
        compression == kCompressionAlphaBitfields) {
        const std::int64_t rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
        if (static_cast<std::int64_t>(pixelOffset) + rowBytes * height >
            static_cast<std::int64_t>(data.size())) {
            return false;
        }
    }
    return true;
}

// Copies the decoded pixels into the image, cut to the smaller of the two.
void copyInto(SDL_Surface* surface, Image* image) {
    const std::size_t imageRows = image->pixels.size() / static_cast<std::size_t>(image->width);
    if (!surface->pixels || surface->w <= 0 || surface->h <= 0 || surface->pitch < surface->w * 4) return;
    if (SDL_LockSurface(surface) != 0) return;
    const int rows = static_cast<int>(
        std::min<std::size_t>({static_cast<std::size_t>(surface->h), static_cast<std::size_t>(image->height),
                               imageRows}));
    const int columns = std::min(surface->w, image->width);
    const auto* bytes = static_cast<const unsigned char*>(surface->pixels);
    for (int y = 0; y < rows; ++y) {
        const unsigned char* row = bytes + static_cast<std::ptrdiff_t>(y) * surface->pitch;
        Colour* out = image->pixels.data() + static_cast<std::size_t>(y) * image->width;
        for (int x = 0; x < columns; ++x) {
            std::uint32_t argb;
            std::memcpy(&argb, row + static_cast<std::ptrdiff_t>(x) * 4, sizeof argb);
            out[x] = (argb & 0x00FFFFFFu) | 0xFF000000u;
        }
    }
    SDL_UnlockSurface(surface);
}

// The programs' own pictures are all uncompressed 32-bit bitmaps with the
// plain 40-byte header: those are copied here directly, a row at a time,
// with the same result as SDL's decoder and conversion (the low 24 bits are
// blue, green and red; the fourth byte is dropped), which took ten times as
// long and most of the game's time for loading its 102 pictures at start-up.
// False, having done nothing, for any other kind of bitmap.
bool loadPlain32(const std::vector<unsigned char>& data, Image* image) {
    constexpr std::size_t kHeaders = 14 + 40;
    if (data.size() < kHeaders || readLe(data, 14, 4) != 40 || readLe(data, 28, 2) != 32 ||
        readLe(data, 30, 4) != kCompressionRgb)
        return false;
    const std::int64_t width = static_cast<std::int32_t>(readLe(data, 18, 4));
    const std::int64_t signedHeight = static_cast<std::int32_t>(readLe(data, 22, 4));
    const bool bottomUp = signedHeight > 0;
    const std::int64_t height = bottomUp ? signedHeight : -signedHeight;
    const std::int64_t offset = readLe(data, 10, 4);
    const std::int64_t rowBytes = width * 4;
    // plausibleBmp has checked the sizes and that the pixels are all there.
    if (width <= 0 || height <= 0 || offset + rowBytes * height > static_cast<std::int64_t>(data.size()))
        return false;
    const std::size_t imageRows = image->pixels.size() / static_cast<std::size_t>(image->width);
    const std::int64_t rows = std::min<std::int64_t>({height, image->height, static_cast<std::int64_t>(imageRows)});
    const std::int64_t columns = std::min<std::int64_t>(width, image->width);
    for (std::int64_t y = 0; y < rows; ++y) {
        const std::int64_t fileRow = bottomUp ? height - 1 - y : y;
        const unsigned char* in = data.data() + offset + fileRow * rowBytes;
        Colour* out = image->pixels.data() + y * image->width;
        for (std::int64_t x = 0; x < columns; ++x, in += 4) {
            out[x] = 0xFF000000u | static_cast<Colour>(in[2]) << 16 | static_cast<Colour>(in[1]) << 8 | in[0];
        }
    }
    return true;
}

}  // namespace

void loadBmp(const std::string& path, Image* image) {
    if (!image || image->width <= 0 || image->height <= 0) return;
    std::string hostPath = path;
    std::replace(hostPath.begin(), hostPath.end(), '\\', '/');
    const std::vector<unsigned char> data = readWholeFile(hostPath);
    if (!plausibleBmp(data) || loadPlain32(data, image)) return;

    SDL_RWops* stream = SDL_RWFromConstMem(data.data(), static_cast<int>(data.size()));
    if (!stream) return;
    SDL_Surface* loaded = SDL_LoadBMP_RW(stream, 1);
    if (!loaded) return;
    SDL_Surface* surface = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(loaded);
    if (!surface) return;
    copyInto(surface, image);
    SDL_FreeSurface(surface);
}
