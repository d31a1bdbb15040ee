// What the editor draws: the order within one cell, the codes it has no
// picture for, the marker, the info panel's texts pixel for pixel, the key
// page, and its images on disk.
#include "common/tile_codes.h"
#include "editor/command_table.h"
#include "editor/commands.h"
#include "tests/editor/editor_fixture.h"

#include <algorithm>
#include <filesystem>
#include <utility>
#include <vector>

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

TEST_F(Drawing, ThePanelShowsFromTheNextRedraw) {
    togglePanel();
    EXPECT_FALSE(showsText(4, 1, "Schweine 0")) << "F3 draws nothing itself";
    editor.level.eyeCount() = 12;
    drawMapView();
    EXPECT_TRUE(showsText(1, 1, " 5 0"));
    EXPECT_TRUE(showsText(4, 1, "Schweine 0"));
    EXPECT_TRUE(showsText(7, 1, "Auge 12"));
    EXPECT_TRUE(showsText(9, 40, "a  - Auge"));
    EXPECT_EQ(editor.textRow, 10) << "the next dialog prints below the panel";
}

// The panel's steps done by hand with the platform's own text calls, over
// the view without the panel: the panel must give exactly these pixels,
// nothing more (no other key's line anywhere on the page).
TEST_F(Drawing, ThePanelIsPixelForPixelItsOwnLinesAndNothingMore) {
    editor.level.map[3][2] = tile::RedWall;
    editor.level.pigCount() = 7;
    editor.level.cleanerCount() = 100;
    editor.brush = -1;
    editor.cursorX = 20;
    editor.viewY = 130;
    drawMapView();
    setTextPos(1, 1);
    printInteger(20, false);
    printInteger(0, true);
    printInteger(5, false);
    printInteger(130, true);
    printInteger(-1, true);
    const std::pair<const char*, int> counts[] = {{"Schweine", 7}, {"tot40", 0}, {"PutzenMann", 100}, {"Auge", 0}};
    for (int i = 0; i < 4; ++i) {
        setTextPos(4 + i, 1);
        printText(counts[i].first, false);
        printInteger(counts[i].second, true);
    }
    struct Line {
        int row, column;
        const char* text;
    };
    // clang-format off
    for (const Line& l : std::initializer_list<Line>{
             {1, 20, "F1 - Speichern"}, {2, 20, "F2 - Laden"}, {3, 20, "1  - Mauer Rot"}, {4, 20, "2  - Gruen"},
             {5, 20, "3  - Alt Mauer"}, {6, 20, "4  - Alt Wand"}, {7, 20, "5  - Seule"}, {8, 20, "6  - Wolke"},
             {1, 40, "7  - Sperre Senkrecht"}, {2, 40, "8  - Sperre Wagerecht"}, {3, 40, "9  - Schluessel"},
             {4, 40, "0  - Nichts"}, {5, 40, "q  - Flamme"}, {6, 40, "p  - Schwein"},
             {7, 40, "i  - FammTot (tot40)"}, {8, 40, "z  - PutzenMann"}, {9, 40, "a  - Auge"}}) {
        // clang-format on
        setTextPos(l.row, l.column);
        printText(l.text, true);
    }
    const Colour* page = headless::pagePixels(0);
    const std::vector<Colour> expected(page, page + kScreenWidth * kScreenHeight);

    editor.panelVisible = 1;
    drawMapView();
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), page));
}

TEST_F(Drawing, TheKeyPageShowsEveryOtherKeyFromTheNextRedrawAsThePanelDoes) {
    holdKeys({scancode::F7});
    EXPECT_EQ(editor.keyPageVisible, 1);
    EXPECT_FALSE(showsText(1, 64, "Pfeiltasten - Cursor bewegen")) << "F7 draws nothing itself";
    holdKeys({scancode::Down});
    // clang-format off
    for (const auto& [row, text] : std::initializer_list<std::pair<int, const char*>>{
             {1, "Pfeiltasten - Cursor bewegen"}, {2, "Leertaste - Pinsel setzen"}, {9, "F3 - Hilfe an/aus"},
             {12, "Esc - Ende"}, {13, "Strg+Z - R\x81" "ckg\x84ngig"}, {20, "F7 - Tastenseite an/aus"},
             {22, "Tab - alle Felder"}, {25, "Umschalt+Klick - Figur weg"}}) {
        // clang-format on
        EXPECT_TRUE(showsText(row, 64, text)) << text;
    }
    EXPECT_EQ(editor.textRow, kFirstTextRow) << "the page leaves the dialogs where they were";

    // Held over many passes, F7 hides the page once; the next redraw wipes it.
    holdKeys({scancode::F7}, 8);
    EXPECT_EQ(editor.keyPageVisible, 0);
    holdKeys({scancode::Up});
    EXPECT_FALSE(showsText(1, 64, "Pfeiltasten - Cursor bewegen"));
}

// Every line of the help fits the editor's text grid: the panel's beside its
// counts, the key page's right of the panel.
TEST_F(Drawing, EveryHelpLineFitsTheTextGrid) {
    int pageRows = 0;
    for (const EditorCommand& command : editorCommands()) {
        if (!command.label) continue;
        const int length = static_cast<int>(helpLine(command).size());
        SCOPED_TRACE(helpLine(command));
        if (command.panel.row == 0) {
            ++pageRows;
            EXPECT_LE(64 + length - 1, kTextColumns);
        } else {
            EXPECT_LE(command.panel.row, 9);
            EXPECT_LE(command.panel.column + length - 1, command.panel.column == 20 ? 39 : 63);
        }
    }
    EXPECT_LE(pageRows, kTextRows);
}

TEST_F(Drawing, EveryEditorImageHasItsFileInTheRunFolder) {
    for (Picture p : kEditorPictures) {
        const char* name = pictureInfo(p).name;
        EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::path(ZL_RUN_DIR) / "sprites" / (std::string(name) + ".bmp")))
            << name;
    }
}

}  // namespace
