// info_panel.cpp — the text panel over the top left of the map (F3): the
// cursor and view, the brush, the four creature counts, and beside them the
// key help: the lines of the rows of the command table that have a place on
// the panel (the key page, F7, shows the others). Every character is
// printed white on black, so the panel blanks the map under it until the
// next redraw without the panel.
//
// Numbers are printed signed: a blank before a value of 0 or more, a minus
// sign before a negative one. With the cursor on screen cell (5, 5) of view
// (0, 0) the first row begins " 5 0".
//
// Writes: editor.panelVisible (F3), editor.textRow (the panel leaves the
// next dialog on row 10, below its lowest line).
#include "editor/command_table.h"
#include "editor/commands.h"
#include "editor/drawing.h"
#include "editor/editor_state.h"

#include "common/language.h"
#include "platform/platform.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int kToggleMs = 100;

// A count line: its label and the field it shows.
struct CountLine {
    const char* label;      // the text before the count
    FileCreatureKind kind;  // whose count it shows
};
const CountLine kCountLines[] = {
    {trMark("Schweine"), FileCreatureKind::Pig},
    {trMark("tot40"), FileCreatureKind::FlameGhost},
    {trMark("PutzenMann"), FileCreatureKind::Cleaner},
    {trMark("Auge"), FileCreatureKind::Eye},
};
constexpr int kFirstCountRow = 4;

// The key help's lines in the order the panel prints them, column by
// column, each followed by a line break: the last leaves the text position
// below the lowest line, where the next dialog prints.
std::vector<const EditorCommand*> panelLines() {
    std::vector<const EditorCommand*> lines;
    for (const EditorCommand& command : editorCommands()) {
        if (command.panel.row > 0) lines.push_back(&command);
    }
    std::stable_sort(lines.begin(), lines.end(), [](const EditorCommand* a, const EditorCommand* b) {
        return a->panel.column != b->panel.column ? a->panel.column < b->panel.column : a->panel.row < b->panel.row;
    });
    return lines;
}

}  // namespace

void printInfoPanel() {
    setTextPos(1, 1);
    printInteger(editor.cursorX, false);
    printInteger(editor.viewX, true);
    printInteger(editor.cursorY, false);
    printInteger(editor.viewY, true);
    printInteger(editor.brush, true);
    int row = kFirstCountRow;
    for (const CountLine& line : kCountLines) {
        setTextPos(row++, 1);
        printText(tr(line.label), false);
        printInteger(editor.level.counts[static_cast<int>(line.kind)], true);
    }
    int rowAfter = 0;
    for (const EditorCommand* line : panelLines()) {
        setTextPos(line->panel.row, line->panel.column);
        printText(helpLine(*line), true);
        rowAfter = std::max(rowAfter, line->panel.row + 1);
    }
    editor.textRow = rowAfter;
}

void togglePanel() {
    editor.panelVisible = 1 - editor.panelVisible;
    // Nothing is redrawn: the panel shows or goes with the next drawMapView.
    sleepMs(kToggleMs);
}
