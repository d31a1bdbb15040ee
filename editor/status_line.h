// status_line.h — the editor's own two text rows below the map view (rows
// 36 and 37 of the text grid, pixels y 560..591, which the map view never
// draws), the messages the commands leave there, and the window's title.
#pragma once

#include <string>

// Text rows of the status line.
constexpr int kStatusRow = 36;   // the file, its page of the map, the brush
constexpr int kMessageRow = 37;  // the cursor's cell, and the last message at the right

// The two rows as they stand now, each 100 characters (code page 437).
std::string statusRowText();
std::string messageRowText();
// "meins* – Zauberlabyrinth – Editor" (UTF-8): the file's name, "*" while
// the level has unsaved changes, "Unbenannt" before the first save or load.
std::string editorWindowTitle();

// Prints both rows when they changed since last printed, or always when
// `force` (a command may have drawn over them); names the window anew when
// its title changed.
void drawStatusLine(bool force);
// The message at the right of the second row, until the level next changes
// or another message comes.
void showMessage(const std::string& text);
