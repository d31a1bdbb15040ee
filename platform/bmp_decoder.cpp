// bmp_decoder.cpp — decodeBmp: the bytes of a BMP file into an image.
// Writes: the pixels of the image it is given, nothing else.
//
// The header is checked against the file's length before anything is
// decoded: a few damaged bytes claiming a bitmap of 100000 x 100000 pixels
// must not make the loader allocate or read gigabytes. Every row of the
// bitmap must be in the file; a palette bitmap must name no colour its
// palette lacks. Only then are pixels written, so a refused file leaves the
// image as it was.
//
// Colours narrower than 8 bits (the 5 bits of a 16-bit pixel) are widened by
// repeating their bits, so that the brightest value is 0xFF and black stays
// 0; wider ones keep their top 8 bits.
#include "platform/bmp_decoder.h"

#include <algorithm>
#include <bit>
#include <cstdint>

namespace core {

namespace {

// Larger bitmaps are refused; the biggest picture the programs load is the
// 800 x 600 title.
constexpr std::int64_t kMaxSide = 16384;
constexpr std::int64_t kMaxPixels = 16384 * 1024;

constexpr std::size_t kFileHeader = 14;
constexpr std::uint32_t kCoreHeader = 12;  // the old header with 16-bit sizes
constexpr std::uint32_t kInfoHeader = 40;

constexpr std::uint32_t kCompressionRgb = 0;
constexpr std::uint32_t kCompressionRunLength8 = 1;
constexpr std::uint32_t kCompressionRunLength4 = 2;
constexpr std::uint32_t kCompressionBitfields = 3;
constexpr std::uint32_t kCompressionAlphaBitfields = 6;

std::uint32_t readLe(const unsigned char* data, std::size_t at, int bytes) {
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) value = (value << 8) | data[at + i];
    return value;
}

// One colour channel of a 16- or 32-bit pixel, from its mask.
struct Channel {
    std::uint32_t mask = 0;  // the channel's bits in the pixel
    int shift = 0;           // position of its lowest bit
    int bits = 0;            // its width, 0 for a missing channel
};

Channel channelOf(std::uint32_t mask) {
    if (mask == 0) return {};
    const int shift = std::countr_zero(mask);
    return {mask, shift, static_cast<int>(std::bit_width(mask >> shift))};
}

// The channel's value in pixel, widened or narrowed to 8 bits.
Colour channelValue(const Channel& channel, std::uint32_t pixel) {
    if (channel.bits == 0) return 0;
    const std::uint32_t value = (pixel & channel.mask) >> channel.shift;
    if (channel.bits >= 8) return (value >> (channel.bits - 8)) & 0xFFu;
    return value * 255u / ((1u << channel.bits) - 1u);
}

enum class Layout {
    Palette,  // 1, 2, 4 or 8 bits: an index into the palette
    Bgr24,    // blue, green, red bytes
    Bgr32,    // blue, green, red and an ignored byte
    Masked,   // 16 or 32 bits split by three colour masks
};

// What the headers say, checked against the file.
struct Bitmap {
    std::int64_t width = 0;         // pixels per row, 1 .. kMaxSide
    std::int64_t height = 0;        // rows, 1 .. kMaxSide
    bool bottomUp = true;           // the file's first row is the bottom one
    int bitsPerPixel = 0;           // 1, 2, 4, 8, 16, 24 or 32
    Layout layout = Layout::Bgr24;  // how a pixel is read
    Channel red, green, blue;       // Masked: the channels
    std::vector<Colour> palette;    // Palette: opaque colours, 1 .. 256
    bool runLength = false;         // Palette: the rows are run-length encoded
    std::size_t pixelsAt = 0;       // offset of the first row in the file
    std::int64_t rowBytes = 0;      // bytes per row, padded to 4
};

// Reads the headers; false for any bitmap this decoder does not read or
// whose parts are not all in the file.
bool readBitmap(const unsigned char* data, std::size_t size, Bitmap& bitmap) {
    if (size < kFileHeader + kCoreHeader || data[0] != 'B' || data[1] != 'M') return false;
    const std::uint32_t pixelOffset = readLe(data, 10, 4);
    const std::uint32_t infoSize = readLe(data, 14, 4);
    std::int64_t height;
    std::uint32_t compression = kCompressionRgb;
    std::uint32_t coloursUsed = 0;
    std::size_t paletteEntryBytes = 4;
    if (infoSize == kCoreHeader) {
        bitmap.width = readLe(data, 18, 2);
        height = readLe(data, 20, 2);
        bitmap.bitsPerPixel = static_cast<int>(readLe(data, 24, 2));
        paletteEntryBytes = 3;
    } else {
        if (infoSize < kInfoHeader || size < kFileHeader + kInfoHeader) return false;
        bitmap.width = static_cast<std::int32_t>(readLe(data, 18, 4));
        height = static_cast<std::int32_t>(readLe(data, 22, 4));
        bitmap.bitsPerPixel = static_cast<int>(readLe(data, 28, 2));
        compression = readLe(data, 30, 4);
        coloursUsed = readLe(data, 46, 4);
    }
    bitmap.bottomUp = height > 0;
    bitmap.height = height < 0 ? -height : height;
    if (bitmap.width <= 0 || bitmap.height <= 0 || bitmap.width > kMaxSide || bitmap.height > kMaxSide ||
        bitmap.width * bitmap.height > kMaxPixels)
        return false;

    // The colour masks follow the 40-byte header or are part of a longer one:
    // either way they start right after its first 40 bytes.
    std::size_t headersEnd = kFileHeader + infoSize;
    const int bits = bitmap.bitsPerPixel;
    const bool masked = compression == kCompressionBitfields || compression == kCompressionAlphaBitfields;
    if (masked) {
        if (bits != 16 && bits != 32) return false;
        const std::size_t masksAt = kFileHeader + kInfoHeader;
        const std::size_t maskBytes = compression == kCompressionAlphaBitfields ? 16 : 12;
        if (size < masksAt + maskBytes) return false;
        if (infoSize == kInfoHeader) headersEnd += maskBytes;
        bitmap.layout = Layout::Masked;
        bitmap.red = channelOf(readLe(data, masksAt, 4));
        bitmap.green = channelOf(readLe(data, masksAt + 4, 4));
        bitmap.blue = channelOf(readLe(data, masksAt + 8, 4));
    } else if (compression == kCompressionRunLength8 || compression == kCompressionRunLength4) {
        // Run-length encoded rows are stored bottom row first only.
        if (bits != (compression == kCompressionRunLength8 ? 8 : 4) || !bitmap.bottomUp) return false;
        bitmap.runLength = true;
    } else if (compression != kCompressionRgb) {
        return false;
    }
    if (masked) {
        // The channels are set.
    } else if (bits == 1 || bits == 2 || bits == 4 || bits == 8) {
        bitmap.layout = Layout::Palette;
        const std::uint32_t most = 1u << bits;
        const std::uint32_t count = coloursUsed == 0 || coloursUsed > most ? most : coloursUsed;
        if (headersEnd > size || (size - headersEnd) / paletteEntryBytes < count) return false;
        for (std::uint32_t i = 0; i < count; ++i) {
            bitmap.palette.push_back(0xFF000000u | readLe(data, headersEnd + i * paletteEntryBytes, 3));
        }
        headersEnd += count * paletteEntryBytes;
    } else if (bits == 16) {
        bitmap.layout = Layout::Masked;
        bitmap.red = channelOf(0x7C00);
        bitmap.green = channelOf(0x03E0);
        bitmap.blue = channelOf(0x001F);
    } else if (bits == 24 || bits == 32) {
        bitmap.layout = bits == 24 ? Layout::Bgr24 : Layout::Bgr32;
    } else {
        return false;
    }

    // An offset of 0 means the rows follow the headers.
    bitmap.pixelsAt = pixelOffset != 0 ? pixelOffset : headersEnd;
    if (bitmap.runLength) return bitmap.pixelsAt < size;
    bitmap.rowBytes = (bitmap.width * bits + 31) / 32 * 4;
    return static_cast<std::int64_t>(bitmap.pixelsAt) + bitmap.rowBytes * bitmap.height <= static_cast<std::int64_t>(size);
}

// Expands the run-length encoded rows of a palette bitmap into one index a
// pixel, bottom row first as in the file; pixels no run reaches keep index
// 0, runs past a row's end are cut off. False when the data ends before its
// end mark.
bool expandRuns(const unsigned char* data, std::size_t size, const Bitmap& bitmap, std::vector<std::uint8_t>& indices) {
    indices.assign(static_cast<std::size_t>(bitmap.width * bitmap.height), 0);
    const bool fourBits = bitmap.bitsPerPixel == 4;
    std::size_t at = bitmap.pixelsAt;
    std::int64_t x = 0;
    std::int64_t row = 0;
    auto put = [&](std::uint8_t index) {
        if (x < bitmap.width && row < bitmap.height) indices[static_cast<std::size_t>(row * bitmap.width + x)] = index;
        ++x;
    };
    while (at + 2 <= size) {
        const unsigned count = data[at];
        const unsigned value = data[at + 1];
        at += 2;
        if (count > 0) {  // a run: one index, or two alternating ones
            for (unsigned i = 0; i < count; ++i)
                put(static_cast<std::uint8_t>(fourBits ? (i % 2 == 0 ? value >> 4 : value & 0x0F) : value));
        } else if (value == 0) {  // end of the row
            x = 0;
            ++row;
        } else if (value == 1) {  // end of the bitmap
            return true;
        } else if (value == 2) {  // a jump right and up
            if (at + 2 > size) return false;
            x += data[at];
            row += data[at + 1];
            at += 2;
        } else {  // `value` indices as they are, padded to whole 16-bit words
            const std::size_t bytes = fourBits ? (value + 1) / 2 : value;
            if (at + bytes > size) return false;
            for (unsigned i = 0; i < value; ++i)
                put(static_cast<std::uint8_t>(fourBits ? (i % 2 == 0 ? data[at + i / 2] >> 4 : data[at + i / 2] & 0x0F)
                                                       : data[at + i]));
            at += bytes + bytes % 2;
        }
    }
    return false;
}

// The palette index of pixel x in a row of a palette bitmap.
std::uint32_t paletteIndex(const unsigned char* row, std::int64_t x, int bits) {
    const std::int64_t bit = x * bits;
    const int shift = 8 - bits - static_cast<int>(bit % 8);
    return (row[bit / 8] >> shift) & ((1u << bits) - 1u);
}

// True when every pixel of a palette bitmap names a colour of its palette.
bool indicesInPalette(const unsigned char* data, const Bitmap& bitmap) {
    if (bitmap.palette.size() == (1u << bitmap.bitsPerPixel)) return true;
    for (std::int64_t y = 0; y < bitmap.height; ++y) {
        const unsigned char* row = data + bitmap.pixelsAt + y * bitmap.rowBytes;
        for (std::int64_t x = 0; x < bitmap.width; ++x) {
            if (paletteIndex(row, x, bitmap.bitsPerPixel) >= bitmap.palette.size()) return false;
        }
    }
    return true;
}

// Writes the first `columns` pixels of one file row to out, opaque.
void decodeRow(const unsigned char* in, const Bitmap& bitmap, std::int64_t columns, Colour* out) {
    switch (bitmap.layout) {
        case Layout::Palette:
            for (std::int64_t x = 0; x < columns; ++x)
                out[x] = bitmap.palette[paletteIndex(in, x, bitmap.bitsPerPixel)];
            break;
        case Layout::Bgr24:
        case Layout::Bgr32: {
            const int step = bitmap.layout == Layout::Bgr24 ? 3 : 4;
            for (std::int64_t x = 0; x < columns; ++x, in += step) {
                out[x] = 0xFF000000u | static_cast<Colour>(in[2]) << 16 | static_cast<Colour>(in[1]) << 8 | in[0];
            }
            break;
        }
        case Layout::Masked: {
            const int step = bitmap.bitsPerPixel / 8;
            for (std::int64_t x = 0; x < columns; ++x, in += step) {
                const std::uint32_t pixel = readLe(in, 0, step);
                out[x] = 0xFF000000u | channelValue(bitmap.red, pixel) << 16 | channelValue(bitmap.green, pixel) << 8 |
                         channelValue(bitmap.blue, pixel);
            }
            break;
        }
    }
}

}  // namespace

bool decodeBmp(const unsigned char* data, std::size_t size, Image* image) {
    if (!data || !image || image->width <= 0 || image->height <= 0) return false;
    Bitmap bitmap;
    if (!readBitmap(data, size, bitmap)) return false;
    std::vector<std::uint8_t> indices;
    if (bitmap.runLength) {
        if (!expandRuns(data, size, bitmap, indices)) return false;
        for (std::uint8_t index : indices) {
            if (index >= bitmap.palette.size()) return false;
        }
    } else if (bitmap.layout == Layout::Palette && !indicesInPalette(data, bitmap)) {
        return false;
    }
    const std::int64_t imageRows = static_cast<std::int64_t>(image->pixels.size()) / image->width;
    const std::int64_t rows = std::min<std::int64_t>({bitmap.height, image->height, imageRows});
    const std::int64_t columns = std::min<std::int64_t>(bitmap.width, image->width);
    for (std::int64_t y = 0; y < rows; ++y) {
        const std::int64_t fileRow = bitmap.bottomUp ? bitmap.height - 1 - y : y;
        Colour* out = image->pixels.data() + y * image->width;
        if (bitmap.runLength) {
            const std::uint8_t* in = indices.data() + fileRow * bitmap.width;
            for (std::int64_t x = 0; x < columns; ++x) out[x] = bitmap.palette[in[x]];
        } else {
            decodeRow(data + bitmap.pixelsAt + fileRow * bitmap.rowBytes, bitmap, columns, out);
        }
    }
    return true;
}

}  // namespace core
