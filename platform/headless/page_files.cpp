// page_files.cpp — a page written to a PNG or BMP file, to look at a screen
// a test or tool produced. Only red, green and blue are written.
#include "platform/headless/headless.h"

#include <png.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <vector>

namespace headless {

bool writePagePng(int page, const std::string& path) {
    const Colour* pixels = pagePixels(page);
    if (!pixels) return false;
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(kScreenWidth) * kScreenHeight * 3);
    for (std::size_t i = 0; i < static_cast<std::size_t>(kScreenWidth) * kScreenHeight; ++i) {
        rgb[i * 3 + 0] = static_cast<std::uint8_t>(pixels[i] >> 16);
        rgb[i * 3 + 1] = static_cast<std::uint8_t>(pixels[i] >> 8);
        rgb[i * 3 + 2] = static_cast<std::uint8_t>(pixels[i]);
    }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = kScreenWidth;
    image.height = kScreenHeight;
    image.format = PNG_FORMAT_RGB;
    const bool ok = png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), 0, nullptr) != 0;
    png_image_free(&image);
    return ok;
}

namespace {
void put16(std::vector<std::uint8_t>& out, std::uint16_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    put16(out, static_cast<std::uint16_t>(v));
    put16(out, static_cast<std::uint16_t>(v >> 16));
}
}  // namespace

// An uncompressed 24-bit bitmap, rows bottom-up (800 * 3 bytes per row needs
// no padding).
bool writePageBmp(int page, const std::string& path) {
    const Colour* pixels = pagePixels(page);
    if (!pixels) return false;
    constexpr std::uint32_t kHeaderBytes = 14 + 40;
    constexpr std::uint32_t kPixelBytes = kScreenWidth * kScreenHeight * 3;
    std::vector<std::uint8_t> out;
    out.reserve(kHeaderBytes + kPixelBytes);
    out.push_back('B');
    out.push_back('M');
    put32(out, kHeaderBytes + kPixelBytes);  // file size
    put32(out, 0);                           // reserved
    put32(out, kHeaderBytes);                // offset of the pixels
    put32(out, 40);                          // info header size
    put32(out, kScreenWidth);
    put32(out, kScreenHeight);               // positive: bottom-up
    put16(out, 1);                           // planes
    put16(out, 24);                          // bits per pixel
    put32(out, 0);                           // no compression
    put32(out, kPixelBytes);
    put32(out, 2835);                        // 72 dpi
    put32(out, 2835);
    put32(out, 0);                           // colours used
    put32(out, 0);                           // important colours
    for (int y = kScreenHeight - 1; y >= 0; --y) {
        for (int x = 0; x < kScreenWidth; ++x) {
            const Colour c = pixels[y * kScreenWidth + x];
            out.push_back(static_cast<std::uint8_t>(c));
            out.push_back(static_cast<std::uint8_t>(c >> 8));
            out.push_back(static_cast<std::uint8_t>(c >> 16));
        }
    }
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "wb"), &std::fclose);
    if (!file) return false;
    if (std::fwrite(out.data(), 1, out.size(), file.get()) != out.size()) return false;
    return std::fclose(file.release()) == 0;
}

}  // namespace headless
