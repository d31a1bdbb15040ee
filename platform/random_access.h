// random_access.h — random01 as an inline function over a state of the
// shared code. Included by platform.h at its end; the programs call
// random01 through platform.h and never use the core:: name.
//
// The scene dissolve draws two numbers per pixel, two million in a row. As a
// call into the library each draw cost a call, a return and a load and store
// of the state: in a profile of the dissolve a fifth of the time was spent in
// random01 alone, and the loop took 1.6 to 1.9 times as long as the same loop
// on raw arrays. Inline, a draw costs what the raw loop's does.
#pragma once

#include <cstdint>

namespace core {
// The xorshift64* state; defined in random.cpp, reset by headless::reset.
extern std::uint64_t randomState;
}  // namespace core

// xorshift64*: a few instructions per draw, an even unpatterned order for
// the dissolves. The top 53 bits of the product give a double in [0, 1).
inline double random01() {
    std::uint64_t& s = core::randomState;
    s ^= s >> 12;
    s ^= s << 25;
    s ^= s >> 27;
    return static_cast<double>((s * 0x2545F4914F6CDD1Dull) >> 11) * (1.0 / 9007199254740992.0);
}
