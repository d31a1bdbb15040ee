// textures.cpp — brick and stone patterns.
#include "tools/art/textures.h"

#include "tools/art/art_error.h"

#include <algorithm>
#include <cmath>
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
    c.x0 = int(std::clamp(o.number("x", 0), -4096.0, 4096.0));
    c.y0 = int(std::clamp(o.number("y", 0), -4096.0, 4096.0));
    c.w = int(std::clamp(o.number("w", l.width), 0.0, 4096.0));
    c.h = int(std::clamp(o.number("h", l.height), 0.0, 4096.0));
    // Only the part on the picture is visited.
    int x1 = std::min(c.x0 + c.w, l.width), y1 = std::min(c.y0 + c.h, l.height);
    c.x0 = std::max(c.x0, 0);
    c.y0 = std::max(c.y0, 0);
    c.w = std::max(0, x1 - c.x0);
    c.h = std::max(0, y1 - c.y0);
    c.joint = int(std::clamp(o.number("joint", 1), 0.0, 64.0));
    c.seed = std::uint32_t(std::clamp(o.number("seed", 1), 0.0, 4294967295.0));
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

int wrap(int v, int n) { return ((v % n) + n) % n; }

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
    double bwIn = o.number("bw", 20), bhIn = o.number("bh", 10), offIn = o.number("offset", std::floor(bwIn / 2));
    if (bwIn < 2 || bhIn < 2 || bwIn > 4096 || bhIn > 4096)
        failAt(o.file, o.line, "bricks must be 2..4096 pixels a side");
    if (std::fabs(offIn) > 4096) failAt(o.file, o.line, "offset is out of range");
    int bw = int(bwIn), bh = int(bhIn), offset = int(offIn);
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
    double minIn = o.number("minw", 8), maxIn = o.number("maxw", 16);
    if (minIn < 3 || maxIn < minIn || maxIn > 4096) failAt(o.file, o.line, "need 3 <= minw <= maxw <= 4096");
    int minw = int(minIn), maxw = int(maxIn);
    std::vector<int> heights;
    {
        std::string list = o.text("rows", "10,10,10,10");
        std::stringstream s(list);
        std::string item;
        while (std::getline(s, item, ',')) heights.push_back(toInt(item, o.file, o.line));
        for (int hgt : heights)
            if (hgt < 3 || hgt > 4096) failAt(o.file, o.line, "course heights must be 3..4096");
        if (heights.size() > 256) failAt(o.file, o.line, "at most 256 courses");
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
