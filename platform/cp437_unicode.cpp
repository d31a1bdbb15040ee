// cp437_unicode.cpp — the code page 437 table and the conversions between
// it and UTF-8; the seam's textFromHost and textForHost.
#include "platform/cp437_unicode.h"
#include "platform/platform.h"

#include <utility>

namespace core {

// clang-format off
const char16_t kCp437UpperHalf[128] = {
    // 0x80: C cedilla, u umlaut, e acute, ...
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7,
    0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5,
    // 0x90: E acute, ae, AE, o circumflex, o umlaut, ..., O umlaut, U umlaut, cent, pound, yen, peseta, f hook
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,
    0x00FF, 0x00D6, 0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192,
    // 0xA0: a acute ... inverted exclamation, guillemets
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA,
    0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
    // 0xB0: shades and box drawing
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556,
    0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510,
    // 0xC0: box drawing
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567,
    // 0xD0: box drawing and blocks
    0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B,
    0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,
    // 0xE0: Greek letters and mathematics (0xE1 is the sharp s)
    0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4,
    0x03A6, 0x0398, 0x03A9, 0x03B4, 0x221E, 0x03C6, 0x03B5, 0x2229,
    // 0xF0: mathematics, degree sign, no-break space
    0x2261, 0x00B1, 0x2265, 0x2264, 0x2320, 0x2321, 0x00F7, 0x2248,
    0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0,
};
// clang-format on

std::string cp437ToUtf8(const std::string& cp437) {
    std::string out;
    out.reserve(cp437.size());
    for (const char ch : cp437) {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte < 0x80) {
            out.push_back(ch);
            continue;
        }
        const char16_t code = kCp437UpperHalf[byte - 0x80];
        if (code < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (code >> 6)));
        } else {
            out.push_back(static_cast<char>(0xE0 | (code >> 12)));
            out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        }
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
    return out;
}

int cp437FromCodePoint(char32_t codePoint) {
    if (codePoint < 0x80) return static_cast<int>(codePoint);
    for (int i = 0; i < 128; ++i) {
        if (kCp437UpperHalf[i] == codePoint) return 0x80 + i;
    }
    return -1;
}

namespace {

// Decodes the sequence at text[i] and advances i past it. Returns -1 for a
// malformed, cut or overlong sequence, having advanced past its first byte
// only: each of its bytes then counts as one that is not UTF-8.
long decodeUtf8(const std::string& text, std::size_t& i) {
    const std::size_t lead = i;
    const auto first = static_cast<unsigned char>(text[i++]);
    if (first < 0x80) return first;
    int extra;
    long codePoint;
    long smallest;
    if ((first & 0xE0) == 0xC0) {
        extra = 1, codePoint = first & 0x1F, smallest = 0x80;
    } else if ((first & 0xF0) == 0xE0) {
        extra = 2, codePoint = first & 0x0F, smallest = 0x800;
    } else if ((first & 0xF8) == 0xF0) {
        extra = 3, codePoint = first & 0x07, smallest = 0x10000;
    } else {
        return -1;  // a continuation byte or an invalid lead byte
    }
    for (int k = 0; k < extra; ++k) {
        const auto next = i < text.size() ? static_cast<unsigned char>(text[i]) : 0;
        if ((next & 0xC0) != 0x80) break;
        codePoint = (codePoint << 6) | (next & 0x3F);
        ++i;
    }
    if (i - lead != static_cast<std::size_t>(extra) + 1 || codePoint < smallest || codePoint > 0x10FFFF) {
        i = lead + 1;
        return -1;
    }
    return codePoint;
}

}  // namespace

bool utf8ToCp437(const std::string& utf8, std::string& cp437, char missing) {
    std::string out;
    bool whole = true;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const long codePoint = decodeUtf8(utf8, i);
        const int byte = codePoint < 0 ? -1 : cp437FromCodePoint(static_cast<char32_t>(codePoint));
        if (byte >= 0) {
            out.push_back(static_cast<char>(byte));
            continue;
        }
        whole = false;
        if (missing != 0) out.push_back(missing);
    }
    cp437 = std::move(out);
    return whole;
}

std::string utf8ToCp437(const std::string& utf8) {
    std::string cp437;
    utf8ToCp437(utf8, cp437);
    return cp437;
}

}  // namespace core

bool textFromHost(const std::string& utf8, std::string& cp437, char missing) {
    return core::utf8ToCp437(utf8, cp437, missing);
}

std::string textForHost(const std::string& cp437) { return core::cp437ToUtf8(cp437); }
