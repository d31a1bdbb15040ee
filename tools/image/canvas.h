// canvas.h — a finished picture as the tools hold it before writing it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace imagefile {

using Rgb = std::uint32_t;  // 0x00RRGGBB; the top byte is alpha where a writer keeps it

// width x height colours, row-major, top row first.
struct Canvas {
    int width = 0;            // pixels per row, > 0 for a picture to write
    int height = 0;           // rows
    std::vector<Rgb> pixels;  // width * height colours

    Canvas() = default;
    Canvas(int w, int h, Rgb fill) : width(w), height(h), pixels(std::size_t(w) * std::size_t(h), fill) {}
    // A canvas holding a copy of width * height colours from `from`, top row first.
    static Canvas copyOf(int w, int h, const Rgb* from) {
        Canvas canvas;
        canvas.width = w;
        canvas.height = h;
        canvas.pixels.assign(from, from + std::size_t(w) * std::size_t(h));
        return canvas;
    }
    Rgb at(int x, int y) const { return pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)]; }
    Rgb& at(int x, int y) { return pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)]; }
};

}  // namespace imagefile
