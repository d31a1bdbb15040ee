// status_line.cpp — the editor's own line below the map view, and the
// window's title.
//
// Row 36: the file's name with "*" while there are unsaved changes, the
// page of the map in view (the column page and the row page, each of 11),
// the brush. Row 37: the cursor's map cell (which follows the pointer over
// the map) with its code, the start and the creatures standing there; at
// the right the last message a command left ("Gespeichert: meins", how a
// test run went). A message stays until the level next changes or another
// comes. The separator is code page 437's middle dot (0xFA).
//
// Both rows are printed only when their text changed or a command may have
// drawn over them, so an idle editor draws nothing. The window's title (and
// in the browser the page's) carries the name and the mark too.
//
// Writes: editor.message, messageAt (showMessage, and when the level
// changed), statusShown, titleShown.
#include "editor/status_line.h"

#include "editor/drawing.h"
#include "editor/editor_state.h"
#include "editor/tile_names.h"

#include "common/language.h"
#include "common/map_geometry.h"
#include "common/text_fit.h"
#include "platform/platform.h"

#include <algorithm>

namespace {

const char* const kUnnamed = trMark("Unbenannt");
// UTF-8 for the title bar: the dashes are en dashes (U+2013).
const char* const kTitleTail = " \xE2\x80\x93 Zauberlabyrinth \xE2\x80\x93 Editor";
constexpr int kColumnPages = kMaxViewX / kViewStepX + 1;  // 11
constexpr int kRowPages = kMaxViewY / kViewStepY + 1;     // 11
constexpr std::size_t kLongestName = 24;                  // longer file names are cut on the line

std::string padded(const std::string& text) { return fitToWidth(text, kTextColumns); }

std::string shownName() {
    std::string name = editor.fileName.empty() ? tr(kUnnamed) : editor.fileName;
    if (name.size() > kLongestName) name = name.substr(0, kLongestName - 1) + "~";
    return name + (editor.levelChanged != 0 ? "*" : "");
}

// The page the view shows, 1..pages; a loaded view off the page grid
// counts as the page it begins in.
int pageOf(int offset, int step, int pages) { return std::clamp(offset / step + 1, 1, pages); }

// The cursor's cell, its code, and the start and the creatures on it.
std::string cellText() {
    const int x = editor.viewX + editor.cursorX;
    const int y = editor.viewY + editor.cursorY;
    if (!isMapCell(x, y)) return "";
    std::string text = trFormat("Feld {0},{1}: {2}", {x, y, tileLabel(editor.level.map[x][y])});
    if (x == editor.level.playerX && y == editor.level.playerY) text += std::string(", ") + tr("Start");
    for (int kind = 0; kind < kCreatureKinds; ++kind) {
        const StoredCreatureTable& table = editor.level.creatures[kind];
        const int count = std::clamp(editor.level.counts[kind], 0, kMaxCreatures);
        const bool here = std::any_of(table.begin() + 1, table.begin() + 1 + count,
                                      [x, y](const StoredCreature& c) { return c.x == x && c.y == y; });
        if (here) text += std::string(", ") + creatureName(static_cast<FileCreatureKind>(kind));
    }
    return text;
}

}  // namespace

std::string statusRowText() {
    // TRANSLATORS: the file, the page of the map across (of 11), the page
    // down, the brush; the dots are code page 437's middle dot.
    return padded(trFormat("{0} \xFA Seite {1}/{2} \xFA {3}/{4} \xFA Pinsel: {5}",
                           {shownName(), pageOf(editor.viewX, kViewStepX, kColumnPages), kColumnPages,
                            pageOf(editor.viewY, kViewStepY, kRowPages), kRowPages, tileLabel(editor.brush)}));
}

std::string messageRowText() {
    // The message keeps its place at the right; the cell gives way.
    const std::string message = editor.message.size() > static_cast<std::size_t>(kTextColumns)
                                    ? fitToWidth(editor.message, kTextColumns)
                                    : editor.message;
    std::string cell = cellText();
    const std::size_t room = kTextColumns - message.size();
    if (cell.size() + 2 > room) cell.resize(room > 2 ? room - 2 : 0);
    return cell + std::string(kTextColumns - cell.size() - message.size(), ' ') + message;
}

std::string editorWindowTitle() { return textForHost(shownName()) + kTitleTail; }

void drawStatusLine(bool force) {
    if (!editor.message.empty() && editor.history.changes != editor.messageAt) editor.message.clear();
    const std::string rows = statusRowText() + messageRowText();
    if (force || rows != editor.statusShown) {
        setTextPos(kStatusRow, 1);
        printText(rows.substr(0, kTextColumns), false);
        setTextPos(kMessageRow, 1);
        printText(rows.substr(kTextColumns), false);
        editor.statusShown = rows;
    }
    const std::string title = editorWindowTitle();
    if (title != editor.titleShown) {
        nameWindow(title, editorImage(EdImg::Zaub1));
        editor.titleShown = title;
    }
}

void showMessage(const std::string& text) {
    editor.message = text;
    editor.messageAt = editor.history.changes;
}
