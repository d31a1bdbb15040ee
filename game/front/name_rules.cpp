// name_rules.cpp — what a typed name may be, in one place: the first field
// of the typed line, the saved-game name check and the best-player name.
//
// Writes: nothing of World.
#include "game/front/typed_name.h"

#include <algorithm>

namespace {
constexpr char kQuote = '"';
constexpr char kApostrophe = '\'';
constexpr char kComma = ',';
constexpr unsigned char kFirstPrintable = 0x20;
constexpr unsigned char kDelete = 0x7F;
}  // namespace

std::string firstField(const std::string& line) {
    const std::size_t start = line.find_first_not_of(" \t");
    if (start == std::string::npos) return {};
    if (line[start] == kQuote) {
        const std::size_t close = line.find(kQuote, start + 1);
        return line.substr(start + 1, close == std::string::npos ? std::string::npos : close - start - 1);
    }
    const std::size_t comma = line.find(kComma, start);
    return line.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
}

NameCheck checkGameName(const std::string& name) {
    if (name.empty()) return NameCheck::Empty;
    if (name.front() == '.') return NameCheck::Refused;
    for (const char ch : name) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '/' || c == '\\' || c < kFirstPrintable || c == kDelete) return NameCheck::Refused;
    }
    return NameCheck::Valid;
}

std::string bestPlayerName(const std::string& typed) {
    std::string name = typed;
    std::replace(name.begin(), name.end(), kQuote, kApostrophe);
    return name;
}
