// The sprite catalogue and loading the game's images at start-up.
#include "game/world/sprite_catalogue.h"
#include "common/tile_codes.h"
#include "game/world/scene.h"
#include "game/world/tile_images.h"
#include "game/world/world.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "tests/support/catalogue_images.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <set>
#include <string>

namespace {

class Catalogue : public ::testing::Test {
protected:
    void SetUp() override {
        headless::reset();
        world = World{};
    }
    void TearDown() override { destroyCatalogueImages(); }
};

TEST_F(Catalogue, RowsFollowTheImageOrderWithUniqueNamesAndTheirSizes) {
    std::set<std::string> names;
    int cells = 0;
    for (std::size_t i = 0; i < kImageCount; ++i) {
        const SpriteInfo& s = kSpriteCatalogue[i];
        EXPECT_EQ(static_cast<std::size_t>(s.id), i) << s.name;
        EXPECT_TRUE(names.insert(s.name).second) << s.name;
        EXPECT_EQ(findImage(s.name), s.id);
        if (s.width == 40 && s.height == 40) ++cells;
    }
    EXPECT_EQ(cells, 92);
    EXPECT_EQ(kSpriteCatalogue[static_cast<int>(Img::titel)].width, 250);
    EXPECT_EQ(kSpriteCatalogue[static_cast<int>(Img::zk)].height, 40);
    EXPECT_EQ(kSpriteCatalogue[static_cast<int>(Img::Zaub24)].width, 24);
    EXPECT_EQ(findImage("nichts"), Img::Count);
}

TEST_F(Catalogue, EveryTileImageNamedByTheTileTableIsInTheCatalogue) {
    for (std::size_t i = 0; i < kTileTableSize; ++i) {
        const TileInfo& t = kTileTable[i];
        EXPECT_NE(gameImage(t.image), Img::Count) << t.name;
        if (t.image2 != kNoPicture) {
            EXPECT_NE(gameImage(t.image2), Img::Count) << t.name;
        }
        EXPECT_EQ(isAnimatedTile(t.code), t.image2 != kNoPicture) << t.name;
    }
    EXPECT_EQ(tileImages(15).phaseA, Img::Count);
    EXPECT_EQ(tileImages(-3).phaseA, Img::Count);
    EXPECT_EQ(tileImages(1 << 30).phaseA, Img::Count);
}

TEST_F(Catalogue, MissingFilesLeaveKeyColouredImagesOfTheRightSize) {
    ScratchDir dir;  // no sprites folder at all
    loadAllImages();
    for (const SpriteInfo& s : kSpriteCatalogue) {
        const Image* img = image(s.id);
        ASSERT_NE(img, nullptr) << s.name;
        EXPECT_EQ(img->width, s.width) << s.name;
        EXPECT_EQ(img->height, s.height) << s.name;
        EXPECT_EQ(img->pixels.front(), kNewImageColour) << s.name;
    }
}

TEST_F(Catalogue, WithoutItsFileEveryFloorCellShowsAsAMagentaSquare) {
    ScratchDir dir;
    std::filesystem::create_directory("sprites");
    // A 40 x 40 24-bit BMP for the red wall only.
    std::string rows;
    for (int i = 0; i < 40 * 40; ++i) rows += std::string("\x10\x20\xC0", 3);  // blue, green, red
    dir.writeFile("sprites/mauer01.bmp", bmpFile({40, 40, 24}, rows));

    loadAllImages();
    openScreen(800, 600, 32, 2, 0);
    world.map[1][1] = tile::RedWall;
    renderScene();
    EXPECT_EQ(headless::pixel(0, 10, 10) & 0xFFFFFF, 0xC02010u) << "the wall from its file";
    EXPECT_EQ(headless::pixel(0, 50, 10) & 0xFFFFFF, 0xFF00FFu) << "a floor cell without Schwarz.bmp";
}

}  // namespace
