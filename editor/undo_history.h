// undo_history.h — the record of changes to the level that Ctrl+Z takes back
// and Ctrl+Y puts back, a field of the editor's record (editor.history).
//
// A step holds the cells it changed (their code before and after) and, when
// it moved the start or changed a creature table, the start and the tables
// before and after. Commands change the level through changeCell and
// noteLevelExtras and end their step with finishStep; a mouse stroke keeps
// one step open until the button is let go.
#pragma once

#include "common/level_file.h"

#include <array>
#include <vector>

// How many steps the history keeps; the oldest go first.
constexpr int kUndoSteps = 200;

// One cell a step changed.
struct CellChange {
    int x = 0;       // map column 0..220
    int y = 0;       // map row 0..150
    int before = 0;  // its code before the step
    int after = 0;   // its code after
};

// One change that Ctrl+Z takes back as a whole.
struct UndoStep {
    std::vector<CellChange> cells;  // in the order they were changed, one entry per cell
    bool extrasChanged = false;     // before and after below are in use
    LevelExtras before;             // start and tables before the step
    LevelExtras after;              // and after it
};

struct UndoHistory {
    std::vector<UndoStep> steps;  // oldest first, at most kUndoSteps
    int done = 0;                 // steps[0 .. done) are in the level; the rest can be put back, 0..steps.size()
    int savedAt = 0;              // `done` when the level was last saved or loaded; -1 when no longer reachable
    UndoStep open;                // the step being recorded, not yet in steps
    bool openHasExtras = false;   // open.before holds the extras from before the step
    int changes = 0;  // steps added, taken back or put back since the history began: another value, another level
};

// ---- undo_history.cpp ----
// Sets map cell (x, y) to code, recorded in the open step; cells outside the
// map are left alone.
void changeCell(int x, int y, int code);
// Call before changing the start or a creature table: keeps them as they
// were before the open step.
void noteLevelExtras();
// Ends the open step: it joins the history when it changed anything, and
// whatever could be put back is dropped. Updates editor.levelChanged.
void finishStep();
// A fresh history whose state counts as saved (start-up, load, new level).
void clearHistory();
// The level as it stands is the saved one (after F1).
void markSaved();
// Ctrl+Z and Ctrl+Y (or Ctrl+Shift+Z): take back or put back one step and
// redraw; nothing when there is none.
void undoStep();
void redoStep();
