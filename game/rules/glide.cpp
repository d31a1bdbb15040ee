// glide.cpp — the per-frame movement of a step offset toward 0.
//
// Writes: the offset it is given (wizard or creature offsets).
#include "game/rules/glide.h"

#include <algorithm>

int glidedOffset(int offset, int pixels) {
    // Offsets start at +-40 and the glides divide 40, so they land on 0
    // exactly; the clamp only keeps an odd offset (restored from damaged
    // data) from swinging around 0 for ever.
    if (offset > 0) return std::max(0, offset - pixels);
    if (offset < 0) return std::min(0, offset + pixels);
    return 0;
}

void glideOffset(int& offset, int pixels, void (*erase)(), void (*draw)()) {
    if (offset == 0) return;
    erase();
    offset = glidedOffset(offset, pixels);
    draw();
}
