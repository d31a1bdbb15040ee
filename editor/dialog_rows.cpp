// dialog_rows.cpp — where the save and load dialogs and the quit question
// print on the text grid (100 columns x 37 rows of 8 x 16 pixels).
//
// A dialog prints at the next dialog row: row 10 after the info panel
// (which ends there), otherwise one row below the previous dialog, since
// redrawing the map does not move the text cursor. A dialog that would
// reach past row 37 starts again at row 1, after blanking the rows it needs
// there, so nothing is ever printed below the grid.
//
// Writes: editor.textRow.
#include "editor/drawing.h"
#include "editor/editor_state.h"

#include "platform/platform.h"

#include <string>

void beginDialog(int rows) {
    if (editor.textRow < kFirstTextRow || editor.textRow + rows - 1 > kTextRows) {
        const std::string blank(kTextColumns, ' ');
        for (int row = kFirstTextRow; row < kFirstTextRow + rows; ++row) {
            setTextPos(row, 1);
            printText(blank, false);
        }
        editor.textRow = kFirstTextRow;
    }
    setTextPos(editor.textRow, 1);
}

void printDialogLine(const std::string& text) {
    printText(text, true);
    nextDialogRow();
}

void nextDialogRow() { editor.textRow += 1; }
