// The brush keys and their groups, placing and picking up.
#include "common/tile_codes.h"
#include "editor/commands.h"
#include "tests/editor/editor_fixture.h"

#include <utility>
#include <vector>

namespace {

using Brush = EditorTest;

TEST_F(Brush, EachKeySelectsItsFirstCodeThenStepsAndWraps) {
    const std::vector<std::pair<int, std::pair<int, int>>> groups = {
        {scancode::Digit0, {-2, 5}},    {scancode::Digit1, {100, 105}}, {scancode::Digit2, {150, 157}},
        {scancode::Digit3, {130, 136}}, {scancode::Digit4, {120, 124}}, {scancode::Digit5, {140, 149}},
        {scancode::Digit6, {160, 162}}, {scancode::Digit7, {50, 56}},   {scancode::Digit8, {60, 63}},
        {scancode::Digit9, {40, 46}},   {scancode::Q, {10, 14}},        {scancode::W, {30, 34}},
        {scancode::E, {29, 29}},
    };
    for (const auto& [key, range] : groups) {
        editor.brush = 999;  // outside every group
        holdKeys({key});
        EXPECT_EQ(editor.brush, range.first) << "key " << key;
        for (int code = range.first + 1; code <= range.second; ++code) {
            holdKeys({key});
            EXPECT_EQ(editor.brush, code) << "key " << key;
        }
        holdKeys({key});
        EXPECT_EQ(editor.brush, range.first) << "key " << key << " wraps";
    }
    // The cursor cell shows the brush in a white frame.
    EXPECT_EQ(cellPixel(5, 5), fixtureColour(EdImg::tuer));
    EXPECT_EQ(cellPixel(5, 5, 0, 0), kWhite);
    EXPECT_EQ(cellPixel(5, 5, 39, 39), kWhite);
}

TEST_F(Brush, PlacePicksUpAndMarksTheLevelChanged) {
    editor.brush = tile::Key;
    placeBrush();
    EXPECT_EQ(editor.level.map[5][5], tile::Key);
    EXPECT_EQ(editor.levelChanged, 1);

    editor.level.map[6][5] = 999;  // a code no key offers, from a hand-edited file
    editor.cursorX = 6;
    editor.levelChanged = 0;
    pickUpBrush();
    placeBrush();
    EXPECT_EQ(editor.brush, 999);
    EXPECT_EQ(editor.levelChanged, 0) << "placing the code the cell holds changes nothing";
}

}  // namespace
