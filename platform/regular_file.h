// regular_file.h — reading a whole file safely (internal to platform/).
//
// Every file the programs read (data files, pictures, sounds) goes through
// here: only a regular file is read, and the check is made without blocking,
// so a named pipe, a device or a folder in a file's place reads as missing
// instead of hanging the program in open().
#pragma once

#include <cstddef>
#include <string>

namespace core {

enum class ReadResult {
    Read,      // the whole file is in bytes
    Missing,   // no such file, not a regular file, or it cannot be opened
    TooLarge,  // larger than the limit; nothing was read
};

// What to do with a file larger than the limit.
enum class Oversize {
    Cut,     // read up to the limit: the data ends there
    Refuse,  // read nothing, report TooLarge
};

// Reads the regular file at path (host separators) into bytes, at most
// maxBytes of it.
ReadResult readRegularFile(const std::string& path, std::size_t maxBytes, Oversize oversize, std::string& bytes);

}  // namespace core
