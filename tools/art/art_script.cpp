// art_script.cpp — reading art sources and rendering their pictures.
#include "tools/art/art_script.h"

#include "tools/art/art_error.h"
#include "tools/art/text_source.h"
#include "tools/art/textures.h"
#include "tools/art/tiny_font.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <sstream>

namespace zlart {

namespace fs = std::filesystem;

Rgb backgroundOf(PictureKind kind) {
    return kind == PictureKind::Key ? kKeyRgb : kBlackRgb;
}

namespace {

std::string trimRight(std::string s) {
    while (!s.empty() && (s.back() == '\r' || s.back() == ' ' || s.back() == '\t')) s.pop_back();
    return s;
}

PictureKind kindFromWord(const std::string& w, const std::string& file, int line) {
    if (w == "tile") return PictureKind::Tile;
    if (w == "key") return PictureKind::Key;
    if (w == "xor") return PictureKind::Xor;
    if (w == "part") return PictureKind::Part;
    failAt(file, line, "kind must be tile, key, xor or part, not '" + w + "'");
}

}  // namespace

void parseArtText(const std::string& text, const std::string& fileName, ArtSources& sources) {
    std::istringstream in(text);
    std::string raw;
    int lineNo = 0;
    PictureDef* current = nullptr;
    Command* grid = nullptr;
    Glyph* glyph = nullptr;
    std::set<std::string> known;
    for (const PictureDef& d : sources.pictures) known.insert(d.name);
    while (std::getline(in, raw)) {
        ++lineNo;
        std::string line = trimRight(raw);
        if (grid) {
            if (line.find_first_not_of(" \t") != std::string::npos &&
                line.substr(line.find_first_not_of(" \t")) == "endgrid") {
                grid = nullptr;
                continue;
            }
            grid->rows.push_back(line);
            continue;
        }
        if (glyph) {
            if (line == "endglyph") {
                glyph = nullptr;
                continue;
            }
            glyph->rows.push_back(line);
            continue;
        }
        std::vector<std::string> w = splitWords(line, fileName, lineNo);
        if (w.empty()) continue;
        if (!current) {
            if (w[0] == "picture") {
                if (w.size() != 5) failAt(fileName, lineNo, "expected: picture <name> <width> <height> <kind>");
                if (known.count(w[1])) failAt(fileName, lineNo, "picture '" + w[1] + "' defined twice");
                PictureDef d;
                d.name = w[1];
                d.width = toInt(w[2], fileName, lineNo);
                d.height = toInt(w[3], fileName, lineNo);
                if (d.width < 1 || d.height < 1 || d.width > 1024 || d.height > 1024)
                    failAt(fileName, lineNo, "size must be 1..1024");
                d.kind = kindFromWord(w[4], fileName, lineNo);
                d.file = fileName;
                d.line = lineNo;
                known.insert(d.name);
                sources.pictures.push_back(d);
                current = &sources.pictures.back();
            } else if (w[0] == "glyph") {
                if (w.size() != 3 || w[2].size() != 1) failAt(fileName, lineNo, "expected: glyph <font> <char>");
                glyph = &sources.fonts[w[1]][w[2][0]];
                glyph->rows.clear();
            } else {
                failAt(fileName, lineNo, "expected 'picture' or 'glyph', got '" + w[0] + "'");
            }
            continue;
        }
        if (w[0] == "end" && w.size() == 1) {
            current = nullptr;
            continue;
        }
        Command c;
        c.words = w;
        c.file = fileName;
        c.line = lineNo;
        current->commands.push_back(c);
        if (w[0] == "grid") grid = &current->commands.back();
    }
    if (current) failAt(fileName, current->line, "picture '" + current->name + "' has no 'end'");
    if (grid) failAt(fileName, grid->line, "grid has no 'endgrid'");
    if (glyph) failAt(fileName, lineNo, "glyph has no 'endglyph'");
}

ArtSources readArtSources(const std::string& folder) {
    ArtSources s;
    fs::path dir(folder);
    fs::path palette = dir / "palette.txt";
    s.palette = readPalette(palette.string());
    s.files.push_back(palette.string());
    std::vector<fs::path> arts;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(dir, ec))
        if (e.is_regular_file() && e.path().extension() == ".art") arts.push_back(e.path());
    if (ec) throw ArtError(folder + ": cannot be listed");
    std::sort(arts.begin(), arts.end());
    for (const fs::path& p : arts) {
        parseArtText(readTextFile(p.string()), p.filename().string(), s);
        s.files.push_back(p.string());
    }
    return s;
}

// ---- Rendering ----------------------------------------------------------------

struct ArtRenderer::Impl {
    const ArtSources& src;
    std::map<std::string, const PictureDef*> defs;
    std::map<std::string, Layer> done;
    std::set<std::string> busy;

    explicit Impl(const ArtSources& s) : src(s) {
        for (const PictureDef& d : s.pictures) defs[d.name] = &d;
    }

    const Layer& layerOf(const std::string& name, const Command& from) {
        auto it = done.find(name);
        if (it != done.end()) return it->second;
        auto d = defs.find(name);
        if (d == defs.end()) failAt(from.file, from.line, "no picture named '" + name + "'");
        if (busy.count(name)) failAt(from.file, from.line, "picture '" + name + "' refers to itself");
        busy.insert(name);
        Layer l = run(*d->second);
        busy.erase(name);
        return done.emplace(name, std::move(l)).first->second;
    }

    Layer run(const PictureDef& def);
    void execute(const PictureDef& def, const Command& c, std::vector<Layer>& stack);
};

namespace {

struct Args {
    const Command& c;
    const Palette& pal;

    std::size_t size() const { return c.words.size(); }
    void need(std::size_t n, const char* usage) const {
        if (c.words.size() != n) failAt(c.file, c.line, std::string("expected: ") + usage);
    }
    void atLeast(std::size_t n, const char* usage) const {
        if (c.words.size() < n) failAt(c.file, c.line, std::string("expected: ") + usage);
    }
    // Coordinates and sizes are bounded so that no source can make a
    // command loop for ages or overflow; drawing is clipped to the picture.
    int i(std::size_t k) const {
        int v = toInt(c.words[k], c.file, c.line);
        if (v < -kLimit || v > kLimit) failAt(c.file, c.line, "'" + c.words[k] + "' is out of range");
        return v;
    }
    double d(std::size_t k) const {
        double v = toNumber(c.words[k], c.file, c.line);
        if (v < -kLimit || v > kLimit) failAt(c.file, c.line, "'" + c.words[k] + "' is out of range");
        return v;
    }
    static constexpr int kLimit = 4096;
    Rgb col(std::size_t k) const {
        const std::string& w = c.words[k];
        if (w.size() != 1) failAt(c.file, c.line, "a colour is one palette character, not '" + w + "'");
        return pal.colour(w[0], c.file, c.line);
    }
    std::vector<double> numbers(std::size_t from) const {
        std::vector<double> v;
        for (std::size_t k = from; k < c.words.size(); ++k) v.push_back(d(k));
        return v;
    }
};

// Narrows a rectangle to the part that lies on the layer.
void clipRegion(const Layer& l, int& x, int& y, int& w, int& h) {
    int x1 = std::min(x + w, l.width), y1 = std::min(y + h, l.height);
    x = std::max(x, 0);
    y = std::max(y, 0);
    w = std::max(0, x1 - x);
    h = std::max(0, y1 - y);
}

void pasteLayer(Layer& target, const Layer& source, int x, int y, bool skipKey) {
    for (int j = 0; j < source.height; ++j)
        for (int i = 0; i < source.width; ++i)
            if (source.isDrawn(i, j) && !(skipKey && source.get(i, j) == kKeyRgb)) target.put(x + i, y + j, source.get(i, j));
}

}  // namespace

void ArtRenderer::Impl::execute(const PictureDef& def, const Command& c, std::vector<Layer>& stack) {
    Args a{c, src.palette};
    Layer& l = stack.back();
    const std::string& op = c.words[0];
    if (op == "fill") {
        a.need(2, "fill <c>");
        fillBox(l, 0, 0, l.width, l.height, a.col(1));
    } else if (op == "box") {
        a.need(6, "box <x> <y> <w> <h> <c>");
        fillBox(l, a.i(1), a.i(2), a.i(3), a.i(4), a.col(5));
    } else if (op == "frame") {
        a.need(6, "frame <x> <y> <w> <h> <c>");
        frameBox(l, a.i(1), a.i(2), a.i(3), a.i(4), a.col(5));
    } else if (op == "pixels") {
        a.atLeast(4, "pixels <c> <x> <y> ...");
        if (a.size() % 2 != 0) failAt(c.file, c.line, "pixels needs pairs of coordinates");
        Rgb col = a.col(1);
        for (std::size_t k = 2; k + 1 < a.size(); k += 2) l.put(a.i(k), a.i(k + 1), col);
    } else if (op == "line") {
        a.need(6, "line <x0> <y0> <x1> <y1> <c>");
        drawLine(l, a.i(1), a.i(2), a.i(3), a.i(4), a.col(5));
    } else if (op == "lines") {
        a.atLeast(6, "lines <c> <x> <y> <x> <y> ...");
        if (a.size() % 2 != 0) failAt(c.file, c.line, "lines needs pairs of coordinates");
        Rgb col = a.col(1);
        for (std::size_t k = 2; k + 3 < a.size(); k += 2) drawLine(l, a.i(k), a.i(k + 1), a.i(k + 2), a.i(k + 3), col);
    } else if (op == "disc") {
        a.need(5, "disc <cx> <cy> <r> <c>");
        fillEllipse(l, a.d(1), a.d(2), a.d(3), a.d(3), a.col(4));
    } else if (op == "ellipse") {
        a.need(6, "ellipse <cx> <cy> <rx> <ry> <c>");
        fillEllipse(l, a.d(1), a.d(2), a.d(3), a.d(4), a.col(5));
    } else if (op == "ring") {
        a.need(5, "ring <cx> <cy> <r> <c>");
        ringCircle(l, a.d(1), a.d(2), a.d(3), a.col(4));
    } else if (op == "poly") {
        a.atLeast(8, "poly <c> <x> <y> <x> <y> <x> <y> ...");
        if (a.size() % 2 != 0) failAt(c.file, c.line, "poly needs pairs of coordinates");
        fillPolygon(l, a.numbers(2), a.col(1));
    } else if (op == "curve") {
        a.atLeast(5, "curve <c> <width> <x> <y> ...");
        if (a.size() % 2 != 1) failAt(c.file, c.line, "curve needs pairs of coordinates");
        if (a.d(2) > 64) failAt(c.file, c.line, "curve width is at most 64");
        strokeCurve(l, a.numbers(3), a.d(2), a.col(1));
    } else if (op == "grid") {
        if (a.size() != 3 && a.size() != 4) failAt(c.file, c.line, "expected: grid <x> <y> [scale]");
        int gx = a.i(1), gy = a.i(2), s = a.size() == 4 ? a.i(3) : 1;
        if (c.rows.size() > 4096) failAt(c.file, c.line, "grid has too many rows");
        if (s < 1 || s > 16) failAt(c.file, c.line, "grid scale must be 1..16");
        for (std::size_t r = 0; r < c.rows.size(); ++r)
            for (std::size_t k = 0; k < c.rows[r].size(); ++k) {
                char ch = c.rows[r][k];
                if (ch == '.' || ch == ' ') continue;
                Rgb col = src.palette.colour(ch, c.file, c.line + 1 + int(r));
                fillBox(l, gx + int(k) * s, gy + int(r) * s, s, s, col);
            }
    } else if (op == "text") {
        if (a.size() != 5 && a.size() != 6) failAt(c.file, c.line, "expected: text <x> <y> <c> \"text\" [scale]");
        drawTinyText(l, a.i(1), a.i(2), c.words[4], a.col(3), a.size() == 6 ? std::max(1, a.i(5)) : 1);
    } else if (op == "write") {
        if (a.size() != 6 && a.size() != 7) failAt(c.file, c.line, "expected: write <font> <x> <y> <c> \"text\" [spacing]");
        auto f = src.fonts.find(c.words[1]);
        if (f == src.fonts.end()) failAt(c.file, c.line, "no font named '" + c.words[1] + "'");
        int x = a.i(2), y = a.i(3), spacing = a.size() == 7 ? a.i(6) : 1;
        Rgb col = a.col(4);
        for (char ch : c.words[5]) {
            auto g = f->second.find(ch);
            if (g == f->second.end()) {
                if (ch == ' ') {
                    x += 6;
                    continue;
                }
                failAt(c.file, c.line, std::string("font has no glyph '") + ch + "'");
            }
            int width = 0;
            for (std::size_t r = 0; r < g->second.rows.size(); ++r) {
                const std::string& row = g->second.rows[r];
                width = std::max(width, int(row.size()));
                for (std::size_t k = 0; k < row.size(); ++k)
                    if (row[k] != '.' && row[k] != ' ') l.put(x + int(k), y + int(r), col);
            }
            x += width + spacing;
        }
    } else if (op == "layer") {
        a.need(1, "layer");
        stack.emplace_back(def.width, def.height);
    } else if (op == "merge") {
        if (stack.size() < 2) failAt(c.file, c.line, "merge without layer");
        Options o = parseOptions(c.words, 1, c.file, c.line);
        o.allowOnly({"outline", "outline8", "shadow", "dx", "dy"});
        auto colourOpt = [&](const std::string& key) {
            std::string v = o.text(key, "");
            if (v.size() != 1) failAt(c.file, c.line, key + " takes one palette character");
            return src.palette.colour(v[0], c.file, c.line);
        };
        bool sh = o.has("shadow"), ol = o.has("outline") || o.has("outline8");
        Rgb shc = sh ? colourOpt("shadow") : 0;
        Rgb olc = o.has("outline") ? colourOpt("outline") : o.has("outline8") ? colourOpt("outline8") : 0;
        Layer top = std::move(stack.back());
        stack.pop_back();
        compositeLayer(stack.back(), top, sh, shc, int(o.number("dx", 1)), int(o.number("dy", 1)), ol, olc,
                       o.has("outline8"));
    } else if (op == "outline" || op == "outline8") {
        a.need(2, "outline <c>");
        outlineLayer(l, a.col(1), op == "outline8");
    } else if (op == "bands" || op == "hbands") {
        a.atLeast(4, "bands <from> <to> <c> [<c> ...]");
        int from = a.i(1), to = a.i(2);
        if (to < from) failAt(c.file, c.line, "bands: <to> must not be below <from>");
        std::vector<Rgb> cols;
        for (std::size_t k = 3; k < a.size(); ++k) cols.push_back(a.col(k));
        int span = to - from + 1;
        for (int y = 0; y < l.height; ++y)
            for (int x = 0; x < l.width; ++x) {
                int v = op == "bands" ? y : x;
                if (v < from || v > to || !l.isDrawn(x, y)) continue;
                l.put(x, y, cols[std::size_t((v - from) * int(cols.size()) / span)]);
            }
    } else if (op == "replace") {
        a.atLeast(3, "replace <from> <to> [<from> <to> ...]");
        if (a.size() % 2 != 1) failAt(c.file, c.line, "replace needs pairs of colours");
        std::vector<std::pair<Rgb, Rgb>> pairs;
        for (std::size_t k = 1; k + 1 < a.size(); k += 2) pairs.emplace_back(a.col(k), a.col(k + 1));
        for (int y = 0; y < l.height; ++y)
            for (int x = 0; x < l.width; ++x) {
                if (!l.isDrawn(x, y)) continue;
                Rgb v = l.get(x, y);
                for (auto [f, t] : pairs)
                    if (v == f) {
                        l.put(x, y, t);
                        break;
                    }
            }
    } else if (op == "copy") {
        a.need(2, "copy <picture>");
        const Layer& s = layerOf(c.words[1], c);
        if (s.width != l.width || s.height != l.height)
            failAt(c.file, c.line, "copy needs a picture of the same size; use paste or scale");
        l = s;
    } else if (op == "paste") {
        a.need(4, "paste <picture> <x> <y>");
        const Layer& s = layerOf(c.words[1], c);
        pasteLayer(l, s, a.i(2), a.i(3), true);
    } else if (op == "scale") {
        a.need(2, "scale <picture>");
        const Layer& s = layerOf(c.words[1], c);
        Canvas flat(s.width, s.height, kKeyRgb);
        for (int y = 0; y < s.height; ++y)
            for (int x = 0; x < s.width; ++x)
                if (s.isDrawn(x, y)) flat.at(x, y) = s.get(x, y);
        Canvas small = modeDownscale(flat, l.width, l.height, kKeyRgb, 0.55);
        for (int y = 0; y < l.height; ++y)
            for (int x = 0; x < l.width; ++x)
                if (small.at(x, y) != kKeyRgb) l.put(x, y, small.at(x, y));
    } else if (op == "mirror") {
        a.need(1, "mirror");
        mirrorLayer(l);
    } else if (op == "flip") {
        a.need(1, "flip");
        flipLayer(l);
    } else if (op == "turn") {
        a.need(1, "turn");
        if (l.width != l.height) failAt(c.file, c.line, "turn needs a square picture");
        turnLayer(l);
    } else if (op == "shift") {
        a.need(3, "shift <dx> <dy>");
        shiftLayer(l, a.i(1), a.i(2));
    } else if (op == "keep" || op == "cut") {
        a.atLeast(7, "keep|cut <x> <y> <x> <y> <x> <y> ...");
        if (a.size() % 2 != 1) failAt(c.file, c.line, "keep and cut need pairs of coordinates");
        Layer inside(l.width, l.height);
        fillPolygon(inside, a.numbers(1), 1);
        bool keep = op == "keep";
        for (int y = 0; y < l.height; ++y)
            for (int x = 0; x < l.width; ++x)
                if (inside.isDrawn(x, y) != keep) l.erase(x, y);
    } else if (op == "erase") {
        a.need(5, "erase <x> <y> <w> <h>");
        int x0 = a.i(1), y0 = a.i(2), w = a.i(3), h = a.i(4);
        clipRegion(l, x0, y0, w, h);
        for (int y = y0; y < y0 + h; ++y)
            for (int x = x0; x < x0 + w; ++x) l.erase(x, y);
    } else if (op == "speckle") {
        if (a.size() != 4 && a.size() != 8) failAt(c.file, c.line, "expected: speckle <c> <chance> <seed> [<x> <y> <w> <h>]");
        Rgb col = a.col(1);
        double chance = a.d(2);
        std::uint32_t seed = std::uint32_t(a.i(3));
        int x0 = 0, y0 = 0, w = l.width, h = l.height;
        if (a.size() == 8) {
            x0 = a.i(4);
            y0 = a.i(5);
            w = a.i(6);
            h = a.i(7);
        }
        clipRegion(l, x0, y0, w, h);
        for (int y = y0; y < y0 + h; ++y)
            for (int x = x0; x < x0 + w; ++x)
                if (hashUnit(seed, std::uint32_t(x), std::uint32_t(y)) < chance) l.put(x, y, col);
    } else if (op == "stain") {
        a.need(4, "stain <c> <chance> <seed>");
        Rgb col = a.col(1);
        double chance = a.d(2);
        std::uint32_t seed = std::uint32_t(a.i(3));
        for (int y = 0; y < l.height; ++y)
            for (int x = 0; x < l.width; ++x)
                if (l.isDrawn(x, y) && hashUnit(seed, std::uint32_t(x), std::uint32_t(y)) < chance) l.put(x, y, col);
    } else if (op == "noise") {
        a.need(7, "noise <seed> <x> <y> <w> <h> <colours>");
        const std::string& chars = c.words[6];
        std::vector<Rgb> cols;
        for (char ch : chars) cols.push_back(src.palette.colour(ch, c.file, c.line));
        if (cols.empty()) failAt(c.file, c.line, "noise needs at least one colour");
        std::uint32_t seed = std::uint32_t(a.i(1));
        int x0 = a.i(2), y0 = a.i(3), w = a.i(4), h = a.i(5);
        clipRegion(l, x0, y0, w, h);
        for (int y = y0; y < y0 + h; ++y)
            for (int x = x0; x < x0 + w; ++x)
                l.put(x, y, cols[hashMix(seed, std::uint32_t(x), std::uint32_t(y)) % cols.size()]);
    } else if (op == "dither") {
        if (a.size() != 6 && a.size() != 7) failAt(c.file, c.line, "expected: dither <x> <y> <w> <h> <c> [phase]");
        int phase = a.size() == 7 ? a.i(6) : 0;
        Rgb col = a.col(5);
        int x0 = a.i(1), y0 = a.i(2), w = a.i(3), h = a.i(4);
        clipRegion(l, x0, y0, w, h);
        for (int y = y0; y < y0 + h; ++y)
            for (int x = x0; x < x0 + w; ++x)
                if (((x + y + phase) & 1) == 0) l.put(x, y, col);
    } else if (op == "bricks") {
        drawBricks(l, parseOptions(c.words, 1, c.file, c.line), src.palette);
    } else if (op == "stones") {
        drawStones(l, parseOptions(c.words, 1, c.file, c.line), src.palette);
    } else {
        failAt(c.file, c.line, "unknown command '" + op + "'");
    }
}

Layer ArtRenderer::Impl::run(const PictureDef& def) {
    std::vector<Layer> stack;
    stack.emplace_back(def.width, def.height);
    for (const Command& c : def.commands) execute(def, c, stack);
    if (stack.size() != 1) failAt(def.file, def.line, "picture '" + def.name + "' leaves a layer unmerged");
    Layer result = std::move(stack.front());
    if (def.kind == PictureKind::Tile || def.kind == PictureKind::Xor)
        for (int y = 0; y < result.height; ++y)
            for (int x = 0; x < result.width; ++x)
                if (result.isDrawn(x, y) && result.get(x, y) == kKeyRgb)
                    failAt(def.file, def.line,
                           "picture '" + def.name + "' holds the transparent colour at " + std::to_string(x) + "," +
                               std::to_string(y) + "; only key pictures may");
    return result;
}

ArtRenderer::ArtRenderer(const ArtSources& sources) : impl_(std::make_unique<Impl>(sources)) {}
ArtRenderer::~ArtRenderer() = default;

bool ArtRenderer::hasPicture(const std::string& name) const {
    return impl_->defs.count(name) != 0;
}

RenderedPicture ArtRenderer::render(const std::string& name) {
    auto d = impl_->defs.find(name);
    if (d == impl_->defs.end()) throw ArtError("no picture named '" + name + "'");
    Command origin;
    origin.file = d->second->file;
    origin.line = d->second->line;
    const Layer& l = impl_->layerOf(name, origin);
    RenderedPicture r;
    r.name = name;
    r.kind = d->second->kind;
    r.canvas = Canvas(l.width, l.height, backgroundOf(r.kind));
    for (int y = 0; y < l.height; ++y)
        for (int x = 0; x < l.width; ++x)
            if (l.isDrawn(x, y)) r.canvas.at(x, y) = l.get(x, y);
    return r;
}

std::vector<RenderedPicture> ArtRenderer::renderAll() {
    std::vector<RenderedPicture> out;
    for (const PictureDef& d : impl_->src.pictures)
        if (d.kind != PictureKind::Part) out.push_back(render(d.name));
    return out;
}

}  // namespace zlart
