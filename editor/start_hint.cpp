// start_hint.cpp — a few lines over the empty level at start-up that say
// where to begin: Tab shows every tile, the brush keys pick one, Space puts
// it down, F5 tries the level in the game, F6 checks it, F2 opens a
// labyrinth and F1 saves it, F3 or F7 and then an arrow key show the help or
// every key. The first command takes them away with a redraw.
//
// Writes: editor.hintShown.
#include "editor/commands.h"
#include "editor/drawing.h"
#include "editor/editor_state.h"

#include "common/language.h"
#include "platform/platform.h"

namespace {

constexpr int kHintRow = 16;
constexpr int kHintColumn = 30;
// Code page 437: \x81 is ü, \x84 ä.
// TRANSLATORS: each line is a key and what it does, the key's room padded
// with blanks so that the descriptions stand in one column.
const char* const kHintLines[] = {
    trMark("Willkommen im Level-Editor!"),
    "",
    trMark("Tab           alle Felder zeigen, eins als Pinsel w\x84hlen"),
    trMark("0-9, Q, W, E  Pinsel w\x84hlen (nochmals: n\x84"
           "chstes Feld der Gruppe)"),
    trMark("Leertaste     den Pinsel setzen"),
    trMark("F5            das Level im Spiel ausprobieren"),
    trMark("F6            pr\x81"
           "fen, ob die T\x81r erreichbar ist"),
    trMark("F2 / F1       ein Labyrinth laden / speichern"),
    trMark("F3, Pfeil     die Hilfe zeigen"),
    trMark("F7, Pfeil     alle Tasten zeigen"),
    trMark("Maus          links malen, rechts Feld aufnehmen"),
};

}  // namespace

void showStartHint() {
    int row = kHintRow;
    for (const char* line : kHintLines) {
        setTextPos(row++, kHintColumn);
        printText(tr(line), false);
    }
    editor.hintShown = 1;
}

void dropStartHint() {
    if (editor.hintShown == 0) return;
    editor.hintShown = 0;
    drawMapView();
    drawCursorCell();
}
