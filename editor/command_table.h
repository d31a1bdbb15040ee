// command_table.h — the editor's command table: every key and mouse command,
// its help text, where the help shows it and the command it runs.
//
// The command loop tests the rows in table order (editor_loop.cpp), so keys
// held together act in that order; the info panel (F3) prints the rows that
// have a place on it, the key page (F7) the others, and --help and the
// manual page list them all.
#pragma once

#include <span>
#include <string>

// How a row's key makes its command run.
enum class KeyTrigger : unsigned char {
    Repeat,  // a tap acts once, a held key again on every pass from 0.3 s on (keyPressed); a letter key not while Ctrl is held
    Once,          // once per press, however long the key is held
    OnceAndSpend,  // once per press; the command waits for the user, and the keys still held when it returns are spent
    Control,       // Ctrl with the key labelled `key` on the user's keyboard, Shift up; once per press
    ControlShift,  // Ctrl and Shift with that key; once per press
    Pointer,       // the mouse over the map: the command looks at it on every pass
};

// Where the info panel prints a row's line, on the 8 x 16 text grid.
struct PanelPlace {
    int row = 0;     // 1..9; 0: not on the panel, the key page shows the row
    int column = 0;  // 20 or 40
};

// One row of the table.
struct EditorCommand {
    KeyTrigger trigger;  // how its key is read
    int key;             // PC set-1 scancode; the letter 'a'..'z' for Control and ControlShift; 0 for Pointer
    const char* label;  // the key as the help names it, code page 437 ("F1", "p", "Strg+Z"; shown through tr); nullptr: named by the row above
    const char* help;  // what it does, German, code page 437 (shown through tr); nullptr when label is
    PanelPlace panel;  // its line on the info panel (F3); row 0: on the key page (F7)
    void (*run)();     // the command; nullptr where the row above's command reads the key too (the mouse)
};

// The rows in the order the loop tests them: the 32 keys of the editor's own
// keyboard, then those added beside them.
std::span<const EditorCommand> editorCommands();

// A row's help line as the panel and the key page print it, in the language
// chosen: the label padded to two characters, " - ", the help ("F1 -
// Speichern", "1  - Mauer Rot").
std::string helpLine(const EditorCommand& command);
