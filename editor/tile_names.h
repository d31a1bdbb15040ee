// tile_names.h — what the editor calls each tile and each creature kind in
// its own texts (the status line, the palette, the check and the test
// run), in the language chosen, code page 437.
#pragma once

#include "common/level_file.h"
#include "common/run_end.h"

#include <string>

// The name of a code the editor places ("Rote Mauer"); nullptr for a code
// it has no picture for.
const char* tileName(int code);
// The code and its name, "100 Rote Mauer"; "99 (unbekannt)" for a code
// without a name.
std::string tileLabel(int code);

// A creature kind by name ("Schwein") and with its article ("ein Schwein").
const char* creatureName(FileCreatureKind kind);
// What took the wizard's energy, with its article ("eine Flamme", "ein
// Schwein"); nullptr for Harm::None.
const char* harmName(Harm harm);
