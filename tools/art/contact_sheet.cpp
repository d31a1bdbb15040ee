// contact_sheet.cpp — the contact sheet and the mock game screen.
#include "tools/art/contact_sheet.h"

#include "tools/art/art_error.h"
#include "tools/art/text_source.h"
#include "tools/art/tiny_font.h"

#include <algorithm>
#include <map>
#include <set>
#include <sstream>

namespace zlart {

namespace {

constexpr Rgb kSheetBack = 0x1C1B24;
constexpr Rgb kGroupBack = 0x272533;
constexpr Rgb kFrameGrey = 0x55536A;
constexpr Rgb kLabel = 0xD8D4E6;
constexpr Rgb kTitle = 0xF0C850;
constexpr int kSheetWidth = 1100;
constexpr int kPad = 6;

struct Section {
    std::string title;
    std::vector<std::vector<std::string>> groups;  // each group one row of pictures
};

std::vector<Section> readLayout(const std::string& path, bool& listAll) {
    std::vector<Section> sections;
    listAll = true;
    forEachCommand(readTextFile(path), path, [&](const std::vector<std::string>& w, int lineNo) {
        if (w[0] == "only" && w.size() == 1) {
            listAll = false;  // a partial sheet: leave out the pictures not named
        } else if (w[0] == "section" && w.size() == 2) {
            sections.push_back({w[1], {}});
        } else if ((w[0] == "pair" || w[0] == "group") && w.size() >= 2) {
            if (sections.empty()) failAt(path, lineNo, "a group before the first section");
            sections.back().groups.emplace_back(w.begin() + 1, w.end());
        } else {
            failAt(path, lineNo, "expected: section \"title\" | pair <a> <b> | group <a> ... | only");
        }
    });
    return sections;
}

void blit(Layer& target, const Canvas& c, int x, int y) {
    for (int j = 0; j < c.height; ++j)
        for (int i = 0; i < c.width; ++i) target.put(x + i, y + j, c.at(i, j));
}

Canvas flatten(const Layer& l, Rgb back) {
    Canvas c(l.width, l.height, back);
    for (int y = 0; y < l.height; ++y)
        for (int x = 0; x < l.width; ++x)
            if (l.isDrawn(x, y)) c.at(x, y) = l.get(x, y);
    return c;
}

}  // namespace

Canvas enlarge(const Canvas& c, int factor) {
    Canvas out(c.width * factor, c.height * factor, 0);
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x) out.at(x, y) = c.at(x / factor, y / factor);
    return out;
}

Canvas composeContactSheet(const ArtSources& art, ArtRenderer& renderer, const std::string& layoutPath) {
    bool listAll = true;
    std::vector<Section> sections = readLayout(layoutPath, listAll);
    std::set<std::string> named;
    for (const Section& s : sections)
        for (const auto& g : s.groups)
            for (const std::string& n : g) {
                if (!renderer.hasPicture(n)) throw ArtError(layoutPath + ": no picture named '" + n + "'");
                named.insert(n);
            }
    Section rest{"Weitere", {}};
    for (const PictureDef& d : art.pictures)
        if (d.kind != PictureKind::Part && !named.count(d.name)) rest.groups.push_back({d.name});
    if (listAll && !rest.groups.empty()) sections.push_back(rest);

    std::map<std::string, Canvas> canvases;
    for (const Section& s : sections)
        for (const auto& g : s.groups)
            for (const std::string& n : g)
                if (!canvases.count(n)) canvases[n] = renderer.render(n).canvas;

    auto cellWidth = [&](const std::string& n) { return std::max(canvases[n].width, tinyTextWidth(n)); };
    auto groupSize = [&](const std::vector<std::string>& g) {
        int w = 0, h = 0;
        for (const std::string& n : g) {
            w += cellWidth(n) + kPad;
            h = std::max(h, canvases[n].height);
        }
        return std::pair<int, int>(w + kPad, h + kGlyphHeight + 3 * kPad);
    };

    // Two passes: the first measures, the second draws.
    Layer sheet(kSheetWidth, 1);
    int height = 0, width = 0;
    for (int pass = 0; pass < 2; ++pass) {
        int y = kPad;
        if (pass == 1) {
            sheet = Layer(width, height);
            fillBox(sheet, 0, 0, width, height, kSheetBack);
        }
        for (const Section& s : sections) {
            if (pass == 1) drawTinyText(sheet, kPad, y + 2, s.title, kTitle, 2);
            width = std::max(width, 2 * kPad + 2 * tinyTextWidth(s.title));
            y += 2 * kGlyphHeight + 2 * kPad;
            int x = kPad, rowHeight = 0;
            for (const auto& g : s.groups) {
                auto [gw, gh] = groupSize(g);
                if (x + gw > kSheetWidth - kPad && x > kPad) {
                    x = kPad;
                    y += rowHeight + kPad;
                    rowHeight = 0;
                }
                if (pass == 1) {
                    fillBox(sheet, x, y, gw, gh, kGroupBack);
                    int cx = x + kPad;
                    for (const std::string& n : g) {
                        const Canvas& c = canvases[n];
                        int cw = cellWidth(n);
                        int px = cx + (cw - c.width) / 2, py = y + kPad;
                        frameBox(sheet, px - 1, py - 1, c.width + 2, c.height + 2, kFrameGrey);
                        blit(sheet, c, px, py);
                        int ly = y + gh - kPad - kGlyphHeight;
                        drawTinyText(sheet, cx + (cw - tinyTextWidth(n)) / 2, ly, n, kLabel, 1);
                        cx += cw + kPad;
                    }
                }
                x += gw + kPad;
                width = std::max(width, x);
                rowHeight = std::max(rowHeight, gh);
            }
            y += rowHeight + 2 * kPad;
        }
        height = y;
    }
    return flatten(sheet, kSheetBack);
}

Canvas composeScene(ArtRenderer& renderer, const std::string& scenePath) {
    std::istringstream in(readTextFile(scenePath));
    std::map<char, std::string> tiles;
    std::vector<std::string> rows;
    struct Sprite {
        std::string mode, name;
        int col, row, dx, dy;
    };
    std::vector<Sprite> sprites;
    std::string held, status;
    std::string raw;
    int lineNo = 0;
    bool inMap = false;
    while (std::getline(in, raw)) {
        ++lineNo;
        if (inMap) {
            while (!raw.empty() && raw.back() == '\r') raw.pop_back();
            if (raw == "endmap") {
                inMap = false;
                continue;
            }
            if (raw.size() != 20) failAt(scenePath, lineNo, "a map row has 20 cells");
            rows.push_back(raw);
            continue;
        }
        std::vector<std::string> w = splitWords(raw, scenePath, lineNo);
        if (w.empty()) continue;
        if (w[0] == "tile" && w.size() == 3 && w[1].size() == 1) {
            tiles[w[1][0]] = w[2];
        } else if (w[0] == "map" && w.size() == 1) {
            inMap = true;
        } else if (w[0] == "sprite" && (w.size() == 5 || w.size() == 7)) {
            Sprite s{w[1], w[2], toInt(w[3], scenePath, lineNo), toInt(w[4], scenePath, lineNo), 0, 0};
            if (w.size() == 7) {
                s.dx = toInt(w[5], scenePath, lineNo);
                s.dy = toInt(w[6], scenePath, lineNo);
            }
            if (s.mode != "key" && s.mode != "xor" && s.mode != "opaque")
                failAt(scenePath, lineNo, "mode: key, xor or opaque");
            sprites.push_back(s);
        } else if (w[0] == "held" && w.size() == 2) {
            held = w[1];
        } else if (w[0] == "status" && w.size() == 2) {
            status = w[1];
        } else {
            failAt(scenePath, lineNo, "expected tile, map, sprite, held or status");
        }
    }
    if (rows.size() != 14) throw ArtError(scenePath + ": the map needs 14 rows");
    Canvas screen(800, 600, 0);
    auto draw = [&](const Canvas& c, int x, int y, const std::string& mode) {
        for (int j = 0; j < c.height; ++j)
            for (int i = 0; i < c.width; ++i) {
                int sx = x + i, sy = y + j;
                if (sx < 0 || sy < 0 || sx >= 800 || sy >= 600) continue;
                Rgb p = c.at(i, j);
                if (mode == "key" && p == kKeyRgb) continue;
                screen.at(sx, sy) = mode == "xor" ? (screen.at(sx, sy) ^ p) : p;
            }
    };
    for (int r = 0; r < 14; ++r)
        for (int col = 0; col < 20; ++col) {
            auto t = tiles.find(rows[std::size_t(r)][std::size_t(col)]);
            if (t == tiles.end())
                throw ArtError(scenePath + ": no tile for '" + rows[std::size_t(r)][std::size_t(col)] + "'");
            draw(renderer.render(t->second).canvas, col * 40, r * 40, "opaque");
        }
    for (const Sprite& s : sprites)
        draw(renderer.render(s.name).canvas, (s.col - 1) * 40 + s.dx, (s.row - 1) * 40 + s.dy, s.mode);
    Layer band(800, 600);
    drawTinyText(band, 0, 570, status, 0xFFFFFF, 1);
    if (!held.empty()) blit(band, renderer.render(held).canvas, 760, 560);
    frameBox(band, 760, 560, 40, 40, 0xFFFFFF);
    for (int y = 560; y < 600; ++y)
        for (int x = 0; x < 800; ++x)
            if (band.isDrawn(x, y)) screen.at(x, y) = band.get(x, y);
    return screen;
}

}  // namespace zlart
