// info_panel.cpp — the text panel over the top left of the map (F3): the
// cursor and view, the brush, the four creature counts, and the key help
// beside them: the classic lines, then a column with every other key.
// Every character is printed white on black, so the panel blanks the map
// under it until the next redraw without the panel.
//
// Numbers are printed signed: a blank before a value of 0 or more, a minus
// sign before a negative one. With the cursor on screen cell (5, 5) of view
// (0, 0) the first row begins " 5 0".
//
// Writes: editor.panelVisible (F3), editor.textRow (the panel leaves the
// next dialog on row 10).
#include "editor/commands.h"
#include "editor/drawing.h"
#include "editor/editor_state.h"

#include "platform/platform.h"

namespace {

constexpr int kToggleMs = 100;

// A count line: its label and the field it shows.
struct CountLine {
    const char* label;      // the text before the count
    FileCreatureKind kind;  // whose count it shows
};
const CountLine kCountLines[] = {
    {"Schweine", FileCreatureKind::Pig},
    {"tot40", FileCreatureKind::FlameGhost},
    {"PutzenMann", FileCreatureKind::Cleaner},
    {"Auge", FileCreatureKind::Eye},
};
constexpr int kFirstCountRow = 4;

// One line of the key help and where it stands.
struct HelpLine {
    int row;
    int column;
    const char* text;
};
const HelpLine kHelpLines[] = {
    {1, 20, "F1 - Speichern"},
    {2, 20, "F2 - Laden"},
    {3, 20, "1  - Mauer Rot"},
    {4, 20, "2  - Gruen"},
    {5, 20, "3  - Alt Mauer"},
    {6, 20, "4  - Alt Wand"},
    {7, 20, "5  - Seule"},
    {8, 20, "6  - Wolke"},
    {1, 40, "7  - Sperre Senkrecht"},
    {2, 40, "8  - Sperre Wagerecht"},
    {3, 40, "9  - Schluessel"},
    {4, 40, "0  - Nichts"},
    {5, 40, "q  - Flamme"},
    {6, 40, "p  - Schwein"},
    {7, 40, "i  - FammTot (tot40)"},
    {8, 40, "z  - PutzenMann"},
    {9, 40, "a  - Auge"},
};
// The keys the lines above leave out, and those added beside the command
// table, in a column of their own to the right.
constexpr int kMoreColumn = 64;
const char* const kMoreHelpLines[] = {
    "Leer - Setzen",
    "c  - Feld aufnehmen",
    "s  - Start setzen",
    "o u t y - letzte Figur weg",
    "w  - Gegenstand",
    "e  - Tuer",
    "F3 - Hilfe an/aus",
    "F4 - Uebersicht",
    "F5 - Level spielen",
    "F6 - Level pruefen",
    "Tab - alle Felder",
    "Strg+Z - Rueckgaengig",
    "Strg+Y - Wiederholen",
    "Strg+N - Neues Level",
    "Maus - links malen",
    "       rechts aufnehmen",
    "Umschalt+Klick - Figur weg",
    "Esc - Ende",
};
// The last help line ends on this row: the next dialog prints here.
constexpr int kRowAfterPanel = 10;

}  // namespace

void printInfoPanel() {
    setTextPos(1, 1);
    printInteger(editor.cursorX, false);
    printInteger(editor.viewX, true);
    printInteger(editor.cursorY, false);
    printInteger(editor.viewY, true);
    printInteger(editor.brush, true);
    int row = kFirstCountRow;
    for (const CountLine& line : kCountLines) {
        setTextPos(row++, 1);
        printText(line.label, false);
        printInteger(editor.level.counts[static_cast<int>(line.kind)], true);
    }
    int moreRow = 1;
    for (const char* text : kMoreHelpLines) {
        setTextPos(moreRow++, kMoreColumn);
        printText(text, false);
    }
    for (const HelpLine& line : kHelpLines) {
        setTextPos(line.row, line.column);
        printText(line.text, true);
    }
    editor.textRow = kRowAfterPanel;
}

void togglePanel() {
    editor.panelVisible = 1 - editor.panelVisible;
    // Nothing is redrawn: the panel shows or goes with the next drawMapView.
    sleepMs(kToggleMs);
}
