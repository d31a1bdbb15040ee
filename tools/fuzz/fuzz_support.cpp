// fuzz_support.cpp — the in-memory files and the helpers of fuzz_support.h.
//
// The platform reads every file through core::readRegularFile
// (platform/regular_file.h). This file defines that function over a table
// in memory, and the fuzz targets link it ahead of the platform library, so
// the library's own definition (regular_file.cpp, which defines nothing
// else) is never taken from the archive. Everything above it, the data-file
// table, the field reader, the BMP check and the readers of the programs,
// runs as in the game.
#include "tools/fuzz/fuzz_support.h"

#include "platform/regular_file.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <utility>

namespace {
std::map<std::string, std::string, std::less<>> files;
}  // namespace

namespace core {

ReadResult readRegularFile(const std::string& path, std::size_t maxBytes, Oversize oversize, std::string& bytes) {
    bytes.clear();
    const auto found = files.find(path);
    if (found == files.end()) return ReadResult::Missing;
    if (found->second.size() > maxBytes && oversize == Oversize::Refuse) return ReadResult::TooLarge;
    bytes.assign(found->second, 0, std::min(found->second.size(), maxBytes));
    return ReadResult::Read;
}

}  // namespace core

namespace fuzz {

void putFile(const std::string& hostPath, std::string bytes) { files[hostPath] = std::move(bytes); }

void require(const std::string& problem) {
    if (problem.empty()) return;
    std::fprintf(stderr, "broken invariant: %s\n", problem.c_str());
    std::abort();
}

std::string withPaddedMap(const std::uint8_t* data, std::size_t size) {
    const char* bytes = reinterpret_cast<const char*>(data);
    const auto* mark = static_cast<const char*>(std::memchr(bytes, kMapPadMark, size));
    if (mark == nullptr) return std::string(bytes, size);
    const std::string head(bytes, mark);
    const auto ended = std::count(head.begin(), head.end(), ',') + std::count(head.begin(), head.end(), '\n');
    std::string file = head;
    if (ended < kMapFields) file.append(static_cast<std::size_t>(kMapFields - ended), ',');
    file.append(mark + 1, bytes + size);
    return file;
}

}  // namespace fuzz
