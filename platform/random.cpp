// random.cpp — random01: a small, fast generator with a fixed start state.
//
// xorshift64* is enough for the dissolve effects, which only need the
// pixels visited in an even, unpatterned order; it costs a few instructions
// per draw, which matters for a loop of a million draws.
#include "platform/platform.h"
#include "platform/random_state.h"

#include <cstdint>

namespace {
constexpr std::uint64_t kStartState = 0x9E3779B97F4A7C15ull;
std::uint64_t state = kStartState;
}  // namespace

double random01() {
    state ^= state >> 12;
    state ^= state << 25;
    state ^= state >> 27;
    std::uint64_t r = state * 0x2545F4914F6CDD1Dull;
    // The top 53 bits give a double in [0, 1).
    return static_cast<double>(r >> 11) * (1.0 / 9007199254740992.0);
}

namespace core {
void resetRandom() { state = kStartState; }
}  // namespace core
