// glide.h — bringing a step offset back to rest, a few pixels per frame.
#pragma once

// The offset after one frame's glide: toward 0 by `pixels`, never past it.
int glidedOffset(int offset, int pixels);

// One glide of one axis of the wizard: when the offset is not 0, `erase`,
// move it by glidedOffset, `draw`. An offset of 0 draws nothing.
void glideOffset(int& offset, int pixels, void (*erase)(), void (*draw)());
