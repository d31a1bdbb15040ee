// tile_codes.cpp — the tile table: every TileCode with its images.
#include "common/tile_codes.h"

// The table names every code; inside this file the names go unqualified.
using namespace tile;

const TileInfo kTileTable[] = {
    {SecretPillar, "SecretPillar", "seule", nullptr},
    {SecretOldWall, "SecretOldWall", "altwand", nullptr},
    {Floor, "Floor", "Schwarz", nullptr},
    {Floor2, "Floor2", "Schwarz2", nullptr},
    {Floor3, "Floor3", "Schwarz3", nullptr},
    {Floor4, "Floor4", "Schwarz4", nullptr},
    {SecretRedWall, "SecretRedWall", "mauer01", nullptr},
    {SecretOldMasonry, "SecretOldMasonry", "altmauer", nullptr},
    {DeadEye, "DeadEye", "Augetot", nullptr},
    {DeadCleaner, "DeadCleaner", "putzenmanntot", nullptr},
    {Smoke, "Smoke", "schmauch1", "schmauch2"},
    {DeadPig, "DeadPig", "SchweinTot", nullptr},
    {Flame, "Flame", "Flamm1", "Flamm2"},
    {Flame2, "Flame2", "Flamme1", "Flamme2"},
    {Embers, "Embers", "glut1", "glut2"},
    {Waterfall, "Waterfall", "wasserfall", "wasserfall2"},
    {Water, "Water", "welle1", "welle2"},
    {Door, "Door", "tuer", nullptr},
    {Axe, "Axe", "axt", nullptr},
    {Jug, "Jug", "krug", nullptr},
    {Sword, "Sword", "Schwert", nullptr},
    {ShootingStar, "ShootingStar", "SternSchnuppe", nullptr},
    {Cross, "Cross", "kreuz", nullptr},
    {Key, "Key", "Schluessel", nullptr},
    {Key2, "Key2", "Schluessel2", nullptr},
    {BrokenKey, "BrokenKey", "Schluesselkaputt", nullptr},
    {MossKey, "MossKey", "Schluesselmos", nullptr},
    {Crown, "Crown", "krone", nullptr},
    {Harp, "Harp", "harfe", nullptr},
    {CandleStand, "CandleStand", "kerzstaender", nullptr},
    {Barrier, "Barrier", "sperre", nullptr},
    {Barrier2, "Barrier2", "sperre", nullptr},
    {Barrier3, "Barrier3", "sperre", nullptr},
    {Barrier4, "Barrier4", "sperre", nullptr},
    {TreasureBarrier, "TreasureBarrier", "sperreG", nullptr},
    {TreasureBarrier2, "TreasureBarrier2", "sperreG", nullptr},
    {TreasureBarrier3, "TreasureBarrier3", "sperreG", nullptr},
    {CrossBarrier, "CrossBarrier", "sperre2", nullptr},
    {CrossBarrier2, "CrossBarrier2", "sperre2", nullptr},
    {CrossBarrier3, "CrossBarrier3", "sperre2", nullptr},
    {CrossBarrier4, "CrossBarrier4", "sperre2", nullptr},
    {RedWall, "RedWall", "mauer01", nullptr},
    {RedWallZu, "RedWallZu", "mauer01zu", nullptr},
    {RedWallZo, "RedWallZo", "mauer01zo", nullptr},
    {RedWallZl, "RedWallZl", "mauer01zl", nullptr},
    {RedWallZr, "RedWallZr", "mauer01zr", nullptr},
    {RedWindow, "RedWindow", "fenster01", nullptr},
    {RedWall2, "RedWall2", "mauer02", nullptr},
    {OldWall, "OldWall", "altwand", nullptr},
    {OldWallZl, "OldWallZl", "altwandzl", nullptr},
    {OldWallZr, "OldWallZr", "altwandzr", nullptr},
    {OldWallBlood, "OldWallBlood", "altwandblut", nullptr},
    {TorchHolder, "TorchHolder", "flammhalter", nullptr},
    {OldMasonry, "OldMasonry", "altmauer", nullptr},
    {OldMasonryZl, "OldMasonryZl", "altmauerzl", nullptr},
    {OldMasonryZr, "OldMasonryZr", "altmauerzr", nullptr},
    {OldMasonryBlood, "OldMasonryBlood", "altmauerblut", nullptr},
    {OldMasonryRr, "OldMasonryRr", "altmauerrr", nullptr},
    {OldMasonryRl, "OldMasonryRl", "altmauerrl", nullptr},
    {OldMasonryFe, "OldMasonryFe", "altmauerfe", nullptr},
    {Pillar, "Pillar", "seule", nullptr},
    {PillarZo, "PillarZo", "seulezo", nullptr},
    {PillarZu, "PillarZu", "seulezu", nullptr},
    {PillarLevel, "PillarLevel", "seulewaage", nullptr},
    {RoofL, "RoofL", "dachL", nullptr},
    {RoofR, "RoofR", "dachR", nullptr},
    {Roof2L, "Roof2L", "dach2L", nullptr},
    {Roof2R, "Roof2R", "dach2R", nullptr},
    {Roof, "Roof", "dach", nullptr},
    {Roof2, "Roof2", "dach2", nullptr},
    {GreenLeft, "GreenLeft", "gruenlinks", nullptr},
    {GreenMiddle, "GreenMiddle", "gruenmitte", nullptr},
    {GreenRight, "GreenRight", "gruenrechts", nullptr},
    {Chain, "Chain", "kette", nullptr},
    {Metal, "Metal", "metal", nullptr},
    {MetalEL, "MetalEL", "metalEL", nullptr},
    {MetalER, "MetalER", "metalER", nullptr},
    {Chain2, "Chain2", "kette2", nullptr},
    {CloudL, "CloudL", "WolkeL", nullptr},
    {CloudM, "CloudM", "WolkeM", nullptr},
    {CloudR, "CloudR", "WolkeR", nullptr},
};

const std::size_t kTileTableSize = sizeof(kTileTable) / sizeof(kTileTable[0]);
static_assert(sizeof(kTileTable) / sizeof(kTileTable[0]) == 81, "81 tile codes");

const TileInfo* findTile(int code) {
    // The table is sorted by code; 81 rows, a plain binary search.
    std::size_t lo = 0, hi = kTileTableSize;
    while (lo < hi) {
        std::size_t mid = (lo + hi) / 2;
        if (kTileTable[mid].code < code) lo = mid + 1;
        else hi = mid;
    }
    if (lo < kTileTableSize && kTileTable[lo].code == code) return &kTileTable[lo];
    return nullptr;
}
