// cp437.cpp — UTF-8 to code page 437 for typed text: the platform core's
// conversion, with what the code page lacks dropped.
#include "platform/sdl/cp437.h"

namespace sdl {

std::string utf8ToCp437(const std::string& utf8) {
    std::string cp437;
    core::utf8ToCp437(utf8, cp437);
    return cp437;
}

}  // namespace sdl
