// commands.h — the commands of the editor's command loop, one per row of
// its command table (command_table.cpp). Each takes no arguments and acts
// on the record `editor`.
#pragma once

#include "common/level_file.h"
#include "common/solver.h"

#include <cstddef>
#include <string>
#include <vector>

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
// The name dialog at the next dialog row: the title line (German, shown in
// the language chosen), the lines of `list`, "Datei Name? " and the typed
// name; "" when the user cancelled or the name was refused (which is
// shown). The close button cancels it and asks the quit question.
std::string askFileName(const char* title, const std::vector<std::string>& list = {});
// Takes a level read from a file or a set as the one being edited: made
// safe, the cursor on its start in the start's view, a fresh history; a
// start never set stays unset. Draws nothing.
void takeLevel(const LevelData& level);

// ---- quit_question.cpp ----
// Esc or the window's close button: ends the program at once when the level
// is unchanged since the last save or load, otherwise only after the answer J.
void quitCommand();
// Prints the question (German, shown in the language chosen) as a one-line
// dialog and waits for J (true) or N (false), the letters of the language
// chosen ("Y" in English); no other key answers, nor the key that was held
// when the question came, and the answer's key is spent. Nothing is
// redrawn.
bool askYesNo(const char* question);

// ---- key_triggers.cpp: when a row's keys run its command ----
// True for the scancode of a letter key: with Ctrl held such a key is a
// Ctrl shortcut, and its command of the editor's own keyboard does not run.
bool isLetterPosition(int scancode);
bool controlHeld();  // either Ctrl key
bool shiftHeld();    // either Shift key
// Runs the command of row `row` of the command table when its keys ask for
// it in this pass (KeyTrigger); true when a key's command ran. The mouse's
// command runs on every pass and answers for itself.
bool runCommandOfRow(int row);

// ---- key_page.cpp ----
void toggleKeyPage();  // F7: shown or hidden from the next drawMapView on

// ---- mouse_painting.cpp ----
// The pointer over the map view: the cursor follows its cell; the left
// button paints with the brush (a drag is one undo step), with Shift held it
// removes the creature under it; the right button picks the cell's code up.
// True when the pointer did something.
bool followPointer();
// The pointer as it is now counts as seen: after F4 or F5 neither where it
// was left nor a button still held acts on the map.
void takePointerAsSeen();

// ---- new_level.cpp ----
void newLevelCommand();  // Ctrl+N: asks first when there are unsaved changes

// ---- overview.cpp ----
void overviewCommand();  // F4: the whole map small; arrows or a click choose the view

// ---- tile_palette.cpp ----
void paletteCommand();  // Tab: every tile at full size; a click or Space makes it the brush

// ---- level_file_list.cpp ----
// The lines the load dialog shows above its prompt: a header and the level
// files of Data, newest first, the shipped ones starred; none when Data
// holds no level file.
std::vector<std::string> levelFileListLines();
// The header and the names in rows of the text grid, two blanks apart, as
// many rows as fit above a dialog's prompt; none for no names.
std::vector<std::string> nameListLines(const std::string& header, const std::vector<std::string>& names);

// ---- play_level.cpp ----
// The scratch level F5 saves for the game to play; the list leaves it out.
constexpr const char* kProbeLevelName = "_probelauf";
void playLevelCommand();  // F5: the game plays the level from a scratch file

// ---- level_check.cpp ----
void checkLevelCommand();  // F6: can the level be finished?
// States each search of the check may explore before it gives up (the
// largest shipped labyrinth, 008, takes about 2.5 s in a debug build); the
// set's check before a save searches with it too.
constexpr std::size_t kLevelCheckStates = 1'500'000;
// What makes a test run pointless, as the check says it (German, code page
// 437; shown through tr).
extern const char* const kNoStartText;
extern const char* const kNoDoorText;
bool levelHasStart();  // a start is set
bool levelHasDoor();   // the map holds a door
// The search for the door from the start by the game's rules, creatures
// left out, held to a limit that answers within seconds.
SolverResult searchDoor();
// One finding of the check: a German line and the cell it is about.
struct LevelFinding {
    std::string text;  // as the panel shows it (code page 437)
    int x = 0;         // the cell, 0 and 0 for none
    int y = 0;
};
// The check itself: the problems in order, or the one line saying the level
// can be finished (and in how many steps) or could not be decided.
std::vector<LevelFinding> checkLevel();

// ---- level_set_screen.cpp ----
void levelSetCommand();  // F8: the level set's places, title and file

// ---- start_hint.cpp ----
void showStartHint();  // the hint over the empty level at start-up
void dropStartHint();  // the first command: the hint goes with a redraw
