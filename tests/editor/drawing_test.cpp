// What the editor draws: the order within one cell, the codes it has no
// picture for, the marker, the info panel's texts, and its images on disk.
#include "common/tile_codes.h"
#include "editor/commands.h"
#include "tests/editor/editor_fixture.h"

#include <filesystem>

namespace {

using Drawing = EditorTest;

TEST_F(Drawing, WithinACellTileStartPigsFlameGhostsEyesCleanersEachCoverTheEarlier) {
    editor.map[1][1] = tile::RedWall;
    editor.map[2][1] = tile::RedWall;
    editor.map[3][1] = tile::RedWall;
    editor.map[4][1] = tile::RedWall;
    editor.startX = 2;
    editor.startY = 1;
    editor.pigs[1] = {2, 1, 0, 0};  // start and pig on (2, 1)
    editor.pigs[2] = {3, 1, 0, 0};
    editor.flameGhosts[1] = {3, 1, 0, 0};  // pig and flame ghost on (3, 1)
    editor.eyes[1] = {3, 1, 0, 0};         // and an eye
    editor.cleaners[1] = {4, 1, 0, 0};
    editor.pigs[3] = {4, 1, 0, 0};
    editor.eyes[2] = {4, 1, 0, 0};  // above the eye count: not drawn
    editor.pigCount = 3;
    editor.flameGhostCount = 1;
    editor.eyeCount = 1;
    editor.cleanerCount = 1;
    drawMapView();
    EXPECT_EQ(cellPixel(1, 1), fixtureColour(EdImg::mauer01));
    EXPECT_EQ(cellPixel(2, 1), fixtureColour(EdImg::Schwein));
    EXPECT_EQ(cellPixel(3, 1), fixtureColour(EdImg::auge1));
    EXPECT_EQ(cellPixel(4, 1), fixtureColour(EdImg::putzenmannL1));

    editor.eyeCount = 0;
    drawMapView();
    EXPECT_EQ(cellPixel(3, 1), fixtureColour(EdImg::tot40));
    editor.startX = 4;
    editor.cleanerCount = 0;
    editor.pigCount = 2;
    drawMapView();
    EXPECT_EQ(cellPixel(4, 1), fixtureColour(EdImg::Zaub1));
}

TEST_F(Drawing, UnknownCodesLeaveTheCellAndSecretCodesCarryTheMarker) {
    editor.map[1][1] = tile::Water;
    drawMapView();
    editor.map[1][1] = 99;
    editor.map[2][1] = tile::SecretRedWall;
    editor.map[3][1] = tile::DeadPig;  // arises in play only
    drawMapView();
    EXPECT_EQ(cellPixel(1, 1), fixtureColour(EdImg::welle1)) << "99 draws nothing";
    EXPECT_EQ(cellPixel(3, 1), fixtureColour(EdImg::Schwarz));
    EXPECT_EQ(cellPixel(2, 1), fixtureColour(EdImg::mauer01));
    EXPECT_EQ(cellPixel(2, 1, 5, 5), fixtureColour(EdImg::mauer01) ^ fixtureColour(EdImg::Zaub10));
    EXPECT_EQ(cellPixel(2, 1, 10, 5), fixtureColour(EdImg::mauer01));
}

TEST_F(Drawing, ThePanelShowsItsExactTextsFromTheNextRedraw) {
    togglePanel();
    EXPECT_FALSE(showsText(4, 1, "Schweine 0")) << "F3 draws nothing itself";
    editor.pigCount = 0;
    editor.eyeCount = 12;
    editor.brush = -2;
    editor.viewY = 13;
    drawMapView();
    EXPECT_TRUE(showsText(1, 1, " 5 0"));
    EXPECT_TRUE(showsText(2, 1, " 5 13"));
    EXPECT_TRUE(showsText(3, 1, "-2"));
    EXPECT_TRUE(showsText(4, 1, "Schweine 0"));
    EXPECT_TRUE(showsText(5, 1, "tot40 0"));
    EXPECT_TRUE(showsText(6, 1, "PutzenMann 0"));
    EXPECT_TRUE(showsText(7, 1, "Auge 12"));
    const char* const column20[] = {"F1 - Speichern", "F2 - Laden", "1  - Mauer Rot", "2  - Gruen",
                                    "3  - Alt Mauer", "4  - Alt Wand", "5  - Seule",     "6  - Wolke"};
    const char* const column40[] = {"7  - Sperre Senkrecht", "8  - Sperre Wagerecht", "9  - Schluessel",
                                    "0  - Nichts",           "q  - Flamme",           "p  - Schwein",
                                    "i  - FammTot (tot40)",  "z  - PutzenMann",       "a  - Auge"};
    for (int i = 0; i < 8; ++i) EXPECT_TRUE(showsText(i + 1, 20, column20[i])) << column20[i];
    for (int i = 0; i < 9; ++i) EXPECT_TRUE(showsText(i + 1, 40, column40[i])) << column40[i];
    EXPECT_EQ(editor.textRow, 10) << "the next dialog prints below the panel";
}

TEST_F(Drawing, EveryEditorImageHasItsFileInTheRunFolder) {
    for (const char* name : kEditorImageNames) {
        EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::path(ZL_RUN_DIR) / "sprites" /
                                                     (std::string(name) + ".bmp")))
            << name;
    }
}

}  // namespace
