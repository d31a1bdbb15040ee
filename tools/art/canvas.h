// canvas.h — the pixel surfaces the art generator draws on.
//
// A Layer is a rectangle of 0x00RRGGBB colours with a mask that says which
// pixels have been drawn. Pictures are built on a stack of layers; a finished
// picture is a plain Canvas whose unset pixels hold its background colour.
#pragma once

#include "tools/image/canvas.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zlart {

using imagefile::Canvas;  // a finished picture
using imagefile::Rgb;     // 0x00RRGGBB

constexpr Rgb kKeyRgb = 0xFF00FF;  // transparent colour of the wizard pictures
constexpr Rgb kBlackRgb = 0x000000;

// A drawing layer: colours plus a drawn-mask. Every write is clipped.
struct Layer {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;
    std::vector<std::uint8_t> drawn;

    Layer(int w, int h) : width(w), height(h), pixels(std::size_t(w) * h, 0), drawn(std::size_t(w) * h, 0) {}
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    bool isDrawn(int x, int y) const { return inside(x, y) && drawn[std::size_t(y) * width + x] != 0; }
    Rgb get(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
    void put(int x, int y, Rgb c) {
        if (!inside(x, y)) return;
        std::size_t i = std::size_t(y) * width + x;
        pixels[i] = c;
        drawn[i] = 1;
    }
    void erase(int x, int y) {
        if (inside(x, y)) drawn[std::size_t(y) * width + x] = 0;
    }
};

// ---- Shapes (all clipped to the layer) ----
void fillBox(Layer& l, int x, int y, int w, int h, Rgb c);
void frameBox(Layer& l, int x, int y, int w, int h, Rgb c);
void drawLine(Layer& l, int x0, int y0, int x1, int y1, Rgb c);
// Filled circle or ellipse around a centre that may lie on a half pixel.
void fillEllipse(Layer& l, double cx, double cy, double rx, double ry, Rgb c);
void ringCircle(Layer& l, double cx, double cy, double r, Rgb c);
// Filled polygon; a pixel is inside when its centre is (even-odd rule).
void fillPolygon(Layer& l, const std::vector<double>& xy, Rgb c);
// A smooth stroke through the points (Catmull-Rom), drawn with a round pen.
void strokeCurve(Layer& l, const std::vector<double>& xy, double width, Rgb c);

// ---- Whole-layer operations ----
void mirrorLayer(Layer& l);
void flipLayer(Layer& l);
void shiftLayer(Layer& l, int dx, int dy);  // wraps around
// Turns a square layer a quarter turn clockwise.
void turnLayer(Layer& l);
// Paints c on every undrawn pixel that touches a drawn one (4 or 8 neighbours).
void outlineLayer(Layer& l, Rgb c, bool eightNeighbours);
// Draws `top` over `below`: first its shadow, then its outline, then itself.
void compositeLayer(Layer& below, const Layer& top, bool withShadow, Rgb shadow, int sdx, int sdy, bool withOutline,
                    Rgb outline, bool outline8);

// Deterministic hash for textures and noise: same inputs, same value, on
// every machine.
std::uint32_t hashMix(std::uint32_t a, std::uint32_t b, std::uint32_t c);
// Uniform in [0, 1) from the same hash.
double hashUnit(std::uint32_t a, std::uint32_t b, std::uint32_t c);

// Downscales by taking, for every target pixel, the most frequent colour of
// its source box; the key colour wins only where it covers more than
// `keyShare` of the box. No colour is ever blended, so keyed pixels stay pure.
Canvas modeDownscale(const Canvas& src, int width, int height, Rgb key, double keyShare);

}  // namespace zlart
