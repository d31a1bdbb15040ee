// command_table.cpp — the editor's commands, one row each. The first 32 rows
// are the editor's own keyboard in the order its loop has always tested
// them; the panel lines of those that the info panel names are its exact
// texts. After them come the keys added beside that keyboard, each acting
// once per press, and the mouse.
//
// Texts are German, code page 437 (\x81 is ü, \x84 ä, \x9A Ü), and shown
// through tr in the language chosen; labels that are the same in every
// language ("F1", "p") are not marked.
//
// Writes: nothing itself; each row's command writes what its own file
// says.
#include "editor/command_table.h"

#include "editor/commands.h"
#include "editor/undo_history.h"

#include "common/language.h"
#include "platform/platform.h"

#include <algorithm>
#include <iterator>

namespace {

using namespace scancode;
using enum KeyTrigger;

// The mouse's command of a pass; the start-up hint goes when it acted, as
// with any other command.
void followPointerCommand() {
    if (followPointer()) dropStartHint();
}

// clang-format off
constexpr EditorCommand kEditorCommands[] = {
    {Repeat, Up, trMark("Pfeiltasten"), trMark("Cursor bewegen"), {}, cursorUp},
    {Repeat, Down, nullptr, nullptr, {}, cursorDown},
    {Repeat, Left, nullptr, nullptr, {}, cursorLeft},
    {Repeat, Right, nullptr, nullptr, {}, cursorRight},
    {Repeat, Space, trMark("Leertaste"), trMark("Pinsel setzen"), {}, placeBrush},
    {Repeat, C, "c", trMark("Feld aufnehmen"), {}, pickUpBrush},
    {Repeat, S, "s", trMark("Start setzen"), {}, setStart},
    {Repeat, P, "p", trMark("Schwein"), {6, 40}, addPig},
    {Repeat, O, "o", trMark("letztes Schwein weg"), {}, removePig},
    {Repeat, I, "i", trMark("FammTot (tot40)"), {7, 40}, addFlameGhost},
    {Repeat, U, "u", trMark("letzten FammTot weg"), {}, removeFlameGhost},
    {Repeat, Z, "z", trMark("PutzenMann"), {8, 40}, addCleaner},  // German Z (US Y)
    {Repeat, T, "t", trMark("letzten PutzenMann weg"), {}, removeCleaner},
    {Repeat, A, "a", trMark("Auge"), {9, 40}, addEye},
    {Repeat, Y, "y", trMark("letztes Auge weg"), {}, removeEye},  // German Y (US Z)
    {Repeat, F1, "F1", trMark("Speichern"), {1, 20}, saveLevelCommand},
    {Repeat, F2, "F2", trMark("Laden"), {2, 20}, loadLevelCommand},
    {Repeat, F3, "F3", trMark("Hilfe an/aus"), {}, togglePanel},
    {Repeat, Digit0, "0", trMark("Nichts"), {4, 40}, brushKey<Digit0>},
    {Repeat, Digit1, "1", trMark("Mauer Rot"), {3, 20}, brushKey<Digit1>},
    {Repeat, Digit2, "2", trMark("Gruen"), {4, 20}, brushKey<Digit2>},
    {Repeat, Digit3, "3", trMark("Alt Mauer"), {5, 20}, brushKey<Digit3>},
    {Repeat, Digit4, "4", trMark("Alt Wand"), {6, 20}, brushKey<Digit4>},
    {Repeat, Digit5, "5", trMark("Seule"), {7, 20}, brushKey<Digit5>},
    {Repeat, Digit6, "6", trMark("Wolke"), {8, 20}, brushKey<Digit6>},
    {Repeat, Digit7, "7", trMark("Sperre Senkrecht"), {1, 40}, brushKey<Digit7>},
    {Repeat, Digit8, "8", trMark("Sperre Wagerecht"), {2, 40}, brushKey<Digit8>},
    {Repeat, Digit9, "9", trMark("Schluessel"), {3, 40}, brushKey<Digit9>},
    {Repeat, Q, "q", trMark("Flamme"), {5, 40}, brushKey<Q>},
    {Repeat, W, "w", trMark("Waffen, Stern, Kreuz"), {}, brushKey<W>},
    {Repeat, E, "e", trMark("T\x81r"), {}, brushKey<E>},
    {Repeat, Esc, "Esc", trMark("Ende"), {}, quitCommand},
    {Control, 'z', trMark("Strg+Z"), trMark("R\x81" "ckg\x84ngig"), {}, undoStep},
    {Control, 'y', trMark("Strg+Y"), trMark("Wiederholen"), {}, redoStep},
    {ControlShift, 'z', trMark("Strg+Umschalt+Z"), trMark("Wiederholen"), {}, redoStep},
    {Control, 'n', trMark("Strg+N"), trMark("Neues Level"), {}, newLevelCommand},
    {OnceAndSpend, F4, "F4", trMark("\x9A" "bersicht"), {}, overviewCommand},
    {OnceAndSpend, F5, "F5", trMark("Level spielen"), {}, playLevelCommand},
    {OnceAndSpend, F6, "F6", trMark("Level pr\x81" "fen"), {}, checkLevelCommand},
    {Once, F7, "F7", trMark("Tastenseite an/aus"), {}, toggleKeyPage},
    {OnceAndSpend, F8, "F8", trMark("Sammlung"), {}, levelSetCommand},
    {OnceAndSpend, Tab, "Tab", trMark("alle Felder"), {}, paletteCommand},
    {Pointer, 0, trMark("Maus links"), trMark("malen"), {}, followPointerCommand},
    {Pointer, 0, trMark("Maus rechts"), trMark("Feld aufnehmen"), {}, nullptr},
    {Pointer, 0, trMark("Umschalt+Klick"), trMark("Figur weg"), {}, nullptr},
};
// clang-format on
// The loop keeps one bit per row for the keys held at its last pass.
static_assert(std::size(kEditorCommands) <= 64, "one bit per row in EditorState::keysHeld");
static_assert(std::count_if(std::begin(kEditorCommands), std::end(kEditorCommands),
                            [](const EditorCommand& c) { return c.trigger == KeyTrigger::Repeat; }) == 32,
              "the editor's own keyboard has 32 keys");

}  // namespace

std::span<const EditorCommand> editorCommands() { return kEditorCommands; }

std::string helpLine(const EditorCommand& command) {
    std::string line = tr(command.label);
    if (line.size() < 2) line.resize(2, ' ');
    return line + " - " + tr(command.help);
}
