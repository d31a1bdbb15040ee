// cp437.cpp — UTF-8 to code page 437 for typed text.
#include "platform/sdl/cp437.h"

namespace sdl {

int cp437FromCodePoint(char32_t codePoint) {
    if (codePoint < 0x80) return static_cast<int>(codePoint);
    for (int i = 0; i < 128; ++i) {
        if (kCp437UpperHalf[i] == codePoint) return 0x80 + i;
    }
    return -1;
}

namespace {

// Decodes the sequence at text[i]; advances i past it (at least one byte).
// Returns -1 for a malformed or overlong sequence.
long decodeUtf8(const std::string& text, std::size_t& i) {
    unsigned char lead = static_cast<unsigned char>(text[i++]);
    if (lead < 0x80) return lead;
    int extra;
    long codePoint;
    long smallest;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1, codePoint = lead & 0x1F, smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2, codePoint = lead & 0x0F, smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3, codePoint = lead & 0x07, smallest = 0x10000;
    } else {
        return -1;  // a continuation byte or an invalid lead byte
    }
    for (int k = 0; k < extra; ++k) {
        if (i >= text.size()) return -1;
        unsigned char next = static_cast<unsigned char>(text[i]);
        if ((next & 0xC0) != 0x80) return -1;  // leave the byte for the next character
        codePoint = (codePoint << 6) | (next & 0x3F);
        ++i;
    }
    if (codePoint < smallest || codePoint > 0x10FFFF) return -1;
    return codePoint;
}

}  // namespace

std::string utf8ToCp437(const std::string& utf8) {
    std::string out;
    std::size_t i = 0;
    while (i < utf8.size()) {
        long codePoint = decodeUtf8(utf8, i);
        if (codePoint < 0) continue;
        int byte = cp437FromCodePoint(static_cast<char32_t>(codePoint));
        if (byte >= 0) out.push_back(static_cast<char>(byte));
    }
    return out;
}

}  // namespace sdl
