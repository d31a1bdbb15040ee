// The tile palette (Tab): every tile the editor places shown once with its
// picture, a click on it making it the brush, the arrow keys and Space
// doing the same, and Esc going back without a change.
#include "editor/tile_palette.h"
#include "common/tile_codes.h"
#include "editor/commands.h"
#include "tests/editor/editor_fixture.h"

#include <map>
#include <set>

namespace {

using Palette = EditorTest;

constexpr int kTile = 40;

void tap(int key, double at, double hold = 0.05) {
    headless::keyDown(key, at);
    headless::keyUp(key, at + hold);
}

// The colour the fixture gives the code's picture, and whether it carries
// the marker in its corner.
Colour pictureColour(int code) { return fixtureColour(editorImageOf(findTile(code)->editorImage)); }
bool marked(int code) { return findTile(code)->marked; }

TEST_F(Palette, EveryTileTheEditorPlacesIsThereOnceAndOnTheScreen) {
    std::multiset<int> shown;
    const std::vector<PaletteCell> cells = paletteCells();
    for (const PaletteCell& cell : cells) {
        shown.insert(cell.code);
        EXPECT_GE(cell.x, 0) << cell.code;
        EXPECT_LE(cell.x + kTile, 800) << cell.code;
        EXPECT_GE(cell.y, 16) << cell.code << ": below the title";
        EXPECT_LE(cell.y + kTile + 16, 496) << cell.code << ": its code above the rows that name it";
        for (const PaletteCell& other : cells) {
            const bool apart = other.x >= cell.x + kTile || cell.x >= other.x + kTile || other.y >= cell.y + kTile ||
                               cell.y >= other.y + kTile;
            EXPECT_TRUE(&other == &cell || apart) << cell.code << " and " << other.code << " overlap";
        }
    }
    std::multiset<int> placed;
    for (std::size_t i = 0; i < kTileTableSize; ++i) {
        if (kTileTable[i].editorImage != kNoPicture) placed.insert(kTileTable[i].code);
    }
    EXPECT_EQ(shown, placed);
    EXPECT_EQ(shown.size(), 77u);
}

// For every tile: Tab, its picture where the palette says, a click on it,
// and back on the map with it as the brush, the map untouched.
TEST_F(Palette, AClickOnEachTileMakesItTheBrushAndGoesBackToTheMap) {
    for (const PaletteCell& cell : paletteCells()) {
        SCOPED_TRACE(cell.code);
        editor.brush = tile::Door == cell.code ? tile::Water : tile::Door;
        const double t = headless::clock();
        tap(scancode::Tab, t, 0.1);
        const int px = cell.x + kTile / 2;
        const int py = cell.y + kTile / 2;
        headless::mouse(px, py, 0, t + 0.2);
        Colour middle = 0;
        Colour corner = 0;
        headless::setWatcher([&] {
            if (headless::clock() < t + 0.25 || headless::clock() > t + 0.28) return;
            middle = headless::pixel(0, px, py);
            corner = headless::pixel(0, cell.x + 5, cell.y + 5);
        });
        headless::mouse(px, py, 1, t + 0.3);
        headless::mouse(px, py, 0, t + 0.35);
        commandPass();
        headless::setWatcher({});
        EXPECT_EQ(middle, pictureColour(cell.code)) << "its picture in the palette";
        EXPECT_EQ(corner, marked(cell.code) ? pictureColour(cell.code) ^ fixtureColour(EdImg::Zaub10)
                                            : pictureColour(cell.code));
        EXPECT_EQ(editor.brush, cell.code);
        EXPECT_EQ(cellPixel(editor.cursorX, editor.cursorY), pictureColour(cell.code)) << "back on the map";
        EXPECT_EQ(editor.levelChanged, 0) << "the click painted nothing";
        headless::mouse(-1, -1, -1, headless::clock());
    }
}

TEST_F(Palette, ArrowsAndSpaceChooseEscKeepsTheBrushAndTheBrushKeysStepOn) {
    struct KeyCase {
        int brush;              // before Tab
        std::vector<int> keys;  // tapped in the palette
        int chosen;             // the brush after
    };
    const KeyCase kCases[] = {
        {0, {scancode::Right, scancode::Space}, 1},
        {0, {scancode::Right, scancode::Down, scancode::Enter}, 103},  // the same place one row down
        {105, {scancode::Right, scancode::Space}, 60},                 // past the row's end: the row beside
        {61, {scancode::Left, scancode::Up, scancode::Space}, 50},     // back, then the row above
        {149, {scancode::Down, scancode::Space}, 162},                 // a shorter row: its last tile
        {33, {scancode::Down, scancode::Esc}, 33},                     // Esc: no change
        {33, {scancode::Down, scancode::Tab}, 33},                     // Tab likewise
    };
    for (const KeyCase& c : kCases) {
        SCOPED_TRACE(c.brush);
        editor.brush = c.brush;
        const double t = headless::clock();
        tap(scancode::Tab, t, 0.1);
        double at = t + 0.2;
        for (int key : c.keys) {
            tap(key, at);
            at += 0.1;
        }
        EXPECT_NO_THROW(for (int pass = 0; pass < 10; ++pass) commandPass()) << "Esc never reaches the map";
        EXPECT_EQ(editor.brush, c.chosen);
        EXPECT_EQ(editor.levelChanged, 0) << "Space chose, and placed nothing";
    }
    editor.brush = 103;
    holdKeys({scancode::Digit1});
    EXPECT_EQ(editor.brush, 104) << "the 1 key steps on from the tile chosen";
}

}  // namespace
