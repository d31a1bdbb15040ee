// textures.cpp — brick and stone patterns.
#include "tools/art/textures.h"

#include "tools/art/art_error.h"

#include <numeric>
#include <sstream>

namespace zlart {

namespace {

struct Common {
    int x0, y0, w, h, joint;
    std::uint32_t seed;
    double chance;
    Rgb mortar;
    std::vector<Rgb> colours;
    bool hasLight = false, hasDark = false, hasSpeck = false;
    Rgb light = 0, dark = 0, speck = 0;
};

Rgb optColour(const Options& o, const Palette& pal, const std::string& key) {
    std::string v = o.text(key, "");
    if (v.size() != 1) failAt(o.file, o.line, key + "= takes one palette character");
    return pal.colour(v[0], o.file, o.line);
}

Common readCommon(const Layer& l, const Options& o, const Palette& pal) {
    Common c;
    c.x0 = int(o.number("x", 0));
    c.y0 = int(o.number("y", 0));
    c.w = int(o.number("w", l.width));
    c.h = int(o.number("h", l.height));
    c.joint = int(o.number("joint", 1));
    c.seed = std::uint32_t(o.number("seed", 1));
    c.chance = o.number("chance", 0.0);
    if (!o.has("mortar") || !o.has("colours")) failAt(o.file, o.line, "mortar= and colours= are needed");
    c.mortar = optColour(o, pal, "mortar");
    for (char ch : o.text("colours", "")) c.colours.push_back(pal.colour(ch, o.file, o.line));
    if (c.colours.empty()) failAt(o.file, o.line, "colours= is empty");
    if ((c.hasLight = o.has("light"))) c.light = optColour(o, pal, "light");
    if ((c.hasDark = o.has("dark"))) c.dark = optColour(o, pal, "dark");
    if ((c.hasSpeck = o.has("speck"))) c.speck = optColour(o, pal, "speck");
    return c;
}

int wrap(int v, int n) {
    return ((v % n) + n) % n;
}

// Colours one pixel of a block (brick or stone) at (bx, by) inside a block of
// bw x bh pixels whose last `joint` columns and rows are mortar.
Rgb blockPixel(const Common& c, int bx, int by, int bw, int bh, std::uint32_t blockKey, int x, int y) {
    int iw = bw - c.joint, ih = bh - c.joint;
    if (bx >= iw || by >= ih) return c.mortar;
    bool edgeX = bx == 0 || bx == iw - 1, edgeY = by == 0 || by == ih - 1;
    if (edgeX && edgeY && iw > 3 && ih > 3) return c.mortar;  // rounded corner
    if (c.hasSpeck && hashUnit(c.seed + 7, std::uint32_t(x), std::uint32_t(y)) < c.chance) return c.speck;
    if (c.hasLight && (by == 0 || (bx == 0 && by < ih - 1))) return c.light;
    if (c.hasDark && (by == ih - 1 || bx == iw - 1)) return c.dark;
    return c.colours[hashMix(c.seed, blockKey, 77) % c.colours.size()];
}

}  // namespace

void drawBricks(Layer& l, const Options& o, const Palette& pal) {
    o.allowOnly({"x", "y", "w", "h", "bw", "bh", "offset", "joint", "mortar", "colours", "light", "dark", "speck",
                 "chance", "seed"});
    Common c = readCommon(l, o, pal);
    int bw = int(o.number("bw", 20)), bh = int(o.number("bh", 10));
    if (bw < 2 || bh < 2) failAt(o.file, o.line, "bricks must be at least 2 x 2");
    int offset = int(o.number("offset", bw / 2));
    int rowsPerCycle = std::max(1, l.height / bh), colsPerCycle = std::max(1, l.width / bw);
    for (int y = c.y0; y < c.y0 + c.h; ++y)
        for (int x = c.x0; x < c.x0 + c.w; ++x) {
            int wy = wrap(y, l.height);
            int row = wy / bh, by = wy % bh;
            int xx = wrap(x - (row % 2) * offset, l.width);
            int col = xx / bw, bx = xx % bw;
            std::uint32_t key = std::uint32_t(row % rowsPerCycle) * 131u + std::uint32_t(col % colsPerCycle);
            l.put(x, y, blockPixel(c, bx, by, bw, bh, key, x, y));
        }
}

void drawStones(Layer& l, const Options& o, const Palette& pal) {
    o.allowOnly({"x", "y", "w", "h", "rows", "minw", "maxw", "joint", "mortar", "colours", "light", "dark", "speck",
                 "chance", "seed"});
    Common c = readCommon(l, o, pal);
    int minw = int(o.number("minw", 8)), maxw = int(o.number("maxw", 16));
    if (minw < 3 || maxw < minw) failAt(o.file, o.line, "need 3 <= minw <= maxw");
    std::vector<int> heights;
    {
        std::string list = o.text("rows", "10,10,10,10");
        std::stringstream s(list);
        std::string item;
        while (std::getline(s, item, ',')) heights.push_back(toInt(item, o.file, o.line));
        for (int hgt : heights)
            if (hgt < 3) failAt(o.file, o.line, "course heights must be at least 3");
        if (heights.empty()) failAt(o.file, o.line, "rows= is empty");
    }
    int total = std::accumulate(heights.begin(), heights.end(), 0);
    int period = l.width;
    // Each course: a starting shift and the stone widths, summing to the period.
    struct Course {
        int top, height, shift;
        std::vector<int> starts;  // cumulative, last = period
    };
    std::vector<Course> courses;
    int top = 0;
    for (std::size_t r = 0; r < heights.size(); ++r) {
        Course cr{top, heights[r], int(hashMix(c.seed, std::uint32_t(r), 5) % std::uint32_t(period)), {0}};
        int sum = 0;
        for (std::uint32_t k = 0; sum < period; ++k) {
            int wdt = minw + int(hashMix(c.seed, std::uint32_t(r), 100 + k) % std::uint32_t(maxw - minw + 1));
            if (period - (sum + wdt) < minw / 2) wdt = period - sum;  // no sliver at the end
            if (sum + wdt > period) wdt = period - sum;
            sum += wdt;
            cr.starts.push_back(sum);
        }
        courses.push_back(cr);
        top += heights[r];
    }
    for (int y = c.y0; y < c.y0 + c.h; ++y)
        for (int x = c.x0; x < c.x0 + c.w; ++x) {
            int wy = wrap(y, total);
            std::size_t r = 0;
            while (r + 1 < courses.size() && wy >= courses[r].top + courses[r].height) ++r;
            const Course& cr = courses[r];
            int xx = wrap(x - cr.shift, period);
            std::size_t k = 0;
            while (k + 2 < cr.starts.size() && xx >= cr.starts[k + 1]) ++k;
            int bx = xx - cr.starts[k], bw = cr.starts[k + 1] - cr.starts[k];
            std::uint32_t key = std::uint32_t(r) * 131u + std::uint32_t(k);
            l.put(x, y, blockPixel(c, bx, wy - cr.top, bw, cr.height, key, x, y));
        }
}

}  // namespace zlart
