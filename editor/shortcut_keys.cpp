// shortcut_keys.cpp — the commands added beside the command table: Ctrl+Z
// and Ctrl+Y (or Ctrl+Shift+Z) for undo and redo, Ctrl+N for a new level,
// F4 the overview, F5 playing the level, F6 the check.
//
// The Ctrl letters are read by their label in the user's keyboard layout, so
// undo is on the key marked Z whatever the keyboard. Unlike the table's
// keys, which repeat while held, each of these runs once when its key goes
// down: one undo per press.
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
bool overviewKey() { return isKeyDown(scancode::F4); }
bool playKey() { return isKeyDown(scancode::F5); }
bool checkKey() { return isKeyDown(scancode::F6); }

// One added command and the keys that make it.
struct Shortcut {
    bool (*held)();  // its keys are down
    void (*run)();   // the command
};
const Shortcut kShortcuts[] = {
    {undoKeys, undoStep},
    {redoKeys, redoStep},
    {newLevelKeys, newLevelCommand},
    {overviewKey, overviewCommand},
    {playKey, playLevelCommand},
    {checkKey, checkLevelCommand},
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
    for (int i = 0; i < static_cast<int>(std::size(kShortcuts)); ++i) {
        if (!kShortcuts[i].held()) continue;
        held |= 1 << i;
        if (editor.shortcutsHeld & (1 << i)) continue;
        kShortcuts[i].run();
        ran = true;
        // A command that waits (F4, F5) may return with its key let go, or
        // still held, which must not run it again.
        if (!kShortcuts[i].held()) held &= ~(1 << i);
    }
    editor.shortcutsHeld = held;
    return ran;
}
