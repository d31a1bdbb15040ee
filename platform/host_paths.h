// host_paths.h — a program's file name as the host names the file (internal
// to platform/). The one conversion every reader and writer of files uses:
// the data files, the pictures and the sounds.
//
// The programs name files in code page 437, like all their texts, with "\"
// as separator ("sprites\Zaub1.bmp", "Data\gr\x81n.sav"); the host's file is
// named by the UTF-8 form of that with "/", so a typed "gr\x81n" is the file
// "gr\xC3\xBCn", which file managers and shells show and type as the word it
// is. Every path is relative to the program's folder: an absolute one, one
// with a ".." component or a NUL byte is refused.
#pragma once

#include <string>

namespace core {

// The host path of a program's path; "" when it is refused (empty, a NUL
// byte, absolute, or a ".." component).
std::string hostPath(const std::string& path);

// The host path of a file the programs may write; "" when refused: as
// hostPath, and further the first component must be exactly "Data",
// followed by at least one more, with no empty or "." component anywhere
// ("Data\\x", "Data\.\x", "Data\" are refused). So nothing is ever
// written outside the folder Data.
std::string writableHostPath(const std::string& path);

}  // namespace core
