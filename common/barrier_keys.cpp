// barrier_keys.cpp — the barrier-and-key table.
#include "common/barrier_keys.h"

#include "common/tile_codes.h"

const BarrierKey kBarrierKeys[] = {
    {tile::Barrier, tile::Key, Approach::Sideways},
    {tile::Barrier2, tile::Key2, Approach::Sideways},
    {tile::Barrier3, tile::BrokenKey, Approach::Sideways},
    {tile::Barrier4, tile::MossKey, Approach::Sideways},
    {tile::TreasureBarrier, tile::Crown, Approach::Sideways},
    {tile::TreasureBarrier2, tile::Harp, Approach::Sideways},
    {tile::TreasureBarrier3, tile::CandleStand, Approach::Sideways},
    {tile::CrossBarrier, tile::Key, Approach::Vertical},
    {tile::CrossBarrier2, tile::Key2, Approach::Vertical},
    {tile::CrossBarrier3, tile::BrokenKey, Approach::Vertical},
    {tile::CrossBarrier4, tile::MossKey, Approach::Vertical},
};

const std::size_t kBarrierKeyCount = sizeof(kBarrierKeys) / sizeof(kBarrierKeys[0]);

const BarrierKey* findBarrier(int code) {
    for (const BarrierKey& row : kBarrierKeys) {
        if (row.barrier == code) return &row;
    }
    return nullptr;
}

bool opensBarrier(int code, int heldItem, Approach approach) {
    const BarrierKey* row = findBarrier(code);
    return row && row->item == heldItem && row->approach == approach;
}
