// editor_state.h — the editor's one global record.
//
// Everything the editor knows lives in `editor`: set to the start-up values
// by startEditor (editor_loop.cpp) and alive for the whole run. Editor
// operations take no arguments and act on it (one thread, no locking). The
// fields fall in two groups: the level content, which is what a level file
// holds, and the editing state, which is not saved. Each field says its
// range and which files write it; each .cpp says at its top which fields it
// writes. Images are not part of the record; editor_images.cpp owns them.
#pragma once

#include "common/level_file.h"
#include "common/level_set.h"
#include "common/map_geometry.h"
#include "editor/undo_history.h"

#include <array>
#include <cstdint>
#include <string>

// Where the cursor starts and the row the first dialog prints on.
constexpr int kStartCursorX = 5;
constexpr int kStartCursorY = 5;
constexpr int kFirstTextRow = 1;
// The pointer has not been looked at yet: where it rests at start-up does
// not move the cursor.
constexpr int kPointerNotRead = -2;

struct EditorState {
    // ---- The level content: what a level file holds ----
    // The record the level file's reader and writer use, so that a save or a
    // load takes it whole. In the editor: map codes any integer (column 0 and
    // row 0 never saved); the start 1..210 x 1..144, or (0, 0) with view
    // (0, 0) while no start is set, its view the one shown when it was set;
    // creature entries in placing order, 0 and those above the count kept and
    // saved as they are; counts 0..100.
    LevelData level;  // (placing, creatures, file_commands)

    // ---- The editing state: not saved ----
    int cursorX = kStartCursorX;  // the cursor's screen column 1..20; its map column viewX + cursorX stays 1..210 (cursor_moves, file_commands)
    int cursorY = kStartCursorY;  // the cursor's screen row 1..14; its map row viewY + cursorY stays 1..144 (cursor_moves, file_commands)
    int viewX = 0;  // screen column c shows map column viewX + c; 0..200, steps of 19 from a load's value (cursor_moves, file_commands)
    int viewY = 0;  // screen row r shows map row viewY + r; 0..136, steps of 13 from a load's value (cursor_moves, file_commands)
    int brush = 0;           // the TileCode Space places; any integer after a pick-up (placing, brush_groups)
    int panelVisible = 0;    // 1: drawMapView also prints the info panel, else 0 (info_panel's F3)
    int keyPageVisible = 0;  // 1: drawMapView also prints the key page, else 0 (key_page's F7)
    int levelChanged = 0;  // 1: the level differs from the one at start-up or the last save or load, as the history tells, else 0 (undo_history)
    int textRow = kFirstTextRow;  // text row 1..38 where the next dialog prints (info_panel, dialog_rows)
    UndoHistory history;  // the steps Ctrl+Z takes back and Ctrl+Y puts back (undo_history, file_commands, new_level)
    std::uint64_t keysHeld = 0;  // bit i: the keys of row i of the command table were down at the last pass; a once-per-press row runs when they go down (key_triggers)
    int pointerX = kPointerNotRead;  // the mouse pointer's pixel column at the last look, -1 when unavailable, kPointerNotRead before the first (mouse_painting)
    int pointerY = kPointerNotRead;  // its pixel row, likewise (mouse_painting)
    int pointerButtons = 0;          // mouse buttons held at the last pass: 1 left, 2 right (mouse_painting)
    int hintShown = 0;  // 1: the start-up hint is on the screen until the first command, else 0 (start_hint)

    // ---- What the editor says about itself: the status line, the title ----
    std::string fileName;  // the level's file name as typed, or the name of its place in the set, code page 437; "" before the first save or load and after Ctrl+N (file_commands, new_level, level_set_places)
    std::string message;  // the status line's message, what the last command had to report; "" for none (status_line's showMessage)
    int messageAt = 0;  // history.changes when the message came; the message goes once the level changes from there (status_line)
    std::string statusShown;  // the status line's two rows as last printed, so an unchanged line is not printed again (status_line)
    std::string titleShown;  // the window's title as last named, UTF-8 (editor_loop, status_line)

    // ---- The level set being made or changed (F8): saved as a set file ----
    LevelSet set = emptyLevelSet();  // title, author, the eight places (empty ones without name, all zeros), the closing scene and demonstrations an opened file brought (level_set_places)
    std::string setName;  // the set's file "Data\<setName>.zset" since it was opened or saved; "" before (level_set_places)
    int setPlace = 0;  // 1..8: the place whose labyrinth `level` is, its changes going there; 0 when it is in none (level_set_places)
    int setChanged = 0;  // 1: the set differs from its file (or, never saved, holds something), else 0 (level_set_places)
    int setCursor = 1;  // the place 1..8 chosen on the set's screen (level_set_screen, level_set_places)
};

// The one record of the editor.
extern EditorState editor;
