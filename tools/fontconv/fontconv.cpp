// fontconv — writes a code page 437 glyph table as C++ source from a PC
// screen font (PSF version 1 or 2, plain or gzip-compressed).
//
//   fontconv <font.psf.gz> <rows> <table name> <output.cpp>
//
// The font must be 8 pixels wide and <rows> (8 or 16) pixels high and carry a
// Unicode table. Each of the 256 code page 437 codes is mapped to Unicode
// (with a few accepted alternatives), and the font's glyph for that code
// point becomes the table entry. Codes the font has no glyph for are taken
// from the small hand-drawn set below; any code still without a glyph stops
// the tool, so a table never ships with a silent hole.
#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

// Unicode for each code page 437 code; 0 ends the list of alternatives.
// Code 0 and 0xFF show as blanks on the PC screen and are mapped to the space
// and the no-break space.
struct Cp437Entry {
    std::uint32_t codePoints[3];
};

// clang-format off
const Cp437Entry kCp437[256] = {
    {{0x0020}}, {{0x263A}}, {{0x263B}}, {{0x2665}}, {{0x2666}}, {{0x2663}}, {{0x2660}}, {{0x2022}},
    {{0x25D8}}, {{0x25CB}}, {{0x25D9}}, {{0x2642}}, {{0x2640}}, {{0x266A}}, {{0x266B}}, {{0x263C, 0x00A4}},
    {{0x25BA, 0x25B6}}, {{0x25C4, 0x25C0}}, {{0x2195}}, {{0x203C}}, {{0x00B6}}, {{0x00A7}}, {{0x25AC}}, {{0x21A8}},
    {{0x2191}}, {{0x2193}}, {{0x2192}}, {{0x2190}}, {{0x221F}}, {{0x2194}}, {{0x25B2}}, {{0x25BC}},
    {{0x0020}}, {{0x0021}}, {{0x0022}}, {{0x0023}}, {{0x0024}}, {{0x0025}}, {{0x0026}}, {{0x0027}},
    {{0x0028}}, {{0x0029}}, {{0x002A}}, {{0x002B}}, {{0x002C}}, {{0x002D}}, {{0x002E}}, {{0x002F}},
    {{0x0030}}, {{0x0031}}, {{0x0032}}, {{0x0033}}, {{0x0034}}, {{0x0035}}, {{0x0036}}, {{0x0037}},
    {{0x0038}}, {{0x0039}}, {{0x003A}}, {{0x003B}}, {{0x003C}}, {{0x003D}}, {{0x003E}}, {{0x003F}},
    {{0x0040}}, {{0x0041}}, {{0x0042}}, {{0x0043}}, {{0x0044}}, {{0x0045}}, {{0x0046}}, {{0x0047}},
    {{0x0048}}, {{0x0049}}, {{0x004A}}, {{0x004B}}, {{0x004C}}, {{0x004D}}, {{0x004E}}, {{0x004F}},
    {{0x0050}}, {{0x0051}}, {{0x0052}}, {{0x0053}}, {{0x0054}}, {{0x0055}}, {{0x0056}}, {{0x0057}},
    {{0x0058}}, {{0x0059}}, {{0x005A}}, {{0x005B}}, {{0x005C}}, {{0x005D}}, {{0x005E}}, {{0x005F}},
    {{0x0060}}, {{0x0061}}, {{0x0062}}, {{0x0063}}, {{0x0064}}, {{0x0065}}, {{0x0066}}, {{0x0067}},
    {{0x0068}}, {{0x0069}}, {{0x006A}}, {{0x006B}}, {{0x006C}}, {{0x006D}}, {{0x006E}}, {{0x006F}},
    {{0x0070}}, {{0x0071}}, {{0x0072}}, {{0x0073}}, {{0x0074}}, {{0x0075}}, {{0x0076}}, {{0x0077}},
    {{0x0078}}, {{0x0079}}, {{0x007A}}, {{0x007B}}, {{0x007C}}, {{0x007D}}, {{0x007E}}, {{0x2302}},
    {{0x00C7}}, {{0x00FC}}, {{0x00E9}}, {{0x00E2}}, {{0x00E4}}, {{0x00E0}}, {{0x00E5}}, {{0x00E7}},
    {{0x00EA}}, {{0x00EB}}, {{0x00E8}}, {{0x00EF}}, {{0x00EE}}, {{0x00EC}}, {{0x00C4}}, {{0x00C5}},
    {{0x00C9}}, {{0x00E6}}, {{0x00C6}}, {{0x00F4}}, {{0x00F6}}, {{0x00F2}}, {{0x00FB}}, {{0x00F9}},
    {{0x00FF}}, {{0x00D6}}, {{0x00DC}}, {{0x00A2}}, {{0x00A3}}, {{0x00A5}}, {{0x20A7}}, {{0x0192}},
    {{0x00E1}}, {{0x00ED}}, {{0x00F3}}, {{0x00FA}}, {{0x00F1}}, {{0x00D1}}, {{0x00AA}}, {{0x00BA}},
    {{0x00BF}}, {{0x2310}}, {{0x00AC}}, {{0x00BD}}, {{0x00BC}}, {{0x00A1}}, {{0x00AB}}, {{0x00BB}},
    {{0x2591}}, {{0x2592}}, {{0x2593}}, {{0x2502}}, {{0x2524}}, {{0x2561}}, {{0x2562}}, {{0x2556}},
    {{0x2555}}, {{0x2563}}, {{0x2551}}, {{0x2557}}, {{0x255D}}, {{0x255C}}, {{0x255B}}, {{0x2510}},
    {{0x2514}}, {{0x2534}}, {{0x252C}}, {{0x251C}}, {{0x2500}}, {{0x253C}}, {{0x255E}}, {{0x255F}},
    {{0x255A}}, {{0x2554}}, {{0x2569}}, {{0x2566}}, {{0x2560}}, {{0x2550}}, {{0x256C}}, {{0x2567}},
    {{0x2568}}, {{0x2564}}, {{0x2565}}, {{0x2559}}, {{0x2558}}, {{0x2552}}, {{0x2553}}, {{0x256B}},
    {{0x256A}}, {{0x2518}}, {{0x250C}}, {{0x2588}}, {{0x2584}}, {{0x258C}}, {{0x2590}}, {{0x2580}},
    {{0x03B1}}, {{0x00DF, 0x03B2}}, {{0x0393}}, {{0x03C0}}, {{0x03A3, 0x2211}}, {{0x03C3}}, {{0x00B5, 0x03BC}}, {{0x03C4}},
    {{0x03A6}}, {{0x0398}}, {{0x03A9, 0x2126}}, {{0x03B4}}, {{0x221E}}, {{0x03C6, 0x03D5, 0x2205}}, {{0x03B5, 0x2208}}, {{0x2229}},
    {{0x2261}}, {{0x00B1}}, {{0x2265}}, {{0x2264}}, {{0x2320}}, {{0x2321}}, {{0x00F7}}, {{0x2248}},
    {{0x00B0}}, {{0x2219}}, {{0x00B7}}, {{0x221A}}, {{0x207F}}, {{0x00B2}}, {{0x25A0}}, {{0x00A0, 0x0020}},
};
// clang-format on

// Glyphs drawn by hand for code points neither font has, as rows of '#'
// and '.'. An 8-row drawing serves the 8 x 8 table; the 16-row table doubles
// each row.
struct HandGlyph {
    std::uint32_t codePoint;
    const char* rows[8];
};

const HandGlyph kHandGlyphs[] = {
    {0x20A7, {"#####...", "##..##..", "##..##..", "####.#..", "##..####", "##...#..", "##...##.", "........"}},  // peseta
    {0x2310, {"........", "........", "#######.", "##......", "##......", "........", "........", "........"}},  // reversed not
    {0x221E, {"........", "........", ".##.##..", "#..#..#.", "#..#..#.", ".##.##..", "........", "........"}},  // infinity
    {0x2229, {"..###...", ".##.##..", "##...##.", "##...##.", "##...##.", "##...##.", "##...##.", "........"}},  // intersection
    {0x2261, {"........", "#######.", "........", "#######.", "........", "#######.", "........", "........"}},  // identical to
};

std::uint32_t decodeUtf8(const std::vector<std::uint8_t>& bytes, std::size_t& at) {
    std::uint8_t b = bytes[at++];
    int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
    std::uint32_t cp = extra == 3 ? (b & 0x07) : extra == 2 ? (b & 0x0F) : extra == 1 ? (b & 0x1F) : b;
    for (int i = 0; i < extra && at < bytes.size(); ++i) cp = (cp << 6) | (bytes[at++] & 0x3F);
    return cp;
}

struct Font {
    int glyphCount = 0;
    int rows = 0;
    int bytesPerRow = 0;
    std::vector<std::uint8_t> glyphs;      // glyphCount * rows * bytesPerRow
    std::map<std::uint32_t, int> glyphOf;  // code point -> glyph index
};

bool readFile(const char* path, std::vector<std::uint8_t>& out) {
    gzFile f = gzopen(path, "rb");
    if (!f) return false;
    std::uint8_t buffer[65536];
    int n;
    while ((n = gzread(f, buffer, sizeof buffer)) > 0) out.insert(out.end(), buffer, buffer + n);
    gzclose(f);
    return n == 0;
}

std::uint32_t le32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (std::uint32_t(b[at + 3]) << 24);
}

bool parsePsf(const std::vector<std::uint8_t>& b, Font& font) {
    std::size_t tableStart = 0;
    bool hasTable = false, psf2 = false;
    if (b.size() >= 4 && b[0] == 0x36 && b[1] == 0x04) {
        font.glyphCount = (b[2] & 1) ? 512 : 256;
        font.rows = b[3];
        font.bytesPerRow = 1;
        hasTable = (b[2] & 6) != 0;
        tableStart = 4 + std::size_t(font.glyphCount) * font.rows;
        if (b.size() < tableStart) return false;
        font.glyphs.assign(b.begin() + 4, b.begin() + tableStart);
    } else if (b.size() >= 32 && le32(b, 0) == 0x864AB572u) {
        psf2 = true;
        std::uint32_t headerSize = le32(b, 8), flags = le32(b, 12), count = le32(b, 16);
        std::uint32_t glyphBytes = le32(b, 20), height = le32(b, 24), width = le32(b, 28);
        if (width != 8 || glyphBytes != height || count > 4096) return false;
        font.glyphCount = int(count);
        font.rows = int(height);
        font.bytesPerRow = 1;
        hasTable = (flags & 1) != 0;
        tableStart = headerSize + std::size_t(count) * glyphBytes;
        if (b.size() < tableStart) return false;
        font.glyphs.assign(b.begin() + headerSize, b.begin() + tableStart);
    } else {
        return false;
    }
    if (!hasTable) return false;
    // The table lists, glyph by glyph, the code points it shows; sequences
    // (combining forms) follow a separator and are skipped.
    std::size_t at = tableStart;
    for (int glyph = 0; glyph < font.glyphCount && at < b.size(); ++glyph) {
        bool inSequence = false;
        while (at < b.size()) {
            std::uint32_t cp;
            if (psf2) {
                if (b[at] == 0xFF) {
                    ++at;
                    break;
                }
                if (b[at] == 0xFE) {
                    ++at;
                    inSequence = true;
                    continue;
                }
                cp = decodeUtf8(b, at);
            } else {
                if (at + 1 >= b.size()) {
                    at = b.size();
                    break;
                }
                cp = b[at] | (b[at + 1] << 8);
                at += 2;
                if (cp == 0xFFFF) break;
                if (cp == 0xFFFE) {
                    inSequence = true;
                    continue;
                }
            }
            if (!inSequence) font.glyphOf.emplace(cp, glyph);
        }
    }
    return true;
}

std::string utf8(std::uint32_t cp) {
    std::string s;
    if (cp < 0x80) {
        s += char(cp);
    } else if (cp < 0x800) {
        s += char(0xC0 | (cp >> 6));
        s += char(0x80 | (cp & 0x3F));
    } else {
        s += char(0xE0 | (cp >> 12));
        s += char(0x80 | ((cp >> 6) & 0x3F));
        s += char(0x80 | (cp & 0x3F));
    }
    return s;
}

bool handGlyph(std::uint32_t cp, int rows, std::vector<std::uint8_t>& out) {
    for (const HandGlyph& g : kHandGlyphs) {
        if (g.codePoint != cp) continue;
        out.assign(rows, 0);
        for (int r = 0; r < rows; ++r) {
            const char* row = g.rows[rows == 16 ? r / 2 : r];
            std::uint8_t bits = 0;
            for (int c = 0; c < 8; ++c) bits = std::uint8_t(bits | ((row[c] == '#') ? (0x80 >> c) : 0));
            out[r] = bits;
        }
        return true;
    }
    return false;
}

std::string baseName(const std::string& path) {
    std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool loadFont(const char* path, Font& font) {
    std::vector<std::uint8_t> bytes;
    if (!readFile(path, bytes) || !parsePsf(bytes, font)) {
        std::fprintf(stderr, "fontconv: %s is not a readable PSF font with a Unicode table\n", path);
        return false;
    }
    return true;
}

// The glyph of the first of the code's code points that `font` has, its rows
// repeated `scale` times; empty when the font has none of them.
std::vector<std::uint8_t> glyphFor(const Font& font, const Cp437Entry& entry, int scale, std::uint32_t& shown) {
    for (std::uint32_t cp : entry.codePoints) {
        if (cp == 0) break;
        auto it = font.glyphOf.find(cp);
        if (it == font.glyphOf.end()) continue;
        const std::uint8_t* g = &font.glyphs[std::size_t(it->second) * font.rows];
        std::vector<std::uint8_t> glyph;
        for (int r = 0; r < font.rows; ++r) glyph.insert(glyph.end(), scale, g[r]);
        shown = cp;
        return glyph;
    }
    return {};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5 && argc != 6) {
        std::fprintf(stderr,
                     "usage: fontconv <font.psf[.gz]> <rows 8|16> <table name> <output.cpp> [fallback.psf[.gz]]\n"
                     "  The fallback font fills codes the first one lacks; an 8-row fallback\n"
                     "  serves a 16-row table with every row doubled.\n");
        return 2;
    }
    int rows = std::atoi(argv[2]);
    std::string tableName = argv[3];
    std::string outPath = argv[4];
    if (rows != 8 && rows != 16) {
        std::fprintf(stderr, "fontconv: rows must be 8 or 16\n");
        return 2;
    }
    Font font, fallback;
    if (!loadFont(argv[1], font)) return 1;
    if (font.rows != rows) {
        std::fprintf(stderr, "fontconv: the font is %d rows high, not %d\n", font.rows, rows);
        return 1;
    }
    int fallbackScale = 0;
    if (argc == 6) {
        if (!loadFont(argv[5], fallback)) return 1;
        if (fallback.rows != rows && fallback.rows * 2 != rows) {
            std::fprintf(stderr, "fontconv: the fallback font is %d rows high; %d or %d needed\n", fallback.rows, rows,
                         rows / 2);
            return 1;
        }
        fallbackScale = rows / fallback.rows;
    }

    std::string text;
    text += "// " + baseName(outPath) + " — the " + std::to_string(rows) +
            "-row glyphs of code page 437 for the text grid.\n//\n";
    text += "// Generated by tools/fontconv from " + baseName(argv[1]);
    if (fallbackScale) text += ",\n// with the glyphs it lacks from " + baseName(argv[5]);
    if (fallbackScale == 2) text += " (rows doubled)";
    text += "\n// (Debian package console-setup-linux); see platform/FONTS.md. Regenerate\n"
            "// rather than edit. One glyph per code, top row first, bit 7 the leftmost\n"
            "// pixel. \"fallback\" and \"hand-drawn\" mark glyphs the first font lacks.\n";
    text += "#include \"platform/fonts.h\"\n\n";
    text += "const std::uint8_t " + tableName + "[256][" + std::to_string(rows) + "] = {\n";
    int fromFallback = 0, handDrawn = 0, missing = 0;
    for (int code = 0; code < 256; ++code) {
        std::uint32_t shown = kCp437[code].codePoints[0];
        const char* origin = "";
        std::vector<std::uint8_t> glyph = glyphFor(font, kCp437[code], 1, shown);
        if (glyph.empty() && fallbackScale) {
            glyph = glyphFor(fallback, kCp437[code], fallbackScale, shown);
            if (!glyph.empty()) {
                origin = " fallback";
                ++fromFallback;
            }
        }
        if (glyph.empty() && handGlyph(kCp437[code].codePoints[0], rows, glyph)) {
            origin = " hand-drawn";
            ++handDrawn;
        }
        if (glyph.empty()) {
            std::fprintf(stderr, "fontconv: no glyph for code 0x%02X (U+%04X)\n", code, kCp437[code].codePoints[0]);
            ++missing;
            continue;
        }
        char line[256];
        int n = std::snprintf(line, sizeof line, "    {");
        for (int r = 0; r < rows; ++r)
            n += std::snprintf(line + n, sizeof line - n, "%s0x%02X", r ? ", " : "", glyph[r]);
        std::snprintf(line + n, sizeof line - n, "},  // 0x%02X U+%04X", code, shown);
        text += line;
        // A backslash at the end of a comment would continue it onto the next line.
        if (shown > 0x20 && shown != 0xA0 && shown != '\\') text += " " + utf8(shown);
        text += origin;
        text += "\n";
    }
    text += "};\n";
    if (missing > 0) {
        std::fprintf(stderr, "fontconv: %d codes without a glyph; nothing written\n", missing);
        return 1;
    }

    FILE* out = std::fopen(outPath.c_str(), "wb");
    if (!out || std::fwrite(text.data(), 1, text.size(), out) != text.size() || std::fclose(out) != 0) {
        std::fprintf(stderr, "fontconv: cannot write %s\n", outPath.c_str());
        return 1;
    }
    std::fprintf(stderr, "fontconv: wrote %s: %d glyphs from the fallback, %d hand-drawn\n", outPath.c_str(),
                 fromFallback, handDrawn);
    return 0;
}
