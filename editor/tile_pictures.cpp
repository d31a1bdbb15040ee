// tile_pictures.cpp — the picture of each TileCode in the editor: one image
// per code, drawn opaque (magenta included: the editor uses no
// transparency). The secret codes -2, -1, 4 and 5 look like the walls they
// hide in (140, 120, 100, 130) and carry the marker Zaub10, combined by
// exclusive or into their top-left corner. The numbered barriers have
// pictures of their own here, so the level maker tells them apart. The
// codes that only arise in play (6..9) and codes no table knows have no
// picture: drawing one leaves the cell as it was.
//
// Writes: nothing of the record.
#include "editor/drawing.h"

#include "common/map_geometry.h"
#include "common/tile_codes.h"
#include "platform/platform.h"

#include <algorithm>

using namespace tile;

const TilePicture kTilePictures[] = {
    {SecretPillar, EdImg::seule, true},
    {SecretOldWall, EdImg::altwand, true},
    {Floor, EdImg::Schwarz, false},
    {Floor2, EdImg::Schwarz2, false},
    {Floor3, EdImg::Schwarz3, false},
    {Floor4, EdImg::Schwarz4, false},
    {SecretRedWall, EdImg::mauer01, true},
    {SecretOldMasonry, EdImg::altmauer, true},
    {Flame, EdImg::Flamm1, false},
    {Flame2, EdImg::Flamme1, false},
    {Embers, EdImg::glut1, false},
    {Waterfall, EdImg::wasserfall, false},
    {Water, EdImg::welle1, false},
    {Door, EdImg::tuer, false},
    {Axe, EdImg::axt, false},
    {Jug, EdImg::krug, false},
    {Sword, EdImg::Schwert, false},
    {ShootingStar, EdImg::SternSchnuppe, false},
    {Cross, EdImg::kreuz, false},
    {Key, EdImg::Schluessel, false},
    {Key2, EdImg::Schluessel2, false},
    {BrokenKey, EdImg::Schluesselkaputt, false},
    {MossKey, EdImg::Schluesselmos, false},
    {Crown, EdImg::krone, false},
    {Harp, EdImg::harfe, false},
    {CandleStand, EdImg::kerzstaender, false},
    {Barrier, EdImg::sperre, false},
    {Barrier2, EdImg::sperre002, false},
    {Barrier3, EdImg::sperre003, false},
    {Barrier4, EdImg::sperre004, false},
    {TreasureBarrier, EdImg::sperreG, false},
    {TreasureBarrier2, EdImg::sperreG2, false},
    {TreasureBarrier3, EdImg::sperreG3, false},
    {CrossBarrier, EdImg::sperre2, false},
    {CrossBarrier2, EdImg::sperre202, false},
    {CrossBarrier3, EdImg::sperre203, false},
    {CrossBarrier4, EdImg::sperre204, false},
    {RedWall, EdImg::mauer01, false},
    {RedWallZu, EdImg::mauer01zu, false},
    {RedWallZo, EdImg::mauer01zo, false},
    {RedWallZl, EdImg::mauer01zl, false},
    {RedWallZr, EdImg::mauer01zr, false},
    {RedWindow, EdImg::fenster01, false},
    {RedWall2, EdImg::mauer02, false},
    {OldWall, EdImg::altwand, false},
    {OldWallZl, EdImg::altwandzl, false},
    {OldWallZr, EdImg::altwandzr, false},
    {OldWallBlood, EdImg::altwandblut, false},
    {TorchHolder, EdImg::flammhalter, false},
    {OldMasonry, EdImg::altmauer, false},
    {OldMasonryZl, EdImg::altmauerzl, false},
    {OldMasonryZr, EdImg::altmauerzr, false},
    {OldMasonryBlood, EdImg::altmauerblut, false},
    {OldMasonryRr, EdImg::altmauerrr, false},
    {OldMasonryRl, EdImg::altmauerrl, false},
    {OldMasonryFe, EdImg::altmauerfe, false},
    {Pillar, EdImg::seule, false},
    {PillarZo, EdImg::seulezo, false},
    {PillarZu, EdImg::seulezu, false},
    {PillarLevel, EdImg::seulewaage, false},
    {RoofL, EdImg::dachL, false},
    {RoofR, EdImg::dachR, false},
    {Roof2L, EdImg::dach2L, false},
    {Roof2R, EdImg::dach2R, false},
    {Roof, EdImg::dach, false},
    {Roof2, EdImg::dach2, false},
    {GreenLeft, EdImg::gruenlinks, false},
    {GreenMiddle, EdImg::gruenmitte, false},
    {GreenRight, EdImg::gruenrechts, false},
    {Chain, EdImg::kette, false},
    {Metal, EdImg::metal, false},
    {MetalEL, EdImg::metalEL, false},
    {MetalER, EdImg::metalER, false},
    {Chain2, EdImg::kette2, false},
    {CloudL, EdImg::WolkeL, false},
    {CloudM, EdImg::WolkeM, false},
    {CloudR, EdImg::WolkeR, false},
};
const std::size_t kTilePictureCount = sizeof kTilePictures / sizeof kTilePictures[0];
static_assert(sizeof kTilePictures / sizeof kTilePictures[0] == 77, "the editor draws 77 codes");

const TilePicture* findTilePicture(int code) {
    // Sorted by code: a binary search over 77 rows for each of 280 cells.
    const TilePicture* end = kTilePictures + kTilePictureCount;
    const TilePicture* row =
        std::lower_bound(kTilePictures, end, code, [](const TilePicture& p, int c) { return p.code < c; });
    return row != end && row->code == code ? row : nullptr;
}

void drawCode(int code, int c, int r) {
    const TilePicture* picture = findTilePicture(code);
    if (picture == nullptr) return;
    const int x = kCell * (c - 1);
    const int y = kCell * (r - 1);
    drawImage(x, y, editorImage(picture->image), DrawMode::Opaque);
    if (picture->marked) drawImage(x, y, editorImage(EdImg::Zaub10), DrawMode::Xor);
}
