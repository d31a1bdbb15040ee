// brush_groups.cpp — the brush keys: each of 0..9, Q, W and E owns a
// contiguous range of TileCodes. The first press of a key selects its first
// code; each further press steps to the next and wraps from the last to the
// first. E owns the door alone, so every press of it selects 29.
//
// Writes: editor.brush.
#include "editor/commands.h"
#include "editor/drawing.h"
#include "editor/editor_state.h"

#include "common/tile_codes.h"
#include "platform/platform.h"

using namespace tile;

const BrushGroup kBrushGroups[] = {
    {scancode::Digit0, SecretPillar, SecretOldMasonry},  // "0  - Nichts": floors and secret walls
    {scancode::Digit1, RedWall, RedWindow},              // "1  - Mauer Rot"
    {scancode::Digit2, GreenLeft, Chain2},               // "2  - Gruen"
    {scancode::Digit3, OldMasonry, OldMasonryFe},        // "3  - Alt Mauer"
    {scancode::Digit4, OldWall, TorchHolder},            // "4  - Alt Wand"
    {scancode::Digit5, Pillar, Roof2},                   // "5  - Seule"
    {scancode::Digit6, CloudL, CloudR},                  // "6  - Wolke"
    {scancode::Digit7, Barrier, TreasureBarrier3},       // "7  - Sperre Senkrecht"
    {scancode::Digit8, CrossBarrier, CrossBarrier4},     // "8  - Sperre Wagerecht"
    {scancode::Digit9, Key, CandleStand},                // "9  - Schluessel"
    {scancode::Q, Flame, Water},                         // "q  - Flamme"
    {scancode::W, Axe, Cross},                           // the weapons and the shooting star
    {scancode::E, Door, Door},                           // the door
};
const int kBrushGroupCount = static_cast<int>(sizeof kBrushGroups / sizeof kBrushGroups[0]);

void pressBrushKey(int key) {
    for (const BrushGroup& group : kBrushGroups) {
        if (group.key != key) continue;
        const bool inGroup = editor.brush >= group.first && editor.brush <= group.last;
        editor.brush = inGroup && editor.brush < group.last ? editor.brush + 1 : group.first;
        drawCursorCell();
        return;
    }
}
