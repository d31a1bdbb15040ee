// new_level.cpp — Ctrl+N: an empty level in place of the one in memory.
//
// With unsaved changes the editor asks first, as Esc does, and only J goes
// on; a level that stands in a place of the level set leaves its changes
// there, so nothing is lost and nothing is asked. The new level has no
// start, no creatures and every cell 0; the view and the cursor go back to
// where they stand at start-up, the brush and the panel stay. The history
// starts afresh, and the level has no file name until it is saved.
//
// Writes: editor.level, cursorX, cursorY, viewX, viewY, fileName; history
// and levelChanged (through clearHistory); what leaveSetPlace writes.
#include "editor/commands.h"
#include "editor/drawing.h"
#include "editor/editor_state.h"
#include "editor/level_set.h"

#include "common/language.h"
#include "platform/platform.h"

namespace {

const char* const kQuestion = trMark("Level nicht gespeichert. Neues Level (J/N)?");

}  // namespace

void newLevelCommand() {
    // The N of Ctrl+N, still held, is no answer.
    spendHeldKeys();
    // A level that stands in a place of the set keeps its changes there.
    if (editor.levelChanged != 0 && editor.setPlace == 0 && !askYesNo(kQuestion)) {
        drawMapView();
        drawCursorCell();
        return;
    }
    leaveSetPlace();
    const EditorState fresh{};
    editor.level = fresh.level;
    editor.cursorX = fresh.cursorX;
    editor.cursorY = fresh.cursorY;
    editor.viewX = fresh.viewX;
    editor.viewY = fresh.viewY;
    editor.fileName = fresh.fileName;
    clearHistory();
    drawMapView();
    drawCursorCell();
}
