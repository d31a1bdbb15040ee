// tile_codes.cpp — the tile table: every TileCode with its pictures in the
// game and in the editor.
#include "common/tile_codes.h"

// The table names every code; inside this file the names go unqualified.
using namespace tile;
using P = Picture;

const TileInfo kTileTable[] = {
    {SecretPillar, "SecretPillar", P::seule, kNoPicture, P::seule, true},
    {SecretOldWall, "SecretOldWall", P::altwand, kNoPicture, P::altwand, true},
    {Floor, "Floor", P::Schwarz, kNoPicture, P::Schwarz, false},
    {Floor2, "Floor2", P::Schwarz2, kNoPicture, P::Schwarz2, false},
    {Floor3, "Floor3", P::Schwarz3, kNoPicture, P::Schwarz3, false},
    {Floor4, "Floor4", P::Schwarz4, kNoPicture, P::Schwarz4, false},
    {SecretRedWall, "SecretRedWall", P::mauer01, kNoPicture, P::mauer01, true},
    {SecretOldMasonry, "SecretOldMasonry", P::altmauer, kNoPicture, P::altmauer, true},
    {DeadEye, "DeadEye", P::Augetot, kNoPicture, kNoPicture, false},
    {DeadCleaner, "DeadCleaner", P::putzenmanntot, kNoPicture, kNoPicture, false},
    {Smoke, "Smoke", P::schmauch1, P::schmauch2, kNoPicture, false},
    {DeadPig, "DeadPig", P::SchweinTot, kNoPicture, kNoPicture, false},
    {Flame, "Flame", P::Flamm1, P::Flamm2, P::Flamm1, false},
    {Flame2, "Flame2", P::Flamme1, P::Flamme2, P::Flamme1, false},
    {Embers, "Embers", P::glut1, P::glut2, P::glut1, false},
    {Waterfall, "Waterfall", P::wasserfall, P::wasserfall2, P::wasserfall, false},
    {Water, "Water", P::welle1, P::welle2, P::welle1, false},
    {Door, "Door", P::tuer, kNoPicture, P::tuer, false},
    {Axe, "Axe", P::axt, kNoPicture, P::axt, false},
    {Jug, "Jug", P::krug, kNoPicture, P::krug, false},
    {Sword, "Sword", P::Schwert, kNoPicture, P::Schwert, false},
    {ShootingStar, "ShootingStar", P::SternSchnuppe, kNoPicture, P::SternSchnuppe, false},
    {Cross, "Cross", P::kreuz, kNoPicture, P::kreuz, false},
    {Key, "Key", P::Schluessel, kNoPicture, P::Schluessel, false},
    {Key2, "Key2", P::Schluessel2, kNoPicture, P::Schluessel2, false},
    {BrokenKey, "BrokenKey", P::Schluesselkaputt, kNoPicture, P::Schluesselkaputt, false},
    {MossKey, "MossKey", P::Schluesselmos, kNoPicture, P::Schluesselmos, false},
    {Crown, "Crown", P::krone, kNoPicture, P::krone, false},
    {Harp, "Harp", P::harfe, kNoPicture, P::harfe, false},
    {CandleStand, "CandleStand", P::kerzstaender, kNoPicture, P::kerzstaender, false},
    {Barrier, "Barrier", P::sperre, kNoPicture, P::sperre, false},
    {Barrier2, "Barrier2", P::sperre, kNoPicture, P::sperre002, false},
    {Barrier3, "Barrier3", P::sperre, kNoPicture, P::sperre003, false},
    {Barrier4, "Barrier4", P::sperre, kNoPicture, P::sperre004, false},
    {TreasureBarrier, "TreasureBarrier", P::sperreG, kNoPicture, P::sperreG, false},
    {TreasureBarrier2, "TreasureBarrier2", P::sperreG, kNoPicture, P::sperreG2, false},
    {TreasureBarrier3, "TreasureBarrier3", P::sperreG, kNoPicture, P::sperreG3, false},
    {CrossBarrier, "CrossBarrier", P::sperre2, kNoPicture, P::sperre2, false},
    {CrossBarrier2, "CrossBarrier2", P::sperre2, kNoPicture, P::sperre202, false},
    {CrossBarrier3, "CrossBarrier3", P::sperre2, kNoPicture, P::sperre203, false},
    {CrossBarrier4, "CrossBarrier4", P::sperre2, kNoPicture, P::sperre204, false},
    {RedWall, "RedWall", P::mauer01, kNoPicture, P::mauer01, false},
    {RedWallZu, "RedWallZu", P::mauer01zu, kNoPicture, P::mauer01zu, false},
    {RedWallZo, "RedWallZo", P::mauer01zo, kNoPicture, P::mauer01zo, false},
    {RedWallZl, "RedWallZl", P::mauer01zl, kNoPicture, P::mauer01zl, false},
    {RedWallZr, "RedWallZr", P::mauer01zr, kNoPicture, P::mauer01zr, false},
    {RedWindow, "RedWindow", P::fenster01, kNoPicture, P::fenster01, false},
    {RedWall2, "RedWall2", P::mauer02, kNoPicture, P::mauer02, false},
    {OldWall, "OldWall", P::altwand, kNoPicture, P::altwand, false},
    {OldWallZl, "OldWallZl", P::altwandzl, kNoPicture, P::altwandzl, false},
    {OldWallZr, "OldWallZr", P::altwandzr, kNoPicture, P::altwandzr, false},
    {OldWallBlood, "OldWallBlood", P::altwandblut, kNoPicture, P::altwandblut, false},
    {TorchHolder, "TorchHolder", P::flammhalter, kNoPicture, P::flammhalter, false},
    {OldMasonry, "OldMasonry", P::altmauer, kNoPicture, P::altmauer, false},
    {OldMasonryZl, "OldMasonryZl", P::altmauerzl, kNoPicture, P::altmauerzl, false},
    {OldMasonryZr, "OldMasonryZr", P::altmauerzr, kNoPicture, P::altmauerzr, false},
    {OldMasonryBlood, "OldMasonryBlood", P::altmauerblut, kNoPicture, P::altmauerblut, false},
    {OldMasonryRr, "OldMasonryRr", P::altmauerrr, kNoPicture, P::altmauerrr, false},
    {OldMasonryRl, "OldMasonryRl", P::altmauerrl, kNoPicture, P::altmauerrl, false},
    {OldMasonryFe, "OldMasonryFe", P::altmauerfe, kNoPicture, P::altmauerfe, false},
    {Pillar, "Pillar", P::seule, kNoPicture, P::seule, false},
    {PillarZo, "PillarZo", P::seulezo, kNoPicture, P::seulezo, false},
    {PillarZu, "PillarZu", P::seulezu, kNoPicture, P::seulezu, false},
    {PillarLevel, "PillarLevel", P::seulewaage, kNoPicture, P::seulewaage, false},
    {RoofL, "RoofL", P::dachL, kNoPicture, P::dachL, false},
    {RoofR, "RoofR", P::dachR, kNoPicture, P::dachR, false},
    {Roof2L, "Roof2L", P::dach2L, kNoPicture, P::dach2L, false},
    {Roof2R, "Roof2R", P::dach2R, kNoPicture, P::dach2R, false},
    {Roof, "Roof", P::dach, kNoPicture, P::dach, false},
    {Roof2, "Roof2", P::dach2, kNoPicture, P::dach2, false},
    {GreenLeft, "GreenLeft", P::gruenlinks, kNoPicture, P::gruenlinks, false},
    {GreenMiddle, "GreenMiddle", P::gruenmitte, kNoPicture, P::gruenmitte, false},
    {GreenRight, "GreenRight", P::gruenrechts, kNoPicture, P::gruenrechts, false},
    {Chain, "Chain", P::kette, kNoPicture, P::kette, false},
    {Metal, "Metal", P::metal, kNoPicture, P::metal, false},
    {MetalEL, "MetalEL", P::metalEL, kNoPicture, P::metalEL, false},
    {MetalER, "MetalER", P::metalER, kNoPicture, P::metalER, false},
    {Chain2, "Chain2", P::kette2, kNoPicture, P::kette2, false},
    {CloudL, "CloudL", P::WolkeL, kNoPicture, P::WolkeL, false},
    {CloudM, "CloudM", P::WolkeM, kNoPicture, P::WolkeM, false},
    {CloudR, "CloudR", P::WolkeR, kNoPicture, P::WolkeR, false},
};

const std::size_t kTileTableSize = sizeof(kTileTable) / sizeof(kTileTable[0]);

const TileInfo* findTile(int code) {
    // The table is sorted by code; 81 rows, a plain binary search.
    std::size_t lo = 0, hi = kTileTableSize;
    while (lo < hi) {
        std::size_t mid = (lo + hi) / 2;
        if (kTileTable[mid].code < code)
            lo = mid + 1;
        else
            hi = mid;
    }
    if (lo < kTileTableSize && kTileTable[lo].code == code) return &kTileTable[lo];
    return nullptr;
}
