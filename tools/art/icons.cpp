// icons.cpp — the desktop icons from the wizard picture.
#include "tools/art/icons.h"

#include "tools/art/art_error.h"
#include "tools/image/image_files.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace zlart {

namespace {

constexpr const char* kWizard = "Zaub1";
constexpr const char* kFloor = "Schwarz";
constexpr Rgb kFrameRgb = 0xFFFFFF;  // the editor's cursor frame
constexpr double kSharpShare = 0.8;  // whole-pixel enlarging must fill this much of the side

std::uint32_t alphaOf(std::uint32_t p) { return p >> 24; }

// Each pixel becomes a factor x factor block; the result sits centred on a
// transparent size x size square.
IconPicture enlargeCentred(const IconPicture& source, int factor, int size) {
    IconPicture out{size, std::vector<std::uint32_t>(std::size_t(size) * size, 0)};
    const int offset = (size - source.size * factor) / 2;
    for (int y = 0; y < source.size * factor; ++y) {
        for (int x = 0; x < source.size * factor; ++x) {
            const int tx = x + offset, ty = y + offset;
            if (tx < 0 || ty < 0 || tx >= size || ty >= size) continue;
            out.pixels[std::size_t(ty) * size + tx] = source.pixels[std::size_t(y / factor) * source.size + x / factor];
        }
    }
    return out;
}

// Area averaging: every target pixel takes the source pixels it covers,
// each weighted by the covered area and its opacity.
IconPicture averageDown(const IconPicture& source, int size) {
    IconPicture out{size, std::vector<std::uint32_t>(std::size_t(size) * size, 0)};
    const double scale = double(source.size) / size;
    for (int ty = 0; ty < size; ++ty) {
        for (int tx = 0; tx < size; ++tx) {
            const double x0 = tx * scale, x1 = (tx + 1) * scale;
            const double y0 = ty * scale, y1 = (ty + 1) * scale;
            double sum[4] = {0, 0, 0, 0};  // alpha-weighted r, g, b; alpha
            for (int sy = int(y0); sy < std::min(source.size, int(std::ceil(y1))); ++sy) {
                const double h = std::min(y1, sy + 1.0) - std::max(y0, double(sy));
                for (int sx = int(x0); sx < std::min(source.size, int(std::ceil(x1))); ++sx) {
                    const double w = (std::min(x1, sx + 1.0) - std::max(x0, double(sx))) * h;
                    const std::uint32_t p = source.pixels[std::size_t(sy) * source.size + sx];
                    const double a = alphaOf(p) / 255.0 * w;
                    sum[0] += ((p >> 16) & 0xFF) * a;
                    sum[1] += ((p >> 8) & 0xFF) * a;
                    sum[2] += (p & 0xFF) * a;
                    sum[3] += a;
                }
            }
            const double area = scale * scale;
            const auto channel = [](double v) { return std::uint32_t(std::clamp(std::lround(v), 0L, 255L)); };
            const std::uint32_t alpha = channel(sum[3] / area * 255.0);
            if (alpha == 0) continue;
            out.pixels[std::size_t(ty) * size + tx] = alpha << 24 | channel(sum[0] / sum[3]) << 16 |
                                                      channel(sum[1] / sum[3]) << 8 | channel(sum[2] / sum[3]);
        }
    }
    return out;
}

}  // namespace

IconPicture iconFromCanvas(const Canvas& picture, Rgb key) {
    const int size = std::max(picture.width, picture.height);
    IconPicture icon{size, std::vector<std::uint32_t>(std::size_t(size) * size, 0)};
    const int ox = (size - picture.width) / 2, oy = (size - picture.height) / 2;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const Rgb p = picture.at(x, y) & 0xFFFFFF;
            if (p != key) icon.pixels[std::size_t(y + oy) * size + (x + ox)] = 0xFF000000u | p;
        }
    }
    return icon;
}

IconPicture scaleIcon(const IconPicture& source, int size) {
    if (source.size <= 0 || size <= 0) return IconPicture{};
    const int whole = size / source.size;
    if (whole >= 1 && whole * source.size >= kSharpShare * size) return enlargeCentred(source, whole, size);
    const int up = (size + source.size - 1) / source.size;
    return averageDown(enlargeCentred(source, up, source.size * up), size);
}

IconPicture gameIcon(ArtRenderer& art) { return iconFromCanvas(art.render(kWizard).canvas, kKeyRgb); }

IconPicture editorIcon(ArtRenderer& art) {
    Canvas cell = art.render(kFloor).canvas;
    const Canvas wizard = art.render(kWizard).canvas;
    for (int y = 0; y < std::min(cell.height, wizard.height); ++y) {
        for (int x = 0; x < std::min(cell.width, wizard.width); ++x) {
            if ((wizard.at(x, y) & 0xFFFFFF) != kKeyRgb) cell.at(x, y) = wizard.at(x, y);
        }
    }
    for (int i = 0; i < cell.width; ++i) cell.at(i, 0) = cell.at(i, cell.height - 1) = kFrameRgb;
    for (int i = 0; i < cell.height; ++i) cell.at(0, i) = cell.at(cell.width - 1, i) = kFrameRgb;
    return iconFromCanvas(cell, kKeyRgb);
}

void writeIconPng(const IconPicture& icon, const std::string& path) {
    if (icon.size <= 0 || icon.pixels.size() != std::size_t(icon.size) * std::size_t(icon.size) ||
        !imagefile::writePng(Canvas::copyOf(icon.size, icon.size, icon.pixels.data()), path, imagefile::Alpha::Keep))
        throw ArtError(path + ": cannot be written");
}

}  // namespace zlart
