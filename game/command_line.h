// command_line.h — the game's command line.
#pragma once

#include "common/command_line.h"
#include "game/flow/flow.h"

// Reads the game's options (--window, --fullscreen, --frame-log, --help,
// --version) into options.
CommandLineResult readGameCommandLine(int argc, const char* const* argv, RunOptions& options);
