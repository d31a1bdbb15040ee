// random.cpp — the state of random01 (inline, in random_access.h), with its
// fixed start.
//
// xorshift64* is enough for the dissolve effects, which only need the
// pixels visited in an even, unpatterned order.
#include "platform/platform.h"
#include "platform/random_state.h"

#include <cstdint>

namespace {
constexpr std::uint64_t kStartState = 0x9E3779B97F4A7C15ull;
}  // namespace

namespace core {
std::uint64_t randomState = kStartState;
void resetRandom() { randomState = kStartState; }
}  // namespace core
