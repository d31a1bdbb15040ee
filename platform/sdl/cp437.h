// cp437.h — typed text from SDL (UTF-8) as code page 437 bytes, the character
// set of every text the programs handle. Internal to the SDL backend; the SDL
// tests include it.
#pragma once

#include "platform/cp437_unicode.h"

#include <string>

namespace sdl {

// The Unicode code points of the code page 437 characters 0x80..0xFF.
using core::kCp437UpperHalf;
// The code page 437 byte of a Unicode code point (cp437_unicode.h).
using core::cp437FromCodePoint;

// Converts UTF-8 text to code page 437. Characters the code page lacks and
// malformed UTF-8 sequences are dropped.
std::string utf8ToCp437(const std::string& utf8);

}  // namespace sdl
