// file_names.h — the files of the folder Data by name, and what a name typed
// in a dialog may be: the name of one file inside Data and nothing else. The
// game's saved-game dialogs and the editor's name dialog use the same rule.
#pragma once

#include "common/language.h"

#include <string>

// "Data\<name><extension>": the path, as the programs name files, of the
// file `name` with the ending `extension` (".dat", ".sav") in Data.
inline std::string dataFilePath(const std::string& name, const std::string& extension) {
    return "Data\\" + name + extension;
}

enum class NameCheck {
    Empty,    // nothing typed: the dialog is cancelled
    Refused,  // not a plain file name: the dialog shows "Ungültiger Name"
    Valid,    // a file name inside Data
};

// The name as it is used: trailing blanks and tabs dropped, since nobody
// sees them on the screen.
std::string typedFileName(const std::string& field);
// A name is refused when it holds a path separator ("/" or "\"), begins with
// a dot, or holds a control character (below 0x20, or 0x7F). The platform's
// path check, which keeps every write below Data, stays the second wall.
NameCheck checkFileName(const std::string& name);

// "Ungültiger Name" in code page 437, as both programs print it (through
// tr).
constexpr const char* kInvalidNameText = trMark("Ung\x81ltiger Name");
