// typed_name.h — names the player types: the line entry on the text grid
// and the rules a typed name must pass before it is used.
#pragma once

#include <string>

// The longest best-player name: the title screen shows names from column 44
// and the score from column 64.
constexpr int kMaxPlayerName = 20;
// The longest saved-game name: what fits behind the dialog's prompt.
constexpr int kMaxGameName = 44;

// Prints prompt at (row, column) and lets the player type one line behind
// it, echoed with a caret, until Enter: Backspace deletes the last
// character, Esc clears the line, other control and extended keys are
// ignored, and the line holds at most maxLength characters. The cursor then
// stands at the start of the next row. The window's close request ends the
// program (quitGame) while the player types.
// Returns the line as typed; the name in it is its firstField.
std::string typeLine(int row, int column, const std::string& prompt, int maxLength);

// The first text field of a typed line, as the data-file reader takes it:
// blanks and tabs before it dropped; a field opened by a double quote runs
// to the next one, without the quotes; otherwise it runs to the first comma,
// inner and trailing blanks kept. "Anna, Bert" gives "Anna".
std::string firstField(const std::string& line);

enum class NameCheck {
    Empty,    // nothing typed: the dialog is cancelled
    Refused,  // not a plain file name: "Ungültiger Name"
    Valid,    // a file name inside Data and nothing else
};

// A saved-game name must name one file inside Data: it may not be empty,
// hold a path separator ("/" or "\"), begin with a dot, or hold a control
// character (below 0x20, or 0x7F).
NameCheck checkGameName(const std::string& name);

// A best-player name as the table keeps it: a double quote becomes an
// apostrophe, since a text field of the settings file cannot hold one.
std::string bestPlayerName(const std::string& typed);
