// tile_codes.h — the TileCode numbering shared by the game and the editor.
//
// Every map cell holds one integer code; the names live in the namespace
// `tile` (tile::Door, tile::Key), so that they do not crowd the global scope.
// The one rule both the wizard's and the pigs' steps use: a code below 50 can
// be entered, 50 or more is solid.
// Codes 6..9 arise only during play (corpses and smoke); the editor places
// the other 77.
#pragma once

#include "common/pictures.h"

#include <cstddef>

namespace tile {

enum TileCode : int {
    SecretPillar = -2,   // enterable; looks like Pillar (140)
    SecretOldWall = -1,  // enterable; looks like OldWall (120)
    Floor = 0,           // empty floor; opened barriers and emptied item cells
    Floor2 = 1,
    Floor3 = 2,
    Floor4 = 3,
    SecretRedWall = 4,     // enterable; looks like RedWall (100)
    SecretOldMasonry = 5,  // enterable; looks like OldMasonry (130)
    DeadEye = 6,           // left where an eye was killed
    DeadCleaner = 7,       // left where a cleaning man was killed
    Smoke = 8,             // left where a flame ghost was killed (animated)
    DeadPig = 9,           // left where a pig was killed
    Flame = 10,            // costs energy (animated)
    Flame2 = 11,           // as Flame
    Embers = 12,           // restores energy (animated)
    Waterfall = 13,        // no effect (animated)
    Water = 14,            // the wizard drowns (animated)
    Door = 29,             // exit to the next level
    Axe = 30,              // item; kills pigs
    Jug = 31,              // item; kills flame ghosts
    Sword = 32,            // item; kills cleaning men
    ShootingStar = 33,     // item; fires the splinter burst
    Cross = 34,            // item; kills eyes
    Key = 40,              // item; opens 50 sideways, 60 vertically
    Key2 = 41,             // opens 51 / 61
    BrokenKey = 42,        // opens 52 / 62
    MossKey = 43,          // opens 53 / 63
    Crown = 44,            // opens 54 sideways
    Harp = 45,             // opens 55 sideways
    CandleStand = 46,      // opens 56 sideways
    Barrier = 50,          // solid; opened sideways by the item 10 less
    Barrier2 = 51,
    Barrier3 = 52,
    Barrier4 = 53,
    TreasureBarrier = 54,   // solid; opened sideways by 44
    TreasureBarrier2 = 55,  // by 45
    TreasureBarrier3 = 56,  // by 46
    CrossBarrier = 60,      // solid; opened from above or below by the item 20 less
    CrossBarrier2 = 61,
    CrossBarrier3 = 62,
    CrossBarrier4 = 63,
    RedWall = 100,
    RedWallZu = 101,
    RedWallZo = 102,
    RedWallZl = 103,
    RedWallZr = 104,
    RedWindow = 105,
    RedWall2 = 110,
    OldWall = 120,
    OldWallZl = 121,
    OldWallZr = 122,
    OldWallBlood = 123,
    TorchHolder = 124,
    OldMasonry = 130,
    OldMasonryZl = 131,
    OldMasonryZr = 132,
    OldMasonryBlood = 133,
    OldMasonryRr = 134,
    OldMasonryRl = 135,
    OldMasonryFe = 136,
    Pillar = 140,
    PillarZo = 141,
    PillarZu = 142,
    PillarLevel = 143,
    RoofL = 144,
    RoofR = 145,
    Roof2L = 146,
    Roof2R = 147,
    Roof = 148,
    Roof2 = 149,
    GreenLeft = 150,
    GreenMiddle = 151,
    GreenRight = 152,
    Chain = 153,
    Metal = 154,
    MetalEL = 155,
    MetalER = 156,
    Chain2 = 157,
    CloudL = 160,
    CloudM = 161,
    CloudR = 162,
};

}  // namespace tile

using tile::TileCode;

// First solid code.
constexpr int kFirstSolidCode = 50;

inline bool isEnterableCode(int code) { return code < kFirstSolidCode; }
// Codes the action exchanges with the held item: the items and the unnamed
// codes up to the first solid one (30..49). Flames, embers, the waterfall,
// water and the door are never exchanged.
inline bool isExchangedCode(int code) { return code >= tile::Axe && code < kFirstSolidCode; }
// Items are the only codes the wizard can hold: 30..34 and 40..46.
inline bool isItemCode(int code) {
    return (code >= tile::Axe && code <= tile::Cross) || (code >= tile::Key && code <= tile::CandleStand);
}

// One row of the tile table: the code, its name, and the pictures the game
// and the editor draw for it.
struct TileInfo {
    int code;             // the TileCode
    const char* name;     // its name, as in the enum above
    Picture image;        // what the game draws; phase A when animated
    Picture image2;       // the game's phase-B picture, or kNoPicture when not animated
    Picture editorImage;  // what the editor draws, or kNoPicture for the codes only play makes
    bool marked;          // the editor puts its marker on it: the secret codes -2, -1, 4, 5
};

// All 81 codes, in ascending order of code.
extern const TileInfo kTileTable[];
extern const std::size_t kTileTableSize;

// The row for code, or nullptr when the code is not in the table.
const TileInfo* findTile(int code);
