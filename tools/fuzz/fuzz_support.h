// fuzz_support.h — what the fuzz targets share: the files their readers find
// (held in memory, so no input is written to disk), the check that stops a
// run, and the padding that lets a short input reach the end of a level.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzz {

// From now on the file at hostPath ("Data/ende.dat", "/" as separator)
// holds bytes, for every reader of the platform. Files never put are missing.
void putFile(const std::string& hostPath, std::string bytes);

// Stops the run, with problem on stderr, unless problem is empty.
void require(const std::string& problem);
inline void require(bool ok, const char* what) { require(ok ? std::string() : std::string(what)); }

// A level or saved-game file from a short input. A level's map takes 33,000
// fields before anything else; an input that had to spell them all out
// would be 66 KB long, and most of the search would go into map cells. So:
// the input's bytes up to its first 0xFF byte begin the file; then come as
// many empty fields (",", each read as 0) as the map still lacks after the
// fields those bytes end (their commas and line feeds); then the bytes after
// the 0xFF. An input without 0xFF is the whole file as it stands.
std::string withPaddedMap(const std::uint8_t* data, std::size_t size);

constexpr unsigned char kMapPadMark = 0xFF;
constexpr int kMapFields = 220 * 150;

}  // namespace fuzz
