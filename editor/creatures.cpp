// creatures.cpp — adding a creature at the cursor and removing the last one
// of a kind.
//
// An add writes the entry after the count: the cursor's map cell and the
// view shown, which becomes the creature's home screen in the game. A remove
// only lowers the count; the entry stays above it (and is saved so) until
// the next add of that kind overwrites it. The cell's code and other
// creatures are not looked at: creatures may share a cell or stand on a
// wall. A table holds at most 100; an add to a full table and a remove from
// an empty one do nothing. Each add and remove is one step of the undo
// history.
//
// Writes: editor.level's creature tables (entries 1..100) and counts, and
// history and levelChanged (through the history).
#include "editor/commands.h"
#include "editor/drawing.h"
#include "editor/editor_state.h"
#include "platform/platform.h"

namespace {

constexpr int kAddMs = 100;
constexpr int kRemoveMs = 10;

void addCreature(FileCreatureKind kind) {
    int& count = editor.level.counts[static_cast<int>(kind)];
    if (count >= kMaxCreatures) return;
    noteLevelExtras();
    count = count < 0 ? 1 : count + 1;
    editor.level.creatures[static_cast<int>(kind)][count] = {editor.viewX + editor.cursorX,
                                                             editor.viewY + editor.cursorY, editor.viewX, editor.viewY};
    finishStep();
    drawMapView();
    sleepMs(kAddMs);
    flushKeys();
    sleepMs(kAddMs);
}

void removeCreature(FileCreatureKind kind) {
    int& count = editor.level.counts[static_cast<int>(kind)];
    if (count <= 0) return;
    noteLevelExtras();
    count -= 1;
    finishStep();
    sleepMs(kRemoveMs);
    drawMapView();
}

}  // namespace

void addPig() { addCreature(FileCreatureKind::Pig); }
void removePig() { removeCreature(FileCreatureKind::Pig); }
void addFlameGhost() { addCreature(FileCreatureKind::FlameGhost); }
void removeFlameGhost() { removeCreature(FileCreatureKind::FlameGhost); }
void addCleaner() { addCreature(FileCreatureKind::Cleaner); }
void removeCleaner() { removeCreature(FileCreatureKind::Cleaner); }
void addEye() { addCreature(FileCreatureKind::Eye); }
void removeEye() { removeCreature(FileCreatureKind::Eye); }
