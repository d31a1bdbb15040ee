// art_script.cpp — reading art sources and rendering their pictures.
#include "tools/art/art_script.h"

#include "tools/art/art_error.h"
#include "tools/art/text_source.h"
#include "tools/art/textures.h"
#include "tools/art/tiny_font.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <set>
#include <sstream>
#include <string_view>

namespace zlart {

namespace fs = std::filesystem;

Rgb backgroundOf(PictureKind kind) { return kind == PictureKind::Key ? kKeyRgb : kBlackRgb; }

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
    Glyph* glyph = nullptr;
    std::set<std::string> known;
    for (const PictureDef& d : sources.pictures) known.insert(d.name);
    while (std::getline(in, raw)) {
        ++lineNo;
        std::string line = trimRight(raw);
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
    }
    if (current) failAt(fileName, current->line, "picture '" + current->name + "' has no 'end'");
    if (glyph) failAt(fileName, lineNo, "glyph has no 'endglyph'");
}

ArtSources readArtSources(const std::string& folder) {
    ArtSources s;
    fs::path dir(folder);
    fs::path palette = dir / "palette.txt";
    s.palette = readPalette(palette.string());
    s.files.push_back(palette.string());
    for (const fs::path& p : sourceFiles(folder, ".art")) {
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

// What a command's handler works on: the command, the sources, the layer
// stack of its picture, and the other pictures by name.
struct Step {
    const Command& command;
    const ArtSources& sources;
    const PictureDef& picture;
    std::vector<Layer>& stack;
    const std::function<const Layer&(const std::string&)>& pictureNamed;

    Layer& layer() const { return stack.back(); }
    std::size_t words() const { return command.words.size(); }
    [[noreturn]] void fail(const std::string& message) const { failAt(command.file, command.line, message); }

    // Coordinates and sizes are bounded so that no source can make a
    // command loop for ages or overflow; drawing is clipped to the picture.
    static constexpr int kLimit = 4096;
    int integer(std::size_t k) const {
        const int v = toInt(command.words[k], command.file, command.line);
        if (v < -kLimit || v > kLimit) fail("'" + command.words[k] + "' is out of range");
        return v;
    }
    double number(std::size_t k) const {
        const double v = toNumber(command.words[k], command.file, command.line);
        if (v < -kLimit || v > kLimit) fail("'" + command.words[k] + "' is out of range");
        return v;
    }
    Rgb colourOf(char ch) const { return sources.palette.colour(ch, command.file, command.line); }
    Rgb colour(std::size_t k) const {
        const std::string& w = command.words[k];
        if (w.size() != 1) fail("a colour is one palette character, not '" + w + "'");
        return colourOf(w[0]);
    }
    std::vector<double> numbers(std::size_t from) const {
        std::vector<double> v;
        for (std::size_t k = from; k < words(); ++k) v.push_back(number(k));
        return v;
    }
    Options options() const { return parseOptions(command.words, 1, command.file, command.line); }
};

// A rectangle of the layer, narrowed to the part that lies on it.
struct Region {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    Region(const Layer& l, int x0, int y0, int w, int h) {
        const int x1 = std::min(x0 + w, l.width), y1 = std::min(y0 + h, l.height);
        x = std::max(x0, 0);
        y = std::max(y0, 0);
        width = std::max(0, x1 - x);
        height = std::max(0, y1 - y);
    }
    // The region from the words first..first+3 of the command.
    Region(const Step& s, std::size_t first)
        : Region(s.layer(), s.integer(first), s.integer(first + 1), s.integer(first + 2), s.integer(first + 3)) {}

    template <typename Visit>
    void forEachPixel(Visit visit) const {
        for (int j = y; j < y + height; ++j)
            for (int i = x; i < x + width; ++i) visit(i, j);
    }
};

template <typename Visit>
void forEachPixel(const Layer& l, Visit visit) {
    for (int y = 0; y < l.height; ++y)
        for (int x = 0; x < l.width; ++x) visit(x, y);
}

void pasteLayer(Layer& target, const Layer& source, int x, int y) {
    forEachPixel(source, [&](int i, int j) {
        if (source.isDrawn(i, j) && source.get(i, j) != kKeyRgb) target.put(x + i, y + j, source.get(i, j));
    });
}

// ---- The commands, in the order of the table below ----

void fillCommand(Step& s) { fillBox(s.layer(), 0, 0, s.layer().width, s.layer().height, s.colour(1)); }

void boxCommand(Step& s) { fillBox(s.layer(), s.integer(1), s.integer(2), s.integer(3), s.integer(4), s.colour(5)); }

void frameCommand(Step& s) { frameBox(s.layer(), s.integer(1), s.integer(2), s.integer(3), s.integer(4), s.colour(5)); }

void pixelsCommand(Step& s) {
    const Rgb colour = s.colour(1);
    for (std::size_t k = 2; k + 1 < s.words(); k += 2) s.layer().put(s.integer(k), s.integer(k + 1), colour);
}

void lineCommand(Step& s) { drawLine(s.layer(), s.integer(1), s.integer(2), s.integer(3), s.integer(4), s.colour(5)); }

void linesCommand(Step& s) {
    const Rgb colour = s.colour(1);
    for (std::size_t k = 2; k + 3 < s.words(); k += 2)
        drawLine(s.layer(), s.integer(k), s.integer(k + 1), s.integer(k + 2), s.integer(k + 3), colour);
}

void discCommand(Step& s) { fillEllipse(s.layer(), s.number(1), s.number(2), s.number(3), s.number(3), s.colour(4)); }

void ellipseCommand(Step& s) {
    fillEllipse(s.layer(), s.number(1), s.number(2), s.number(3), s.number(4), s.colour(5));
}

void ringCommand(Step& s) { ringCircle(s.layer(), s.number(1), s.number(2), s.number(3), s.colour(4)); }

void polyCommand(Step& s) { fillPolygon(s.layer(), s.numbers(2), s.colour(1)); }

void curveCommand(Step& s) {
    if (s.number(2) > 64) s.fail("curve width is at most 64");
    strokeCurve(s.layer(), s.numbers(3), s.number(2), s.colour(1));
}

void textCommand(Step& s) {
    drawTinyText(s.layer(), s.integer(1), s.integer(2), s.command.words[4], s.colour(3),
                 s.words() == 6 ? std::max(1, s.integer(5)) : 1);
}

// Glyphs of a font read from the art sources; a blank without a glyph is an
// advance of 6 pixels.
void writeCommand(Step& s) {
    const auto font = s.sources.fonts.find(s.command.words[1]);
    if (font == s.sources.fonts.end()) s.fail("no font named '" + s.command.words[1] + "'");
    int x = s.integer(2);
    const int y = s.integer(3), spacing = s.words() == 7 ? s.integer(6) : 1;
    const Rgb colour = s.colour(4);
    for (char ch : s.command.words[5]) {
        const auto glyph = font->second.find(ch);
        if (glyph == font->second.end()) {
            if (ch != ' ') s.fail(std::string("font has no glyph '") + ch + "'");
            x += 6;
            continue;
        }
        int width = 0;
        for (std::size_t r = 0; r < glyph->second.rows.size(); ++r) {
            const std::string& row = glyph->second.rows[r];
            width = std::max(width, int(row.size()));
            for (std::size_t k = 0; k < row.size(); ++k)
                if (row[k] != '.' && row[k] != ' ') s.layer().put(x + int(k), y + int(r), colour);
        }
        x += width + spacing;
    }
}

void layerCommand(Step& s) { s.stack.emplace_back(s.picture.width, s.picture.height); }

void mergeCommand(Step& s) {
    if (s.stack.size() < 2) s.fail("merge without layer");
    Options o = s.options();
    o.allowOnly({"outline", "outline8", "shadow", "dx", "dy"});
    const auto colourOption = [&](const std::string& key) {
        const std::string v = o.text(key, "");
        if (v.size() != 1) s.fail(key + " takes one palette character");
        return s.colourOf(v[0]);
    };
    const bool shadow = o.has("shadow"), outline = o.has("outline") || o.has("outline8");
    const Rgb shadowColour = shadow ? colourOption("shadow") : 0;
    const Rgb outlineColour = o.has("outline")    ? colourOption("outline")
                              : o.has("outline8") ? colourOption("outline8")
                                                  : 0;
    Layer top = std::move(s.stack.back());
    s.stack.pop_back();
    compositeLayer(s.stack.back(), top, shadow, shadowColour, int(o.number("dx", 1)), int(o.number("dy", 1)), outline,
                   outlineColour, o.has("outline8"));
}

void outlineCommand(Step& s) { outlineLayer(s.layer(), s.colour(1), false); }

// Recolours the drawn pixels of rows from..to in equal bands.
void bandsCommand(Step& s) {
    const int from = s.integer(1), to = s.integer(2);
    if (to < from) s.fail("bands: <to> must not be below <from>");
    std::vector<Rgb> colours;
    for (std::size_t k = 3; k < s.words(); ++k) colours.push_back(s.colour(k));
    const int span = to - from + 1;
    Layer& l = s.layer();
    forEachPixel(l, [&](int x, int y) {
        if (y < from || y > to || !l.isDrawn(x, y)) return;
        l.put(x, y, colours[std::size_t((y - from) * int(colours.size()) / span)]);
    });
}

void replaceCommand(Step& s) {
    std::vector<std::pair<Rgb, Rgb>> pairs;
    for (std::size_t k = 1; k + 1 < s.words(); k += 2) pairs.emplace_back(s.colour(k), s.colour(k + 1));
    Layer& l = s.layer();
    forEachPixel(l, [&](int x, int y) {
        if (!l.isDrawn(x, y)) return;
        const Rgb v = l.get(x, y);
        for (auto [from, to] : pairs) {
            if (v != from) continue;
            l.put(x, y, to);
            break;
        }
    });
}

void copyCommand(Step& s) {
    const Layer& source = s.pictureNamed(s.command.words[1]);
    if (source.width != s.layer().width || source.height != s.layer().height)
        s.fail("copy needs a picture of the same size; use paste or scale");
    s.layer() = source;
}

void pasteCommand(Step& s) { pasteLayer(s.layer(), s.pictureNamed(s.command.words[1]), s.integer(2), s.integer(3)); }

// Shrinks (or grows) another picture to this one's size without blending its
// transparent edge.
void scaleCommand(Step& s) {
    const Layer& source = s.pictureNamed(s.command.words[1]);
    Canvas flat(source.width, source.height, kKeyRgb);
    forEachPixel(source, [&](int x, int y) {
        if (source.isDrawn(x, y)) flat.at(x, y) = source.get(x, y);
    });
    Layer& l = s.layer();
    const Canvas small = modeDownscale(flat, l.width, l.height, kKeyRgb, 0.55);
    forEachPixel(l, [&](int x, int y) {
        if (small.at(x, y) != kKeyRgb) l.put(x, y, small.at(x, y));
    });
}

void mirrorCommand(Step& s) { mirrorLayer(s.layer()); }

void flipCommand(Step& s) { flipLayer(s.layer()); }

void turnCommand(Step& s) {
    if (s.layer().width != s.layer().height) s.fail("turn needs a square picture");
    turnLayer(s.layer());
}

void shiftCommand(Step& s) { shiftLayer(s.layer(), s.integer(1), s.integer(2)); }

// Clears what lies outside the polygon.
void keepCommand(Step& s) {
    Layer& l = s.layer();
    Layer inside(l.width, l.height);
    fillPolygon(inside, s.numbers(1), 1);
    forEachPixel(l, [&](int x, int y) {
        if (!inside.isDrawn(x, y)) l.erase(x, y);
    });
}

void eraseCommand(Step& s) {
    Layer& l = s.layer();
    Region(s, 1).forEachPixel([&](int x, int y) { l.erase(x, y); });
}

void speckleCommand(Step& s) {
    const Rgb colour = s.colour(1);
    const double chance = s.number(2);
    const auto seed = std::uint32_t(s.integer(3));
    Layer& l = s.layer();
    const Region region = s.words() == 8 ? Region(s, 4) : Region(l, 0, 0, l.width, l.height);
    region.forEachPixel([&](int x, int y) {
        if (hashUnit(seed, std::uint32_t(x), std::uint32_t(y)) < chance) l.put(x, y, colour);
    });
}

void stainCommand(Step& s) {
    const Rgb colour = s.colour(1);
    const double chance = s.number(2);
    const auto seed = std::uint32_t(s.integer(3));
    Layer& l = s.layer();
    forEachPixel(l, [&](int x, int y) {
        if (l.isDrawn(x, y) && hashUnit(seed, std::uint32_t(x), std::uint32_t(y)) < chance) l.put(x, y, colour);
    });
}

void noiseCommand(Step& s) {
    std::vector<Rgb> colours;
    for (char ch : s.command.words[6]) colours.push_back(s.colourOf(ch));
    if (colours.empty()) s.fail("noise needs at least one colour");
    const auto seed = std::uint32_t(s.integer(1));
    Layer& l = s.layer();
    Region(s, 2).forEachPixel([&](int x, int y) {
        l.put(x, y, colours[hashMix(seed, std::uint32_t(x), std::uint32_t(y)) % colours.size()]);
    });
}

void bricksCommand(Step& s) { drawBricks(s.layer(), s.options(), s.sources.palette); }

void stonesCommand(Step& s) { drawStones(s.layer(), s.options(), s.sources.palette); }

// One command of the language: its usage line and its handler. The usage
// line is also what a command line must match: its first word is the name,
// each further word stands for one word of the command, and one bracketed
// group at the end is optional, or may repeat when it ends in "...".
struct Opcode {
    const char* usage;   // e.g. "pixels <c> <x> <y> [<x> <y> ...]"
    void (*run)(Step&);  // draws the command
};

constexpr Opcode kOpcodes[] = {
    {"fill <c>", fillCommand},
    {"box <x> <y> <w> <h> <c>", boxCommand},
    {"frame <x> <y> <w> <h> <c>", frameCommand},
    {"pixels <c> <x> <y> [<x> <y> ...]", pixelsCommand},
    {"line <x0> <y0> <x1> <y1> <c>", lineCommand},
    {"lines <c> <x> <y> <x> <y> [<x> <y> ...]", linesCommand},
    {"disc <cx> <cy> <r> <c>", discCommand},
    {"ellipse <cx> <cy> <rx> <ry> <c>", ellipseCommand},
    {"ring <cx> <cy> <r> <c>", ringCommand},
    {"poly <c> <x> <y> <x> <y> <x> <y> [<x> <y> ...]", polyCommand},
    {"curve <c> <width> <x> <y> [<x> <y> ...]", curveCommand},
    {"text <x> <y> <c> \"text\" [<scale>]", textCommand},
    {"write <font> <x> <y> <c> \"text\" [<spacing>]", writeCommand},
    {"layer", layerCommand},
    {"merge [<option>=<value> ...]", mergeCommand},
    {"outline <c>", outlineCommand},
    {"bands <from> <to> <c> [<c> ...]", bandsCommand},
    {"replace <from> <to> [<from> <to> ...]", replaceCommand},
    {"copy <picture>", copyCommand},
    {"paste <picture> <x> <y>", pasteCommand},
    {"scale <picture>", scaleCommand},
    {"mirror", mirrorCommand},
    {"flip", flipCommand},
    {"turn", turnCommand},
    {"shift <dx> <dy>", shiftCommand},
    {"keep <x> <y> <x> <y> <x> <y> [<x> <y> ...]", keepCommand},
    {"erase <x> <y> <w> <h>", eraseCommand},
    {"speckle <c> <chance> <seed> [<x> <y> <w> <h>]", speckleCommand},
    {"stain <c> <chance> <seed>", stainCommand},
    {"noise <seed> <x> <y> <w> <h> <colours>", noiseCommand},
    {"bricks [<key>=<value> ...]", bricksCommand},
    {"stones [<key>=<value> ...]", stonesCommand},
};

// The word counts a usage line allows.
struct Arity {
    std::size_t fewest = 0;  // words outside the bracketed group, the name included
    std::size_t group = 0;   // words of the bracketed group, 0 when there is none
    bool repeats = false;    // the group may stand any number of times, else at most once

    explicit Arity(std::string_view usage) {
        bool inGroup = false;
        for (std::size_t at = 0; at < usage.size();) {
            const std::size_t end = std::min(usage.find(' ', at), usage.size());
            std::string_view word = usage.substr(at, end - at);
            at = end + 1;
            if (word.front() == '[') {
                inGroup = true;
                word.remove_prefix(1);
            }
            if (inGroup && word.back() == ']') word.remove_suffix(1);
            if (word == "...")
                repeats = true;
            else if (inGroup)
                ++group;
            else
                ++fewest;
        }
    }
    bool allows(std::size_t words) const {
        if (words == fewest) return true;
        if (words < fewest || group == 0 || (words - fewest) % group != 0) return false;
        return repeats || words == fewest + group;
    }
};

const Opcode* findOpcode(const std::string& name) {
    for (const Opcode& op : kOpcodes) {
        const std::string_view usage = op.usage;
        if (usage.substr(0, usage.find(' ')) == name) return &op;
    }
    return nullptr;
}

}  // namespace

void ArtRenderer::Impl::execute(const PictureDef& def, const Command& c, std::vector<Layer>& stack) {
    const Opcode* op = findOpcode(c.words[0]);
    if (op == nullptr) failAt(c.file, c.line, "unknown command '" + c.words[0] + "'");
    if (!Arity(op->usage).allows(c.words.size())) failAt(c.file, c.line, std::string("expected: ") + op->usage);
    const std::function<const Layer&(const std::string&)> pictureNamed = [&](const std::string& name) -> const Layer& {
        return layerOf(name, c);
    };
    Step step{c, src, def, stack, pictureNamed};
    op->run(step);
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

bool ArtRenderer::hasPicture(const std::string& name) const { return impl_->defs.count(name) != 0; }

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
