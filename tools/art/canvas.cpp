// canvas.cpp — shapes and layer operations of the art generator.
#include "tools/art/canvas.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace zlart {

void fillBox(Layer& l, int x, int y, int w, int h, Rgb c) {
    int x0 = std::max(x, 0), x1 = std::min(x + w, l.width), y0 = std::max(y, 0), y1 = std::min(y + h, l.height);
    for (int j = y0; j < y1; ++j)
        for (int i = x0; i < x1; ++i) l.put(i, j, c);
}

void frameBox(Layer& l, int x, int y, int w, int h, Rgb c) {
    if (w <= 0 || h <= 0) return;
    for (int i = x; i < x + w; ++i) {
        l.put(i, y, c);
        l.put(i, y + h - 1, c);
    }
    for (int j = y; j < y + h; ++j) {
        l.put(x, j, c);
        l.put(x + w - 1, j, c);
    }
}

void drawLine(Layer& l, int x0, int y0, int x1, int y1, Rgb c) {
    int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        l.put(x0, y0, c);
        if (x0 == x1 && y0 == y1) break;
        int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void fillEllipse(Layer& l, double cx, double cy, double rx, double ry, Rgb c) {
    if (rx <= 0 || ry <= 0) return;
    int x0 = std::max(0, int(std::floor(cx - rx))), x1 = std::min(l.width - 1, int(std::ceil(cx + rx)));
    int y0 = std::max(0, int(std::floor(cy - ry))), y1 = std::min(l.height - 1, int(std::ceil(cy + ry)));
    // A small allowance rounds the outline the way hand-drawn pixel circles are.
    double ex = rx + 0.35, ey = ry + 0.35;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            double u = (x - cx) / ex, v = (y - cy) / ey;
            if (u * u + v * v <= 1.0) l.put(x, y, c);
        }
}

void ringCircle(Layer& l, double cx, double cy, double r, Rgb c) {
    int x0 = std::max(0, int(std::floor(cx - r - 1))), x1 = std::min(l.width - 1, int(std::ceil(cx + r + 1)));
    int y0 = std::max(0, int(std::floor(cy - r - 1))), y1 = std::min(l.height - 1, int(std::ceil(cy + r + 1)));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            double d = std::hypot(x - cx, y - cy);
            if (d >= r - 0.5 && d < r + 0.5) l.put(x, y, c);
        }
}

void fillPolygon(Layer& l, const std::vector<double>& xy, Rgb c) {
    std::size_t n = xy.size() / 2;
    if (n < 3) return;
    double ymin = xy[1], ymax = xy[1];
    for (std::size_t i = 0; i < n; ++i) {
        ymin = std::min(ymin, xy[2 * i + 1]);
        ymax = std::max(ymax, xy[2 * i + 1]);
    }
    for (int y = std::max(0, int(std::floor(ymin))); y <= std::min(l.height - 1, int(std::ceil(ymax))); ++y) {
        double py = y + 0.5;
        std::vector<double> xs;
        for (std::size_t i = 0; i < n; ++i) {
            double ax = xy[2 * i], ay = xy[2 * i + 1];
            double bx = xy[2 * ((i + 1) % n)], by = xy[2 * ((i + 1) % n) + 1];
            if ((ay <= py && by > py) || (by <= py && ay > py)) xs.push_back(ax + (py - ay) / (by - ay) * (bx - ax));
        }
        std::sort(xs.begin(), xs.end());
        for (std::size_t k = 0; k + 1 < xs.size(); k += 2) {
            // Pixel x is inside when its centre x + 0.5 lies in [xs[k], xs[k+1]).
            int from = std::max(0, int(std::ceil(xs[k] - 0.5)));
            int to = std::min(l.width - 1, int(std::ceil(xs[k + 1] - 0.5)) - 1);
            for (int x = from; x <= to; ++x) l.put(x, y, c);
        }
    }
}

void strokeCurve(Layer& l, const std::vector<double>& xy, double width, Rgb c) {
    std::size_t n = xy.size() / 2;
    if (n == 0) return;
    auto pt = [&](long i, int k) {
        i = std::clamp(i, 0L, long(n) - 1);
        return xy[2 * std::size_t(i) + k];
    };
    double r = width / 2.0;
    auto stamp = [&](double x, double y) {
        if (width <= 1.0)
            l.put(int(std::floor(x)), int(std::floor(y)), c);
        else
            fillEllipse(l, x, y, r - 0.35, r - 0.35, c);
    };
    if (n == 1) {
        stamp(xy[0], xy[1]);
        return;
    }
    for (std::size_t i = 0; i + 1 < n; ++i) {
        double seg = std::hypot(pt(long(i) + 1, 0) - pt(long(i), 0), pt(long(i) + 1, 1) - pt(long(i), 1));
        int steps = std::max(2, int(seg * 4));
        for (int s = 0; s <= steps; ++s) {
            double t = double(s) / steps, t2 = t * t, t3 = t2 * t;
            double p[2];
            for (int k = 0; k < 2; ++k) {
                double p0 = pt(long(i) - 1, k), p1 = pt(long(i), k), p2 = pt(long(i) + 1, k), p3 = pt(long(i) + 2, k);
                p[k] = 0.5 * (2 * p1 + (-p0 + p2) * t + (2 * p0 - 5 * p1 + 4 * p2 - p3) * t2 +
                              (-p0 + 3 * p1 - 3 * p2 + p3) * t3);
            }
            stamp(p[0], p[1]);
        }
    }
}

void mirrorLayer(Layer& l) {
    for (int y = 0; y < l.height; ++y)
        for (int x = 0; x < l.width / 2; ++x) {
            std::size_t a = std::size_t(y) * l.width + x, b = std::size_t(y) * l.width + (l.width - 1 - x);
            std::swap(l.pixels[a], l.pixels[b]);
            std::swap(l.drawn[a], l.drawn[b]);
        }
}

void flipLayer(Layer& l) {
    for (int y = 0; y < l.height / 2; ++y)
        for (int x = 0; x < l.width; ++x) {
            std::size_t a = std::size_t(y) * l.width + x, b = std::size_t(l.height - 1 - y) * l.width + x;
            std::swap(l.pixels[a], l.pixels[b]);
            std::swap(l.drawn[a], l.drawn[b]);
        }
}

void shiftLayer(Layer& l, int dx, int dy) {
    Layer out(l.width, l.height);
    for (int y = 0; y < l.height; ++y)
        for (int x = 0; x < l.width; ++x) {
            int nx = ((x + dx) % l.width + l.width) % l.width;
            int ny = ((y + dy) % l.height + l.height) % l.height;
            std::size_t from = std::size_t(y) * l.width + x, to = std::size_t(ny) * l.width + nx;
            out.pixels[to] = l.pixels[from];
            out.drawn[to] = l.drawn[from];
        }
    l = std::move(out);
}

void turnLayer(Layer& l) {
    Layer out(l.height, l.width);
    for (int y = 0; y < l.height; ++y)
        for (int x = 0; x < l.width; ++x) {
            // (x, y) goes to (height-1-y, x)
            std::size_t from = std::size_t(y) * l.width + x, to = std::size_t(x) * out.width + (l.height - 1 - y);
            out.pixels[to] = l.pixels[from];
            out.drawn[to] = l.drawn[from];
        }
    l = std::move(out);
}

namespace {
bool touchesDrawn(const Layer& l, int x, int y, bool eight) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            if (dx == 0 && dy == 0) continue;
            if (!eight && dx != 0 && dy != 0) continue;
            if (l.isDrawn(x + dx, y + dy)) return true;
        }
    return false;
}
}  // namespace

void outlineLayer(Layer& l, Rgb c, bool eight) {
    std::vector<std::pair<int, int>> add;
    for (int y = 0; y < l.height; ++y)
        for (int x = 0; x < l.width; ++x)
            if (!l.isDrawn(x, y) && touchesDrawn(l, x, y, eight)) add.emplace_back(x, y);
    for (auto [x, y] : add) l.put(x, y, c);
}

void compositeLayer(Layer& below, const Layer& top, bool withShadow, Rgb shadow, int sdx, int sdy, bool withOutline,
                    Rgb outline, bool outline8) {
    if (withShadow)
        for (int y = 0; y < top.height; ++y)
            for (int x = 0; x < top.width; ++x)
                if (top.isDrawn(x, y)) below.put(x + sdx, y + sdy, shadow);
    if (withOutline)
        for (int y = 0; y < top.height; ++y)
            for (int x = 0; x < top.width; ++x)
                if (!top.isDrawn(x, y) && touchesDrawn(top, x, y, outline8)) below.put(x, y, outline);
    for (int y = 0; y < top.height; ++y)
        for (int x = 0; x < top.width; ++x)
            if (top.isDrawn(x, y)) below.put(x, y, top.get(x, y));
}

std::uint32_t hashMix(std::uint32_t a, std::uint32_t b, std::uint32_t c) {
    std::uint32_t h = 0x9E3779B9u ^ (a * 0x85EBCA6Bu);
    h ^= b + 0x7F4A7C15u + (h << 6) + (h >> 2);
    h *= 0xC2B2AE35u;
    h ^= c + 0x165667B1u + (h << 6) + (h >> 2);
    h ^= h >> 16;
    h *= 0x85EBCA6Bu;
    h ^= h >> 13;
    h *= 0xC2B2AE35u;
    h ^= h >> 16;
    return h;
}

double hashUnit(std::uint32_t a, std::uint32_t b, std::uint32_t c) {
    return (hashMix(a, b, c) >> 8) / double(1u << 24);
}

Canvas modeDownscale(const Canvas& src, int width, int height, Rgb key, double keyShare) {
    Canvas out(width, height, key);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            int sx0 = x * src.width / width, sx1 = std::max(sx0 + 1, (x + 1) * src.width / width);
            int sy0 = y * src.height / height, sy1 = std::max(sy0 + 1, (y + 1) * src.height / height);
            std::map<Rgb, int> counts;
            int total = 0, keyed = 0;
            for (int j = sy0; j < sy1; ++j)
                for (int i = sx0; i < sx1; ++i) {
                    Rgb c = src.at(i, j);
                    ++total;
                    if (c == key)
                        ++keyed;
                    else
                        ++counts[c];
                }
            if (counts.empty() || keyed > keyShare * total) continue;
            Rgb best = counts.begin()->first;
            int bestCount = 0;
            for (auto [c, n] : counts)
                if (n > bestCount) {
                    best = c;
                    bestCount = n;
                }
            out.at(x, y) = best;
        }
    return out;
}

}  // namespace zlart
