// The tile table: every code once, in ascending order, found by findTile.
#include "common/tile_codes.h"

#include <gtest/gtest.h>

namespace {

TEST(TileTable, HoldsTheCodesInAscendingOrderAndFindTileFindsEach) {
    EXPECT_EQ(kTileTableSize, 81u);
    int editorCodes = 0;
    for (std::size_t i = 0; i < kTileTableSize; ++i) {
        const TileInfo& t = kTileTable[i];
        if (i > 0) {
            EXPECT_LT(kTileTable[i - 1].code, t.code) << t.name;
        }
        EXPECT_EQ(findTile(t.code), &t) << t.name;
        editorCodes += t.editorImage != kNoPicture;
    }
    EXPECT_EQ(editorCodes, 77) << "all but the four that arise in play";
    for (int unknown : {-3, 15, 28, 99, 163, 1 << 30}) EXPECT_EQ(findTile(unknown), nullptr) << unknown;
}

}  // namespace
