// level_overview.cpp — renders a level map into a PNG file.
//
// Reads the LevelSource given; writes only the named file. No global state.
#include "tools/levels/level_overview.h"

#include "common/creature_pictures.h"
#include "common/tile_codes.h"
#include "tools/image/image_files.h"

#include <algorithm>

namespace {

// How the overview shows one TileCode: a fill colour and, where the tile
// should stand out from its neighbours, a dot in the middle (0 = none).
struct OverviewTile {
    int code;
    unsigned colour;  // 0xRRGGBB
    unsigned dot;     // 0xRRGGBB, or 0 for no dot
};

// The colour table names every code; here the names go unqualified.
using namespace tile;

constexpr OverviewTile kOverviewTiles[] = {
    {SecretPillar, 0xC8C0A8, 0x202020},
    {SecretOldWall, 0x6A6050, 0x202020},
    {Floor, 0x101010, 0},
    {Floor2, 0x1C1A18, 0},
    {Floor3, 0x181C20, 0},
    {Floor4, 0x201818, 0},
    {SecretRedWall, 0x9A2A1A, 0x202020},
    {SecretOldMasonry, 0x808080, 0x202020},
    {DeadEye, 0x405020, 0},
    {DeadCleaner, 0x204050, 0},
    {Smoke, 0x505050, 0},
    {DeadPig, 0x502030, 0},
    {Flame, 0xFF5010, 0xFFD040},
    {Flame2, 0xFF8020, 0xFFE080},
    {Embers, 0xA02000, 0xFF8000},
    {Waterfall, 0x80C0FF, 0xFFFFFF},
    {Water, 0x2050D0, 0},
    {Door, 0xFFFF00, 0x000000},
    {Axe, 0x00C0C0, 0xFFFFFF},
    {Jug, 0x00C0C0, 0xFF5010},
    {Sword, 0x00C0C0, 0x40E0FF},
    {ShootingStar, 0xFFFFFF, 0xFFFF00},
    {Cross, 0x00C0C0, 0xA0FF40},
    {Key, 0xFFC000, 0x000000},
    {Key2, 0xFFC000, 0x0000FF},
    {BrokenKey, 0xFFC000, 0xFF0000},
    {MossKey, 0xFFC000, 0x00A000},
    {Crown, 0xFF40FF, 0xFFC000},
    {Harp, 0xFF40FF, 0x0000FF},
    {CandleStand, 0xFF40FF, 0xFFFFFF},
    {Barrier, 0xC07000, 0x000000},
    {Barrier2, 0xC07000, 0x0000FF},
    {Barrier3, 0xC07000, 0xFF0000},
    {Barrier4, 0xC07000, 0x00A000},
    {TreasureBarrier, 0xA000A0, 0xFFC000},
    {TreasureBarrier2, 0xA000A0, 0x0000FF},
    {TreasureBarrier3, 0xA000A0, 0xFFFFFF},
    {CrossBarrier, 0x8040C0, 0x000000},
    {CrossBarrier2, 0x8040C0, 0x0000FF},
    {CrossBarrier3, 0x8040C0, 0xFF0000},
    {CrossBarrier4, 0x8040C0, 0x00A000},
    {RedWall, 0x9A2A1A, 0},
    {RedWallZu, 0xB04030, 0},
    {RedWallZo, 0xB04030, 0},
    {RedWallZl, 0x8A2010, 0},
    {RedWallZr, 0x8A2010, 0},
    {RedWindow, 0xD07050, 0x301010},
    {RedWall2, 0x7A3A2A, 0},
    {OldWall, 0x6A6050, 0},
    {OldWallZl, 0x5A5040, 0},
    {OldWallZr, 0x5A5040, 0},
    {OldWallBlood, 0x6A6050, 0xC00000},
    {TorchHolder, 0x6A6050, 0xFF9000},
    {OldMasonry, 0x808080, 0},
    {OldMasonryZl, 0x707070, 0},
    {OldMasonryZr, 0x707070, 0},
    {OldMasonryBlood, 0x808080, 0xC00000},
    {OldMasonryRr, 0x909090, 0},
    {OldMasonryRl, 0x909090, 0},
    {OldMasonryFe, 0x808080, 0x303040},
    {Pillar, 0xC8C0A8, 0},
    {PillarZo, 0xD8D0B8, 0},
    {PillarZu, 0xD8D0B8, 0},
    {PillarLevel, 0xB8B098, 0},
    {RoofL, 0x703020, 0},
    {RoofR, 0x703020, 0},
    {Roof2L, 0x503828, 0},
    {Roof2R, 0x503828, 0},
    {Roof, 0x804030, 0},
    {Roof2, 0x604838, 0},
    {GreenLeft, 0x207020, 0},
    {GreenMiddle, 0x2A8A2A, 0},
    {GreenRight, 0x207020, 0},
    {Chain, 0x505860, 0xA0A0A0},
    {Metal, 0x5A6A7A, 0},
    {MetalEL, 0x4A5A6A, 0},
    {MetalER, 0x4A5A6A, 0},
    {Chain2, 0x505860, 0xC0C0C0},
    {CloudL, 0xC0C8D0, 0},
    {CloudM, 0xD8E0E8, 0},
    {CloudR, 0xC0C8D0, 0},
};

constexpr unsigned kUnknownColour = 0xFF00C0;
// The start's mark; the creatures' are kCreatureMarkColours.
constexpr unsigned kStartColour = 0xFFFFFF;
constexpr unsigned kScreenLineColour = 0x606060;

const OverviewTile* overviewTile(int code) {
    for (const OverviewTile& tile : kOverviewTiles)
        if (tile.code == code) return &tile;
    return nullptr;
}

using imagefile::Canvas;

// Fills the part of the w x h box at (x, y) that lies on the canvas.
void fillBox(Canvas& canvas, int x, int y, int w, int h, unsigned colour) {
    for (int j = std::max(y, 0); j < std::min(y + h, canvas.height); ++j)
        for (int i = std::max(x, 0); i < std::min(x + w, canvas.width); ++i) canvas.at(i, j) = colour;
}

}  // namespace

unsigned overviewColour(int code) {
    const OverviewTile* tile = overviewTile(code);
    return tile ? tile->colour : kUnknownColour;
}

bool writeLevelOverview(const LevelSource& source, const std::string& path) {
    const LevelData& level = *source.level;
    int columns = std::clamp(source.gridColumns, 1, kLevelColumns);
    int rows = std::clamp(source.gridRows, 1, kLevelRows);
    const int s = kOverviewCell;
    Canvas canvas(columns * s, rows * s, 0);

    for (int x = 1; x <= columns; ++x) {
        for (int y = 1; y <= rows; ++y) {
            const OverviewTile* tile = overviewTile(level.map[x][y]);
            int px = (x - 1) * s, py = (y - 1) * s;
            fillBox(canvas, px, py, s, s, tile ? tile->colour : kUnknownColour);
            if (tile && tile->dot) fillBox(canvas, px + s / 2 - 1, py + s / 2 - 1, 2, 2, tile->dot);
        }
    }

    // Dotted lines through the middle of the shared columns and rows.
    for (int x = 1 + kViewStepX; x <= columns; x += kViewStepX)
        for (int py = 0; py < canvas.height; py += 2) fillBox(canvas, (x - 1) * s + s / 2, py, 1, 1, kScreenLineColour);
    for (int y = 1 + kViewStepY; y <= rows; y += kViewStepY)
        for (int px = 0; px < canvas.width; px += 2) fillBox(canvas, px, (y - 1) * s + s / 2, 1, 1, kScreenLineColour);

    auto mark = [&](int x, int y, unsigned colour) {
        if (x < 1 || x > columns || y < 1 || y > rows) return;
        int px = (x - 1) * s, py = (y - 1) * s;
        fillBox(canvas, px + 1, py + 1, s - 2, s - 2, colour);
        fillBox(canvas, px + s / 2 - 1, py + s / 2 - 1, 2, 2, 0x000000);
    };
    for (int kind = 0; kind < kCreatureKinds; ++kind) {
        int count = std::clamp(level.counts[kind], 0, kMaxCreatures);
        for (int k = 1; k <= count; ++k)
            mark(level.creatures[kind][k].x, level.creatures[kind][k].y, kCreatureMarkColours[kind]);
    }
    mark(level.playerX, level.playerY, kStartColour);
    return imagefile::writePng(canvas, path);
}
