// editor_loader_fuzz.cpp — any bytes as a level file, loaded by the editor's
// F2 command with its name dialog, on the headless backend. A file that
// opens always replaces the level; afterwards the counts, creature cells,
// start and views lie inside the map and the tables, the cursor stands on a
// reachable cell of the view, a start the file did not set stays unset, a
// killed creature stays killed, and the map view and info panel draw.
#include "editor/commands.h"
#include "editor/drawing.h"
#include "editor/editor_state.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "tools/fuzz/fuzz_support.h"
#include "tools/invariants/invariants.h"

#include <cstddef>
#include <cstdint>

namespace {

LevelData read;  // what the shared reader finds in the file
LevelData held;  // the level part of the editor after the load

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    headless::reset();
    openScreenMode(19, 32, 1, 0);
    loadEditorImages();  // no picture files: every image stays magenta
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::putFile("Data/f.dat", fuzz::withPaddedMap(data, size));
    fuzz::require(readLevelFile("Data\\f.dat", read), "the file did not open");
    const bool startInFile = read.playerX != 0 || read.playerY != 0;

    editor = EditorState{};
    editor.levelChanged = 1;
    headless::typeText("f\r", headless::clock());
    loadLevelCommand();
    fuzz::require(editor.levelChanged == 0, "the level was not loaded");

    held = editor.level;
    if (startInFile) {
        fuzz::require(invariants::startAndView(editor.level.playerX, editor.level.playerY, editor.level.viewX,
                                               editor.level.viewY));
    } else {
        fuzz::require(editor.level.playerX == 0 && editor.level.playerY == 0 && editor.level.viewX == 0 &&
                          editor.level.viewY == 0,
                      "a start the file did not set");
    }
    for (int kind = 0; kind < kCreatureKinds; ++kind)
        fuzz::require(invariants::creatureTable(held.creatures[kind], held.counts[kind], invariants::kKindNames[kind]));
    fuzz::require(invariants::emptyEntriesKept(read, held));
    fuzz::require(invariants::startAndView(editor.viewX + editor.cursorX, editor.viewY + editor.cursorY, editor.viewX,
                                           editor.viewY));
    fuzz::require(editor.cursorX >= 1 && editor.cursorX <= kViewColumns && editor.cursorY >= 1 && editor.cursorY <= kViewRows,
                  "cursor outside the view");

    editor.panelVisible = 1;
    drawMapView();
    return 0;
}
