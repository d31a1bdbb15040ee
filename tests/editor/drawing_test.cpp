// What the editor draws: the order within one cell, the codes it has no
// picture for, the marker, the info panel's texts, and its images on disk.
#include "common/tile_codes.h"
#include "editor/commands.h"
#include "tests/editor/editor_fixture.h"

#include <filesystem>

namespace {

using Drawing = EditorTest;

TEST_F(Drawing, WithinACellTileStartPigsFlameGhostsEyesCleanersEachCoverTheEarlier) {
    editor.level.map[1][1] = tile::RedWall;
    editor.level.map[2][1] = tile::RedWall;
    editor.level.map[3][1] = tile::RedWall;
    editor.level.map[4][1] = tile::RedWall;
    editor.level.playerX = 2;
    editor.level.playerY = 1;
    editor.level.pigs()[1] = {2, 1, 0, 0};  // start and pig on (2, 1)
    editor.level.pigs()[2] = {3, 1, 0, 0};
    editor.level.flameGhosts()[1] = {3, 1, 0, 0};  // pig and flame ghost on (3, 1)
    editor.level.eyes()[1] = {3, 1, 0, 0};         // and an eye
    editor.level.cleaners()[1] = {4, 1, 0, 0};
    editor.level.pigs()[3] = {4, 1, 0, 0};
    editor.level.eyes()[2] = {4, 1, 0, 0};  // pig, eye and cleaning man on (4, 1)
    editor.level.eyes()[3] = {1, 1, 0, 0};  // above the eye count: not drawn
    editor.level.pigCount() = 3;
    editor.level.flameGhostCount() = 1;
    editor.level.eyeCount() = 2;
    editor.level.cleanerCount() = 1;
    drawMapView();
    EXPECT_EQ(cellPixel(1, 1), fixtureColour(EdImg::mauer01));
    EXPECT_EQ(cellPixel(2, 1), fixtureColour(EdImg::Schwein));
    EXPECT_EQ(cellPixel(3, 1), fixtureColour(EdImg::auge1));
    EXPECT_EQ(cellPixel(4, 1), fixtureColour(EdImg::putzenmannL1));

    editor.level.eyeCount() = 0;
    drawMapView();
    EXPECT_EQ(cellPixel(3, 1), fixtureColour(EdImg::tot40));
    editor.level.playerX = 4;
    editor.level.cleanerCount() = 0;
    editor.level.pigCount() = 2;
    drawMapView();
    EXPECT_EQ(cellPixel(4, 1), fixtureColour(EdImg::Zaub1));
}

TEST_F(Drawing, UnknownCodesLeaveTheCellAndSecretCodesCarryTheMarker) {
    editor.level.map[1][1] = tile::Water;
    drawMapView();
    editor.level.map[1][1] = 99;
    editor.level.map[2][1] = tile::SecretRedWall;
    editor.level.map[3][1] = tile::DeadPig;  // arises in play only
    drawMapView();
    EXPECT_EQ(cellPixel(1, 1), fixtureColour(EdImg::welle1)) << "99 draws nothing";
    EXPECT_EQ(cellPixel(3, 1), fixtureColour(EdImg::Schwarz));
    EXPECT_EQ(cellPixel(2, 1), fixtureColour(EdImg::mauer01));
    EXPECT_EQ(cellPixel(2, 1, 5, 5), fixtureColour(EdImg::mauer01) ^ fixtureColour(EdImg::Zaub10));
    EXPECT_EQ(cellPixel(2, 1, 10, 5), fixtureColour(EdImg::mauer01));
}

TEST_F(Drawing, EveryCodeTheEditorPlacesShowsTheTileTablesEditorPicture) {
    for (std::size_t i = 0; i < kTileTableSize; ++i) {
        const TileInfo& t = kTileTable[i];
        if (t.editorImage == kNoPicture) continue;
        SCOPED_TRACE(t.name);
        ASSERT_NE(editorImageOf(t.editorImage), EdImg::Count);
        drawCode(t.code, 1, 1);
        EXPECT_EQ(cellPixel(1, 1, 15, 15), fixtureColour(editorImageOf(t.editorImage)));
    }
    EXPECT_EQ(kEditorImageCount, 79u);
    EXPECT_EQ(editorImageOf(findTile(tile::CrossBarrier3)->editorImage), EdImg::sperre203);
}

TEST_F(Drawing, ThePanelShowsItsExactTextsFromTheNextRedraw) {
    togglePanel();
    EXPECT_FALSE(showsText(4, 1, "Schweine 0")) << "F3 draws nothing itself";
    editor.level.pigCount() = 0;
    editor.level.eyeCount() = 12;
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
    struct Line { int row, column; const char* text; };
    for (const Line& l : std::initializer_list<Line>{
             {1, 20, "F1 - Speichern"}, {2, 20, "F2 - Laden"}, {3, 20, "1  - Mauer Rot"}, {4, 20, "2  - Gruen"},
             {5, 20, "3  - Alt Mauer"}, {6, 20, "4  - Alt Wand"}, {7, 20, "5  - Seule"}, {8, 20, "6  - Wolke"},
             {1, 40, "7  - Sperre Senkrecht"}, {2, 40, "8  - Sperre Wagerecht"}, {3, 40, "9  - Schluessel"},
             {4, 40, "0  - Nichts"}, {5, 40, "q  - Flamme"}, {6, 40, "p  - Schwein"},
             {7, 40, "i  - FammTot (tot40)"}, {8, 40, "z  - PutzenMann"}, {9, 40, "a  - Auge"}}) {
        EXPECT_TRUE(showsText(l.row, l.column, l.text)) << l.text;
    }
    EXPECT_EQ(editor.textRow, 10) << "the next dialog prints below the panel";
}

TEST_F(Drawing, ThePanelListsTheOtherKeysInAColumnOfTheirOwn) {
    editor.panelVisible = 1;
    drawMapView();
    EXPECT_TRUE(showsText(1, 64, "Leer - Setzen"));
    EXPECT_TRUE(showsText(11, 64, "Tab - alle Felder"));
    EXPECT_TRUE(showsText(12, 64, "Strg+Z - Rueckgaengig"));
    EXPECT_TRUE(showsText(18, 64, "Esc - Ende"));
}

TEST_F(Drawing, EveryEditorImageHasItsFileInTheRunFolder) {
    for (Picture p : kEditorPictures) {
        const char* name = pictureInfo(p).name;
        EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::path(ZL_RUN_DIR) / "sprites" /
                                                     (std::string(name) + ".bmp")))
            << name;
    }
}

}  // namespace
