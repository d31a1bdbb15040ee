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
    {scancode::Digit0, SecretPillar, SecretOldMasonry},  // floors and secret walls
    {scancode::Digit1, RedWall, RedWindow},              // red brick walls and the window
    {scancode::Digit2, GreenLeft, Chain2},               // hedges, chains, metal
    {scancode::Digit3, OldMasonry, OldMasonryFe},        // old masonry
    {scancode::Digit4, OldWall, TorchHolder},            // old wall, torch holder
    {scancode::Digit5, Pillar, Roof2},                   // pillars and roofs
    {scancode::Digit6, CloudL, CloudR},                  // clouds
    {scancode::Digit7, Barrier, TreasureBarrier3},       // barriers opened from the side
    {scancode::Digit8, CrossBarrier, CrossBarrier4},     // barriers opened from above or below
    {scancode::Digit9, Key, CandleStand},                // keys and treasures
    {scancode::Q, Flame, Water},                         // flames, embers, waterfall, water
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
