// cp437_unicode.h — the characters of code page 437 in Unicode (internal):
// typed text arrives in UTF-8 and becomes code page 437 (the SDL backend),
// and file names go from code page 437 to UTF-8 (data_files.cpp).
#pragma once

#include <string>

namespace core {

// The Unicode code points of the code page 437 characters 0x80..0xFF.
extern const char16_t kCp437UpperHalf[128];

// Code page 437 text in UTF-8; bytes below 0x80 stay as they are.
std::string cp437ToUtf8(const std::string& cp437);

}  // namespace core
