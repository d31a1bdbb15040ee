// file_commands.cpp — F1 saves the level as "Data\<name>.dat", F2 replaces
// the level in memory by such a file. Both ask for the name on the text grid
// and go through the one level file reader and writer all programs share.
//
// The name dialog: "Datei Name? " and one typed line, whose first field is
// the name (leading blanks skipped, up to the first comma; trailing blanks
// dropped). An empty name cancels. A name with a path separator, a leading
// dot or a control character could reach outside the Data folder or make a
// hidden or unusable file: it is refused with "Ungültiger Name".
//
// Saving writes a scratch file that replaces the old one only when complete,
// so a failed save ("Speichern fehlgeschlagen") leaves the previous file
// whole; the Data folder is created when missing. Loading reads into a
// scratch level first: a name whose file cannot be opened ("Datei nicht
// gefunden") leaves the level, the cursor and the view as they were. A read
// level is made safe before it is taken (makeLevelSafe: counts, start, view
// and creature cells clamped), so no later command can leave the map or a
// table. A start never set (0, 0) stays unset. After a load the cursor
// stands on the start in the start's view.
//
// Once the name is given the dialog is gone: the map is drawn again over
// it, and what came of it ("Gespeichert: meins", "Datei nicht gefunden")
// stands in the status line. A cancelled or failed dialog also draws the
// cursor again, leaving the screen as it was before.
//
// A level that stands in a place of the level set leaves it on a load, its
// changes kept there (leaveSetPlace).
//
// Writes: editor.level, cursorX, cursorY, viewX, viewY (load, takeLevel);
// fileName (both); history and levelChanged (both, through markSaved and
// clearHistory); textRow (through the dialog rows); message (through
// showMessage); what leaveSetPlace writes.
#include "editor/commands.h"
#include "editor/drawing.h"
#include "editor/editor_state.h"
#include "editor/level_set.h"
#include "editor/status_line.h"

#include "common/file_names.h"
#include "common/language.h"
#include "common/level_file.h"
#include "common/level_list.h"
#include "platform/platform.h"

#include <memory>
#include <string>

namespace {

constexpr int kDialogRows = 2;  // the title and the name

const char* const kNotFound = trMark("Datei nicht gefunden");
const char* const kSaveFailed = trMark("Speichern fehlgeschlagen");

// The dialog is over without a change: the screen as it was, and what
// there is to say in the status line.
void closeDialog(const char* message) {
    drawMapView();
    drawCursorCell();
    if (message != nullptr) showMessage(tr(message));
}

}  // namespace

std::string askFileName(const char* title, const std::vector<std::string>& list) {
    beginDialog(kDialogRows + static_cast<int>(list.size()));
    printDialogLine(tr(title));
    for (const std::string& line : list) printDialogLine(line);
    inputLine(tr("Datei Name"), true, true);
    nextDialogRow();
    // The close button ends the typing with the name so far; it cancels the
    // command and asks the quit question at once.
    if (takeCloseRequest()) {
        quitCommand();
        return "";
    }
    const std::string name = typedFileName(readStringField());
    if (checkFileName(name) == NameCheck::Refused) {
        closeDialog(kInvalidNameText);
        return "";
    }
    if (name.empty()) closeDialog(nullptr);
    return name;
}

void saveLevelCommand() {
    const std::string name = askFileName(trMark("Speichern"));
    if (name.empty()) return;
    if (!writeLevelFile(levelFilePath(name), editor.level)) {
        closeDialog(kSaveFailed);
        return;
    }
    markSaved();
    editor.fileName = name;
    drawMapView();
    showMessage(trFormat("Gespeichert: {0}", {name}));
}

void loadLevelCommand() {
    const std::string name = askFileName(trMark("Laden"), levelFileListLines());
    if (name.empty()) return;
    auto level = std::make_unique<LevelData>();
    if (!readLevelFile(levelFilePath(name), *level)) {
        closeDialog(kNotFound);
        return;
    }
    leaveSetPlace();
    takeLevel(*level);
    editor.fileName = name;
    drawMapView();
    showMessage(trFormat("Geladen: {0}", {name}));
}

void takeLevel(const LevelData& read) {
    auto level = std::make_unique<LevelData>(read);
    const bool startSet = level->playerX != 0 || level->playerY != 0;
    makeLevelSafe(*level);
    editor.level = *level;
    // The start, now on a reachable cell inside its view, places the cursor
    // even when the file had none: then on cell (1, 1).
    editor.viewX = level->viewX;
    editor.viewY = level->viewY;
    editor.cursorX = level->playerX - level->viewX;
    editor.cursorY = level->playerY - level->viewY;
    if (!startSet) {
        editor.level.playerX = 0;
        editor.level.playerY = 0;
        editor.level.viewX = 0;
        editor.level.viewY = 0;
    }
    clearHistory();
}
