// cp437_unicode.h — code page 437, the character set of every text of the
// programs, and Unicode (internal): the one converter both ways. Typed text
// arrives from the host in UTF-8 and becomes code page 437 (typedText in
// keyboard.cpp), as do the command line's names (textFromHost); file names
// go from code page 437 to UTF-8 (host_paths.cpp).
#pragma once

#include <string>

namespace core {

// The Unicode code points of the code page 437 characters 0x80..0xFF.
extern const char16_t kCp437UpperHalf[128];

// Code page 437 text in UTF-8; bytes below 0x80 stay as they are.
std::string cp437ToUtf8(const std::string& cp437);

// The code page 437 byte of a Unicode code point; -1 when the code page has
// no such character. Code points below 0x80 are their own byte.
int cp437FromCodePoint(char32_t codePoint);

// UTF-8 text in code page 437. A character the code page lacks, and each
// byte of a malformed UTF-8 sequence, becomes `missing`, or is dropped when
// `missing` is 0. False when that happened to any.
bool utf8ToCp437(const std::string& utf8, std::string& cp437, char missing = 0);
// The same with what the code page lacks dropped (typed text).
std::string utf8ToCp437(const std::string& utf8);

}  // namespace core
