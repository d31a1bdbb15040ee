// row_copy.h — copying one row of pixels (internal to platform/).
//
// Sprites are erased and cells drawn row by row, 40 pixels at a time, more
// than a thousand blocks in a crowded frame. A library memmove per row costs
// a call and its size dispatch on every row, and a memcpy of a size the
// compiler only knows to be bounded was expanded into a string instruction
// with a start-up cost of its own. Chunks of a fixed size are copied with a
// few vector moves instead; only a short tail is copied pixel by pixel.
#pragma once

#include "platform/platform.h"

#include <cstddef>
#include <cstring>

namespace core {

// Copies n pixels; the rows must not overlap (they lie on different pages
// or in an image).
inline void copyRow(Colour* to, const Colour* from, std::size_t n) {
    constexpr std::size_t kChunk = 8;  // 32 bytes, two vector moves
    std::size_t i = 0;
    for (; i + kChunk <= n; i += kChunk) std::memcpy(to + i, from + i, sizeof(Colour) * kChunk);
    for (; i < n; ++i) to[i] = from[i];
}

}  // namespace core
