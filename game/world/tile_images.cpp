// tile_images.cpp — maps tile codes to catalogue images.
//
// The tile table (common/tile_codes.cpp) gives each code's pictures; the game
// turns them once into a lookup by code, so a scene render costs one index.
#include "game/world/tile_images.h"

#include "common/tile_codes.h"

#include <array>

namespace {

constexpr int kLowestCode = -2;
constexpr int kHighestCode = 162;
constexpr int kCodes = kHighestCode - kLowestCode + 1;

struct TileImageTable {
    std::array<TileImages, kCodes> byCode;
    TileImageTable() {
        byCode.fill({Img::Count, Img::Count});
        for (std::size_t i = 0; i < kTileTableSize; ++i) {
            const TileInfo& t = kTileTable[i];
            byCode[t.code - kLowestCode] = {gameImage(t.image), gameImage(t.image2)};
        }
    }
};

const TileImageTable& table() {
    static const TileImageTable t;  // built once from the constant tile table
    return t;
}

}  // namespace

TileImages tileImages(int code) {
    if (code < kLowestCode || code > kHighestCode) return {Img::Count, Img::Count};
    return table().byCode[code - kLowestCode];
}

bool isAnimatedTile(int code) { return tileImages(code).phaseB != Img::Count; }
