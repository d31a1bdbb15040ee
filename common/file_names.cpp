// file_names.cpp — the rule for typed file names.
#include "common/file_names.h"

namespace {
constexpr unsigned char kFirstPrintable = 0x20;
constexpr unsigned char kDelete = 0x7F;
}  // namespace

std::string typedFileName(const std::string& field) {
    std::string name = field;
    while (!name.empty() && (name.back() == ' ' || name.back() == '\t')) name.pop_back();
    return name;
}

NameCheck checkFileName(const std::string& name) {
    if (name.empty()) return NameCheck::Empty;
    if (name.front() == '.') return NameCheck::Refused;
    for (const char ch : name) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '/' || c == '\\' || c < kFirstPrintable || c == kDelete) return NameCheck::Refused;
    }
    return NameCheck::Valid;
}
