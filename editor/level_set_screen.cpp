// level_set_screen.cpp — F8: the level set's own screen. It shows the set's
// title, author and file, its eight places with their labyrinths' names,
// which of them are proven and which is being edited, and the keys:
//
//   arrows up, down          choose a place
//   Shift + arrows           move the chosen place up or down
//   Enter                    edit the place's labyrinth (back on the map)
//   Space                    put the level being edited into the place
//   Delete                   empty the place
//   U                        name the place
//   N, T                     a new set; title and author
//   F1, F2                   save the set (after the check), open a set
//   Esc, F8                  back to the map
//
// Dialogs and findings print below the keys. A tap acts once; a key held
// repeats, at the pace of the command loop.
//
// Writes: editor.setCursor, textRow (through the dialogs); what the
// operations of level_set.h write.
#include "editor/commands.h"
#include "editor/drawing.h"
#include "editor/editor_state.h"
#include "editor/level_set.h"

#include "common/file_names.h"
#include "common/language.h"
#include "platform/platform.h"

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

constexpr int kPassMs = 80;  // as the command loop: held keys repeat at its pace

constexpr int kHeadingRow = 1;
constexpr int kTitleRow = 3, kAuthorRow = 4, kFileRow = 5;
constexpr int kFirstPlaceRow = 7;
constexpr int kPointerColumn = 2, kNumberColumn = 4, kNameColumn = 7, kProofColumn = 50, kEditedColumn = 63;
constexpr int kFirstKeysRow = 16;
constexpr int kDialogRow = 23;
constexpr int kProgressRow = 22;

const char* const kHeading = trMark("Sammlung (F8)");
const char* const kBackKey = trMark("Esc oder F8: zur\x81"
                                    "ck zur Karte");
// TRANSLATORS: two keys a line, the second standing in one column with the
// second of the lines above and below.
const char* const kKeys[] = {
    trMark("Pfeile auf/ab: Platz w\x84hlen          Umschalt + Pfeile: Platz verschieben"),
    trMark("Eingabe: Labyrinth bearbeiten         Leertaste: bearbeitetes Level auf diesen Platz"),
    trMark("Entf: Platz leeren                    U: Platz benennen"),
    trMark("N: neue Sammlung   T: Titel und Autor   F1: Sammlung speichern   F2: Sammlung laden"),
    kBackKey,
};

const char* const kEmpty = trMark("(leer)");
const char* const kProven = trMark("\xFB bewiesen");
const char* const kEdited = trMark("<- wird bearbeitet");
const char* const kShippedNameTaken = trMark("Dieser Name geh\x94rt der mitgelieferten Sammlung.");
const char* const kSaveFailed = trMark("Speichern fehlgeschlagen");
const char* const kLeaveLevel = trMark("Level nicht gespeichert. Trotzdem wechseln (J/N)?");
const char* const kDropSetForNew = trMark("Sammlung nicht gespeichert. Neue Sammlung (J/N)?");
const char* const kDropSetForOther = trMark("Sammlung nicht gespeichert. Andere laden (J/N)?");

// J or N, asked below the keys; the key that answered does not go on to
// run its own command on the screen (N would begin a new set).
bool answeredYes(const char* question) {
    const bool yes = askYesNo(question);
    spendHeldKeys();
    return yes;
}

void printAt(int row, int column, const std::string& text) {
    setTextPos(row, column);
    printText(text, false);
}

void drawScreen() {
    clearPage();
    setTextColour(kWhite);
    printAt(kHeadingRow, kPointerColumn, tr(kHeading));
    printAt(kTitleRow, kPointerColumn, trFormat("Titel: {0}", {editor.set.title}));
    printAt(kAuthorRow, kPointerColumn, trFormat("Autor: {0}", {editor.set.author}));
    const std::string path = "Data/" + editor.setName + kLevelSetExtension;
    const bool changed = setHasUnsavedChanges();
    const std::string file = editor.setName.empty() ? (changed ? tr("Datei: noch nicht gespeichert  (ge\x84ndert)")
                                                               : tr("Datei: noch nicht gespeichert"))
                                                    : (changed ? trFormat("Datei: {0}  (ge\x84ndert)", {path})
                                                               : trFormat("Datei: {0}", {path}));
    printAt(kFileRow, kPointerColumn, file);
    for (int n = 1; n <= kLevelCount; ++n) {
        const SetLabyrinth& place = editor.set.labyrinths[static_cast<std::size_t>(n - 1)];
        const int row = kFirstPlaceRow + n - 1;
        if (n == editor.setCursor) printAt(row, kPointerColumn, ">");
        printAt(row, kNumberColumn, std::to_string(n));
        printAt(row, kNameColumn, isEmptyPlace(place) ? tr(kEmpty) : place.name.empty() ? "-" : place.name);
        if (!place.route.empty()) printAt(row, kProofColumn, tr(kProven));
        if (n == editor.setPlace) printAt(row, kEditedColumn, tr(kEdited));
    }
    int row = kFirstKeysRow;
    for (const char* line : kKeys) printAt(row++, kPointerColumn, tr(line));
    editor.textRow = kDialogRow;
}

// Lines below the keys, after the screen was drawn anew.
void showLines(const std::vector<std::string>& lines) {
    drawScreen();
    beginDialog(static_cast<int>(lines.size()));
    for (const std::string& line : lines) printDialogLine(line);
}

// One typed line for a title, an author or a name, whole: a comma is part
// of a title, not the end of a field.
std::string askText(const std::string& prompt) {
    beginDialog(1);
    inputLine(prompt, true, true);
    nextDialogRow();
    return typedFileName(readLineField());
}

void showSearching(int n) {
    setTextPos(kProgressRow, kPointerColumn);
    printText(trFormat("Pr\x81"
                       "fe Labyrinth {0} von {1} ...",
                       {n, kLevelCount}),
              false);
}

void saveDialog() {
    editor.textRow = kDialogRow;
    const std::string name = askFileName(trMark("Sammlung speichern"), setFileListLines());
    if (name.empty()) return;
    if (name == kShippedSetName) {
        printDialogLine(tr(kShippedNameTaken));
        return;
    }
    std::vector<PlaceProof> proofs;
    const bool saved = saveSet(name, proofs, showSearching);
    std::vector<std::string> lines = {saved ? trFormat("Gespeichert als Data/{0}.", {name + kLevelSetExtension})
                                            : std::string(tr(kSaveFailed))};
    for (const std::string& line : proofLines(proofs)) lines.push_back(line);
    showLines(lines);
}

void openDialog() {
    editor.textRow = kDialogRow;
    if (setHasUnsavedChanges() && !answeredYes(kDropSetForOther)) {
        drawScreen();
        return;
    }
    const std::string name = askFileName(trMark("Sammlung laden"), setFileListLines());
    if (name.empty()) return;
    std::string refusal;
    if (!openSet(name, refusal)) {
        showLines({refusal});
        return;
    }
    showLines({trFormat("Geladen: Data/{0}", {name + kLevelSetExtension})});
}

void newSetDialog() {
    editor.textRow = kDialogRow;
    if (setHasUnsavedChanges() && !answeredYes(kDropSetForNew)) {
        drawScreen();
        return;
    }
    const std::string title = askText(tr("Titel der neuen Sammlung"));
    const std::string author = askText(tr("Autor"));
    newSet(title, author);
    drawScreen();
}

void titleDialog() {
    editor.textRow = kDialogRow;
    const std::string title = askText(tr("Titel (Eingabe allein: bleibt)"));
    const std::string author = askText(tr("Autor (Eingabe allein: bleibt)"));
    nameSet(title.empty() ? editor.set.title : title, author.empty() ? editor.set.author : author);
    drawScreen();
}

void renameDialog() {
    editor.textRow = kDialogRow;
    const std::string name = askText(trFormat("Name von Labyrinth {0}", {editor.setCursor}));
    if (!name.empty()) renamePlace(editor.setCursor, name);
    drawScreen();
}

// Enter: the chosen place's labyrinth is edited; true when the screen is
// to close for it. Unsaved changes of a level that stands in no place are
// lost by that, so the editor asks first.
bool editChosenPlace() {
    if (editor.setCursor == editor.setPlace) return true;
    editor.textRow = kDialogRow;
    if (editor.levelChanged != 0 && editor.setPlace == 0 && !answeredYes(kLeaveLevel)) {
        drawScreen();
        return false;
    }
    editPlace(editor.setCursor);
    return true;
}

bool anyKeyDown(std::initializer_list<int> keys) {
    return std::any_of(keys.begin(), keys.end(), [](int key) { return isKeyDown(key); });
}

}  // namespace

void levelSetCommand() {
    syncSetPlace();
    editor.setCursor = std::clamp(editor.setCursor, 1, kLevelCount);
    drawScreen();
    // The F8 that opened the screen acts only once let go.
    for (const int key : {scancode::Up, scancode::Down, scancode::Enter, scancode::Space, scancode::Delete, scancode::U,
                          scancode::N, scancode::T, scancode::F1, scancode::F2, scancode::Esc}) {
        keyPressed(key);
    }
    while (isKeyDown(scancode::F8)) sleepMs(kPassMs);
    keyPressed(scancode::F8);
    bool closing = false;
    for (;;) {
        sleepMs(kPassMs);
        flushKeys();
        closing = takeCloseRequest();
        if (closing || keyPressed(scancode::Esc) || keyPressed(scancode::F8)) break;
        const bool shift = shiftHeld();
        int by = 0;
        if (keyPressed(scancode::Up)) by -= 1;
        if (keyPressed(scancode::Down)) by += 1;
        if (by != 0) {
            if (shift) {
                movePlace(editor.setCursor, by);
            } else {
                editor.setCursor = std::clamp(editor.setCursor + by, 1, kLevelCount);
            }
            drawScreen();
        }
        if (keyPressed(scancode::Enter) && editChosenPlace()) break;
        if (keyPressed(scancode::Space)) {
            putLevelIntoPlace(editor.setCursor);
            drawScreen();
        }
        if (keyPressed(scancode::Delete)) {
            emptyPlace(editor.setCursor);
            drawScreen();
        }
        if (keyPressed(scancode::U)) renameDialog();
        if (keyPressed(scancode::N)) newSetDialog();
        if (keyPressed(scancode::T)) titleDialog();
        if (keyPressed(scancode::F1)) saveDialog();
        if (keyPressed(scancode::F2)) openDialog();
    }
    // The key that closed the screen does not act on the map, nor Esc end
    // the editor.
    while (anyKeyDown({scancode::Esc, scancode::F8, scancode::Enter})) sleepMs(kPassMs);
    spendHeldKeys();
    takePointerAsSeen();
    drawMapView();
    drawCursorCell();
    // The window's close button asks as Esc does on the map.
    if (closing) quitCommand();
}
