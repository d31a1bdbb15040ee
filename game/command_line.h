// command_line.h — the game's command line.
#pragma once

#include "common/command_line.h"
#include "game/flow/flow.h"

// Reads the game's options (the table in command_line.cpp, --help,
// --version) into options; a --record name that is not a plain file name is
// refused. An argument that is no option and no option's value is a set
// file, as after --set.
CommandLineResult readGameCommandLine(int argc, const char* const* argv, RunOptions& options);
// The game's reference as --help lists it, for the manual page.
ProgramReference gameReference();
