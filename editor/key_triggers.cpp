// key_triggers.cpp — when the key of a row of the command table makes its
// command run (KeyTrigger), and the modifier keys the commands look at.
//
// A row of the editor's own keyboard acts once per tap and repeats while
// held (keyPressed); with Ctrl held its letter keys are left to the Ctrl
// rows. The rows added beside it act once per press: the loop keeps, per
// row, whether its keys were down at the last pass, and a row runs when its
// keys went down since. The Ctrl letters are read by their label in the
// user's keyboard layout, so undo is on the key marked Z whatever the
// keyboard. A command that waits for the user (F4, F5, F6) returns with the
// keys still held spent, so a key still down starts nothing more.
//
// Writes: editor.keysHeld.
#include "editor/command_table.h"
#include "editor/commands.h"
#include "editor/editor_state.h"

#include "platform/platform.h"

#include <cstdint>

namespace {

// True while the keys of a once-per-press row are down.
bool rowKeysDown(const EditorCommand& command) {
    switch (command.trigger) {
        case KeyTrigger::Once:
        case KeyTrigger::OnceAndSpend: return isKeyDown(command.key);
        case KeyTrigger::Control:
        case KeyTrigger::ControlShift:
            return controlHeld() && shiftHeld() == (command.trigger == KeyTrigger::ControlShift) &&
                   isLetterKeyDown(static_cast<char>(command.key));
        case KeyTrigger::Repeat:
        case KeyTrigger::Pointer: break;
    }
    return false;
}

}  // namespace

bool isLetterPosition(int scancode) {
    // The letter rows of a PC keyboard: Q..P, A..L, Y..M (German labels).
    return (scancode >= 16 && scancode <= 25) || (scancode >= 30 && scancode <= 38) || (scancode >= 44 && scancode <= 50);
}

bool controlHeld() { return isKeyDown(scancode::Ctrl); }

bool shiftHeld() { return isKeyDown(scancode::LeftShift) || isKeyDown(scancode::RightShift); }

bool runCommandOfRow(int row) {
    const EditorCommand& command = editorCommands()[static_cast<std::size_t>(row)];
    if (command.trigger == KeyTrigger::Pointer) {
        if (command.run) command.run();
        return false;  // the pointer's command says itself when it acted
    }
    if (command.trigger == KeyTrigger::Repeat) {
        // The press is taken either way, so that a Ctrl letter does not run
        // its command once Ctrl is let go.
        const bool pressed = keyPressed(command.key);
        if (!pressed || (controlHeld() && isLetterPosition(command.key))) return false;
        command.run();
        return true;
    }
    const std::uint64_t bit = std::uint64_t{1} << row;
    // A function key's press is latched, so a tap shorter than a pass counts.
    const bool latched = command.trigger != KeyTrigger::Control && command.trigger != KeyTrigger::ControlShift &&
                         keyPressed(command.key);
    const bool wentDown = (latched || rowKeysDown(command)) && (editor.keysHeld & bit) == 0;
    if (wentDown) {
        command.run();
        if (command.trigger == KeyTrigger::OnceAndSpend) spendHeldKeys();
    }
    // Looked at after the command: one that waited may return with its keys
    // let go, or still held, which must not run it again.
    editor.keysHeld = rowKeysDown(command) ? editor.keysHeld | bit : editor.keysHeld & ~bit;
    return wentDown;
}
