// commands.h — the commands of the editor's command loop, one per key of
// its command table (editor_loop.cpp). Each takes no arguments and acts on
// the record `editor`.
#pragma once

#include "common/level_file.h"

// ---- cursor_moves.cpp: the cursor and the view ----
void cursorUp();
void cursorDown();
void cursorLeft();
void cursorRight();

// ---- placing.cpp: the brush on the map, the start ----
void placeBrush();   // Space
void pickUpBrush();  // the C key
void setStart();     // S

// ---- creatures.cpp: add at the cursor, remove the last ----
void addPig();
void removePig();
void addFlameGhost();
void removeFlameGhost();
void addCleaner();
void removeCleaner();
void addEye();
void removeEye();

// ---- brush_groups.cpp: the keys 0..9, Q, W and E ----

// One brush key's group: the TileCodes first..last that the key steps
// through.
struct BrushGroup {
    int key;    // scancode of the key
    int first;  // first TileCode of the group
    int last;   // last TileCode, first..last contiguous
};
// The 13 groups, in the order of the command table.
extern const BrushGroup kBrushGroups[];
extern const int kBrushGroupCount;
// The brush key `key` was pressed: first press selects its group's first
// code, further presses step through the group and wrap; then the cursor
// cell is drawn. Does nothing for a key that owns no group.
void pressBrushKey(int key);
// The command of one brush key, for the command table.
template <int Key>
void brushKey() {
    pressBrushKey(Key);
}

// ---- info_panel.cpp ----
void togglePanel();  // F3: shown or hidden from the next drawMapView on

// ---- file_commands.cpp ----
void saveLevelCommand();  // F1
void loadLevelCommand();  // F2

// ---- quit_question.cpp ----
// Esc or the window's close button: ends the program at once when the level
// is unchanged since the last save or load, otherwise only after the answer J.
void quitCommand();
