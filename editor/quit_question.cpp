// quit_question.cpp — ending the editor with Esc or the window's close
// button. An unchanged level (nothing placed, set, added or removed since
// start-up or the last save or load) with no unsaved change to the level
// set ends the program at once; the changes of a level that stands in a
// place of the set count as the set's. Otherwise
// the editor asks on the text grid and waits for J (end, the changes are
// lost) or N (back to editing, the question wiped by a redraw); no other
// key, and no further click on the close button, ends it.
//
// Writes: editor.textRow (through the dialog rows).
#include "editor/commands.h"
#include "editor/drawing.h"
#include "editor/editor_state.h"
#include "editor/level_set.h"

#include "platform/platform.h"

namespace {

constexpr int kAnswerPollMs = 20;
const char* const kQuestion = "Level nicht gespeichert. Beenden (J/N)?";

}  // namespace

bool askYesNo(const char* question) {
    beginDialog(1);
    printDialogLine(question);
    for (;;) {
        sleepMs(kAnswerPollMs);
        flushKeys();
        takeCloseRequest();  // asked already; only J ends
        if (isKeyDown(scancode::J)) return true;
        if (isKeyDown(scancode::N)) return false;
    }
}

void quitCommand() {
    // The changes of a level that stands in a place of the set are the set's.
    const bool levelUnsaved = editor.levelChanged != 0 && editor.setPlace == 0;
    if (!levelUnsaved && !setHasUnsavedChanges()) endProgram();
    if (askYesNo(kQuestion)) endProgram();
    drawMapView();
    drawCursorCell();
}
