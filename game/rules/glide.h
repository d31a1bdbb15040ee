// glide.h — bringing a step offset back to rest, a few pixels per frame.
#pragma once

// One glide of one axis, as the wizard and every creature kind use it: an
// offset above 0 is lowered, then an offset below 0 is raised, each time by
// `pixels` and never past 0, with `erase` before and `draw` after the change.
// An offset of 0 draws nothing.
void glideOffset(int& offset, int pixels, void (*erase)(), void (*draw)());
