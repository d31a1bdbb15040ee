// palette.cpp — reading the shared colour table.
#include "tools/art/palette.h"

#include "tools/art/art_error.h"
#include "tools/art/text_source.h"

namespace zlart {

bool Palette::has(char c) const {
    unsigned char u = static_cast<unsigned char>(c);
    return u < entries.size() && entries[u].defined;
}

Rgb Palette::colour(char c, const std::string& file, int line) const {
    if (!has(c)) failAt(file, line, std::string("colour '") + c + "' is not in the palette");
    return entries[static_cast<unsigned char>(c)].rgb;
}

Palette parsePalette(const std::string& text, const std::string& fileName) {
    Palette p;
    forEachCommand(text, fileName, [&p, &fileName](const std::vector<std::string>& t, int lineNo) {
        if (t.size() < 2 || t[0].size() != 1 || t[1].size() != 6)
            failAt(fileName, lineNo, "expected: <char> <RRGGBB> <name>");
        char c = t[0][0];
        unsigned char u = static_cast<unsigned char>(c);
        if (u >= 128 || c == '.' || c == '"' || u <= ' ')
            failAt(fileName, lineNo, "this character cannot name a colour");
        if (p.entries[u].defined) failAt(fileName, lineNo, std::string("colour '") + c + "' defined twice");
        Rgb rgb = 0;
        for (char h : t[1]) {
            int v = (h >= '0' && h <= '9')   ? h - '0'
                    : (h >= 'a' && h <= 'f') ? h - 'a' + 10
                    : (h >= 'A' && h <= 'F') ? h - 'A' + 10
                                             : -1;
            if (v < 0) failAt(fileName, lineNo, "colour must be six hex digits");
            rgb = (rgb << 4) | Rgb(v);
        }
        p.entries[u].defined = true;
        p.entries[u].rgb = rgb;
        p.entries[u].name = t.size() > 2 ? t[2] : "";
    });
    return p;
}

Palette readPalette(const std::string& path) { return parsePalette(readTextFile(path), path); }

}  // namespace zlart
