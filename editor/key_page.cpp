// key_page.cpp — the key page (F7): every key the info panel's help leaves
// out, one line each from the command table, in a column right of the
// panel, so that both can be shown together. As the panel, the page is
// printed by drawMapView, white on black over the map, from the next redraw
// after F7 on, and vanishes with the next redraw after F7 has hidden it.
//
// Writes: editor.keyPageVisible (F7).
#include "editor/command_table.h"
#include "editor/commands.h"
#include "editor/drawing.h"
#include "editor/editor_state.h"

#include "platform/platform.h"

namespace {

constexpr int kPageColumn = 64;  // right of the panel's key help, which ends at column 60
constexpr int kFirstPageRow = 1;

}  // namespace

void printKeyPage() {
    int row = kFirstPageRow;
    for (const EditorCommand& command : editorCommands()) {
        if (!command.label || command.panel.row > 0) continue;
        setTextPos(row++, kPageColumn);
        printText(helpLine(command), false);
    }
}

void toggleKeyPage() {
    // Nothing is redrawn, as with F3: the page shows or goes with the next
    // drawMapView.
    editor.keyPageVisible = 1 - editor.keyPageVisible;
}
