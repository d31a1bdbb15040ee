// barrier_keys.h — which item opens which barrier, and from which side.
//
// A barrier opens when the wizard walks into it holding its item: the plain
// and treasure barriers (50..56) from the left or right, the cross barriers
// (60..63) from above or below. The opening uses the item up. The game's
// moves, the level checks and the solver all ask this one table.
#pragma once

#include <cstddef>

// The direction a barrier must be walked into.
enum class Approach {
    Sideways,  // a step left or right
    Vertical,  // a step up or down
};

struct BarrierKey {
    int barrier;        // the barrier's TileCode
    int item;           // the item (TileCode) that opens it
    Approach approach;  // the direction it opens from
};

// The eleven barriers, ascending by code.
extern const BarrierKey kBarrierKeys[];
extern const std::size_t kBarrierKeyCount;

// The row of a barrier code; nullptr when the code is no barrier.
const BarrierKey* findBarrier(int code);
// A step in direction `approach` into a cell holding `code`, with `heldItem`
// in hand, opens it.
bool opensBarrier(int code, int heldItem, Approach approach);
