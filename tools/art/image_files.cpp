// image_files.cpp — BMP and PNG writers.
#include "tools/art/image_files.h"

#include "tools/art/art_error.h"

#include <png.h>

#include <cstdio>
#include <fstream>

namespace zlart {

namespace {
void put16(std::vector<unsigned char>& b, unsigned v) {
    b.push_back(static_cast<unsigned char>(v & 0xFF));
    b.push_back(static_cast<unsigned char>((v >> 8) & 0xFF));
}
void put32(std::vector<unsigned char>& b, std::uint32_t v) {
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}
}  // namespace

std::vector<unsigned char> encodeBmp(const Canvas& c) {
    const std::uint32_t headerBytes = 14 + 40;
    const std::uint32_t pixelBytes = std::uint32_t(c.width) * std::uint32_t(c.height) * 4;
    std::vector<unsigned char> b;
    b.reserve(headerBytes + pixelBytes);
    b.push_back('B');
    b.push_back('M');
    put32(b, headerBytes + pixelBytes);  // file size
    put32(b, 0);                         // reserved
    put32(b, headerBytes);               // offset of the pixels
    put32(b, 40);                        // BITMAPINFOHEADER
    put32(b, std::uint32_t(c.width));
    put32(b, std::uint32_t(c.height));   // positive: bottom row first
    put16(b, 1);                         // planes
    put16(b, 32);                        // bits per pixel
    put32(b, 0);                         // BI_RGB
    put32(b, pixelBytes);
    put32(b, 2835);                      // 72 dpi
    put32(b, 2835);
    put32(b, 0);                         // colours used
    put32(b, 0);                         // important colours
    for (int y = c.height - 1; y >= 0; --y)
        for (int x = 0; x < c.width; ++x) {
            Rgb p = c.at(x, y);
            b.push_back(static_cast<unsigned char>(p & 0xFF));
            b.push_back(static_cast<unsigned char>((p >> 8) & 0xFF));
            b.push_back(static_cast<unsigned char>((p >> 16) & 0xFF));
            b.push_back(0);
        }
    return b;
}

void writeFileBytes(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) throw ArtError(path + ": cannot be written");
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out) throw ArtError(path + ": cannot be written");
}

void writePngPixels(const std::string& path, int width, int height, bool alpha,
                    const std::vector<unsigned char>& pixels) {
    const std::size_t channels = alpha ? 4 : 3;
    if (width <= 0 || height <= 0 || pixels.size() != std::size_t(width) * std::size_t(height) * channels)
        throw ArtError(path + ": no picture to write");
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) throw ArtError(path + ": cannot be written");
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info) {
        png_destroy_write_struct(&png, &info);
        std::fclose(f);
        throw ArtError(path + ": PNG writer cannot start");
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(f);
        throw ArtError(path + ": PNG write failed");
    }
    png_init_io(png, f);
    png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), 8, alpha ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, 9);
    png_write_info(png, info);
    for (int y = 0; y < height; ++y) {
        png_write_row(png, pixels.data() + std::size_t(y) * std::size_t(width) * channels);
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    if (std::fclose(f) != 0) throw ArtError(path + ": cannot be written");
}

void writePng(const Canvas& c, const std::string& path) {
    std::vector<unsigned char> pixels;
    pixels.reserve(std::size_t(c.width) * std::size_t(c.height) * 3);
    for (int y = 0; y < c.height; ++y) {
        for (int x = 0; x < c.width; ++x) {
            const Rgb p = c.at(x, y);
            pixels.push_back(static_cast<unsigned char>((p >> 16) & 0xFF));
            pixels.push_back(static_cast<unsigned char>((p >> 8) & 0xFF));
            pixels.push_back(static_cast<unsigned char>(p & 0xFF));
        }
    }
    writePngPixels(path, c.width, c.height, false, pixels);
}

}  // namespace zlart
