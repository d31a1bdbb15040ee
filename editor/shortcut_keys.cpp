// shortcut_keys.cpp — the commands added beside the command table: Ctrl+Z
// and Ctrl+Y (or Ctrl+Shift+Z) for undo and redo, Ctrl+N for a new level,
// F4 the overview, F5 playing the level, F6 the check.
//
// The Ctrl letters are read by their label in the user's keyboard layout, so
// undo is on the key marked Z whatever the keyboard; each runs once when its
// keys go down: one undo per press. F4, F5 and F6 are taken as taps, as the
// table's keys are (keyPressed); each opens something that waits, and what
// is held when it returns is spent, so a key still down starts nothing more.
//
// Writes: editor.shortcutsHeld.
#include "editor/commands.h"
#include "editor/editor_state.h"

#include "platform/platform.h"

namespace {

bool controlLetter(char letter) { return controlHeld() && isLetterKeyDown(letter); }
bool undoKeys() { return controlLetter('z') && !shiftHeld(); }
bool redoKeys() { return controlLetter('y') || (controlLetter('z') && shiftHeld()); }
bool newLevelKeys() { return controlLetter('n'); }

// One added Ctrl command and the keys that make it.
struct LetterShortcut {
    bool (*held)();  // its keys are down
    void (*run)();   // the command
};
const LetterShortcut kLetterShortcuts[] = {
    {undoKeys, undoStep},
    {redoKeys, redoStep},
    {newLevelKeys, newLevelCommand},
};

// One added function key and its command.
struct KeyShortcut {
    int scancode;   // tested with keyPressed
    void (*run)();  // the command
};
const KeyShortcut kKeyShortcuts[] = {
    {scancode::F4, overviewCommand},
    {scancode::F5, playLevelCommand},
    {scancode::F6, checkLevelCommand},
    {scancode::F8, levelSetCommand},
};

}  // namespace

bool isLetterPosition(int scancode) {
    // The letter rows of a PC keyboard: Q..P, A..L, Y..M (German labels).
    return (scancode >= 16 && scancode <= 25) || (scancode >= 30 && scancode <= 38) ||
           (scancode >= 44 && scancode <= 50);
}

bool controlHeld() { return isKeyDown(scancode::Ctrl); }

bool shiftHeld() { return isKeyDown(scancode::LeftShift) || isKeyDown(scancode::RightShift); }

bool runShortcuts() {
    int held = 0;
    bool ran = false;
    for (int i = 0; i < static_cast<int>(std::size(kLetterShortcuts)); ++i) {
        if (!kLetterShortcuts[i].held()) continue;
        held |= 1 << i;
        if (editor.shortcutsHeld & (1 << i)) continue;
        kLetterShortcuts[i].run();
        ran = true;
        // Ctrl+N may wait for an answer and return with its keys let go, or
        // still held, which must not run it again.
        if (!kLetterShortcuts[i].held()) held &= ~(1 << i);
    }
    editor.shortcutsHeld = held;
    for (const KeyShortcut& key : kKeyShortcuts) {
        if (!keyPressed(key.scancode)) continue;
        key.run();
        spendHeldKeys();
        ran = true;
    }
    return ran;
}
