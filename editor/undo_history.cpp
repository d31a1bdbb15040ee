// undo_history.cpp — recording the level's changes step by step, taking them
// back and putting them back.
//
// "Unsaved changes" follows the history: the level counts as changed exactly
// when the steps in it differ from those at the last save or load, so
// undoing back to the saved state lets Esc end at once again.
//
// Writes: editor.history, editor.level (its map through changeCell, undo
// and redo; its start, creature tables and counts through undo and redo),
// levelChanged.
#include "editor/undo_history.h"

#include "editor/drawing.h"
#include "editor/editor_state.h"

namespace {

LevelExtras currentExtras() { return editor.level; }

void putExtras(const LevelExtras& extras) { static_cast<LevelExtras&>(editor.level) = extras; }

void updateChangedMark() {
    const UndoHistory& h = editor.history;
    editor.levelChanged = h.done == h.savedAt ? 0 : 1;
}

void redraw() {
    drawMapView();
    drawCursorCell();
}

}  // namespace

void changeCell(int x, int y, int code) {
    if (!isMapCell(x, y) || editor.level.map[x][y] == code) return;
    std::vector<CellChange>& cells = editor.history.open.cells;
    bool known = false;
    for (CellChange& change : cells) {
        if (change.x == x && change.y == y) {
            change.after = code;
            known = true;
        }
    }
    if (!known) cells.push_back({x, y, editor.level.map[x][y], code});
    editor.level.map[x][y] = code;
}

void noteLevelExtras() {
    UndoHistory& h = editor.history;
    if (h.openHasExtras) return;
    h.open.before = currentExtras();
    h.openHasExtras = true;
}

void finishStep() {
    UndoHistory& h = editor.history;
    UndoStep step = std::move(h.open);
    h.open = UndoStep{};
    if (h.openHasExtras) {
        step.after = currentExtras();
        step.extrasChanged = !(step.after == step.before);
        h.openHasExtras = false;
    }
    std::erase_if(step.cells, [](const CellChange& c) { return c.before == c.after; });
    if (step.cells.empty() && !step.extrasChanged) return;
    // A new change drops what could have been put back.
    if (h.savedAt > h.done) h.savedAt = -1;
    h.steps.resize(static_cast<std::size_t>(h.done));
    h.steps.push_back(std::move(step));
    if (static_cast<int>(h.steps.size()) > kUndoSteps) {
        h.steps.erase(h.steps.begin());
        if (h.savedAt >= 0) h.savedAt -= 1;
    }
    h.done = static_cast<int>(h.steps.size());
    h.changes += 1;
    updateChangedMark();
}

void clearHistory() {
    editor.history = UndoHistory{};
    updateChangedMark();
}

void markSaved() {
    editor.history.savedAt = editor.history.done;
    updateChangedMark();
}

void undoStep() {
    finishStep();
    UndoHistory& h = editor.history;
    if (h.done == 0) return;
    const UndoStep& step = h.steps[static_cast<std::size_t>(--h.done)];
    h.changes += 1;
    for (auto c = step.cells.rbegin(); c != step.cells.rend(); ++c) editor.level.map[c->x][c->y] = c->before;
    if (step.extrasChanged) putExtras(step.before);
    updateChangedMark();
    redraw();
}

void redoStep() {
    finishStep();
    UndoHistory& h = editor.history;
    if (h.done >= static_cast<int>(h.steps.size())) return;
    const UndoStep& step = h.steps[static_cast<std::size_t>(h.done++)];
    h.changes += 1;
    for (const CellChange& c : step.cells) editor.level.map[c.x][c.y] = c.after;
    if (step.extrasChanged) putExtras(step.after);
    updateChangedMark();
    redraw();
}
