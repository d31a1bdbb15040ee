// image_files.cpp — the BMP and PNG encoders and the file writer.
// Writes: only the files it is asked to write (and their scratch copies).
#include "tools/image/image_files.h"

#include "platform/file_replace.h"

#include <png.h>

#include <cstdint>
#include <string_view>

namespace imagefile {

namespace {

void putLe(std::vector<unsigned char>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<unsigned char>((value >> (8 * i)) & 0xFF));
}

// libpng's output callback: appends to the vector given as io pointer.
void appendPngBytes(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::vector<unsigned char>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

}  // namespace

std::vector<unsigned char> encodeBmp(const Canvas& canvas, int bitsPerPixel) {
    const std::uint32_t bytesPerPixel = bitsPerPixel == 24 ? 3 : 4;
    const std::uint32_t headerBytes = 14 + 40;
    const std::uint32_t rowBytes = (std::uint32_t(canvas.width) * bytesPerPixel + 3) / 4 * 4;
    const std::uint32_t pixelBytes = rowBytes * std::uint32_t(canvas.height);
    std::vector<unsigned char> b;
    b.reserve(headerBytes + pixelBytes);
    b.push_back('B');
    b.push_back('M');
    putLe(b, headerBytes + pixelBytes, 4);  // file size
    putLe(b, 0, 4);                         // reserved
    putLe(b, headerBytes, 4);               // offset of the pixels
    putLe(b, 40, 4);                        // size of the info header
    putLe(b, std::uint32_t(canvas.width), 4);
    putLe(b, std::uint32_t(canvas.height), 4);  // positive: bottom row first
    putLe(b, 1, 2);                             // planes
    putLe(b, bytesPerPixel * 8, 2);             // bits per pixel
    putLe(b, 0, 4);                             // uncompressed
    putLe(b, pixelBytes, 4);
    putLe(b, 2835, 4);  // 72 dpi
    putLe(b, 2835, 4);
    putLe(b, 0, 4);  // colours used
    putLe(b, 0, 4);  // important colours
    for (int y = canvas.height - 1; y >= 0; --y) {
        for (int x = 0; x < canvas.width; ++x) putLe(b, canvas.at(x, y) & 0xFFFFFFu, int(bytesPerPixel));
        b.resize(b.size() + rowBytes - std::uint32_t(canvas.width) * bytesPerPixel, 0);
    }
    return b;
}

std::vector<unsigned char> encodePng(const Canvas& canvas, Alpha alpha) {
    std::vector<unsigned char> out;
    if (canvas.width <= 0 || canvas.height <= 0 ||
        canvas.pixels.size() != std::size_t(canvas.width) * std::size_t(canvas.height))
        return out;
    const bool keepAlpha = alpha == Alpha::Keep;
    const std::size_t channels = keepAlpha ? 4 : 3;
    std::vector<unsigned char> row(std::size_t(canvas.width) * channels);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, info ? &info : nullptr);
        return {};
    }
    png_set_write_fn(png, &out, appendPngBytes, nullptr);
    png_set_IHDR(png, info, png_uint_32(canvas.width), png_uint_32(canvas.height), 8,
                 keepAlpha ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, 9);
    png_write_info(png, info);
    for (int y = 0; y < canvas.height; ++y) {
        unsigned char* p = row.data();
        for (int x = 0; x < canvas.width; ++x) {
            const Rgb c = canvas.at(x, y);
            *p++ = static_cast<unsigned char>(c >> 16);
            *p++ = static_cast<unsigned char>(c >> 8);
            *p++ = static_cast<unsigned char>(c);
            if (keepAlpha) *p++ = static_cast<unsigned char>(c >> 24);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

bool writeFileBytes(const std::string& path, const std::vector<unsigned char>& bytes) {
    return core::replaceFile(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

bool writeBmp(const Canvas& canvas, const std::string& path, int bitsPerPixel) {
    if (canvas.width <= 0 || canvas.height <= 0) return false;
    return writeFileBytes(path, encodeBmp(canvas, bitsPerPixel));
}

bool writePng(const Canvas& canvas, const std::string& path, Alpha alpha) {
    const std::vector<unsigned char> bytes = encodePng(canvas, alpha);
    return !bytes.empty() && writeFileBytes(path, bytes);
}

}  // namespace imagefile
