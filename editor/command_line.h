// command_line.h — the editor's command line.
#pragma once

#include "common/command_line.h"
#include "editor/editor_loop.h"

// What the editor's command line chooses.
struct EditorOptions {
    ScreenChoice screen = ScreenChoice::FullScreen;  // --window: in a window
    std::string language{};  // --language CODE: the language of the texts, kept for later runs; "" as kept before
};

// Reads the editor's options (--window, --language, --help, --version) into
// options.
CommandLineResult readEditorCommandLine(int argc, const char* const* argv, EditorOptions& options);
// The editor's reference as --help lists it, for the manual page.
ProgramReference editorReference();
