// command_line.cpp — the editor's options, one row each.
#include "editor/command_line.h"

namespace {

const CommandOption<EditorOptions> kOptions[] = {
    {"--window", nullptr, "im Fenster statt im Vollbild arbeiten",
     [](EditorOptions& options, const std::string&) { options.screen = ScreenChoice::Window; }},
};

const ProgramInfo kProgram = {
    "zauberlabyrinth-editor",
    "Der Level-Editor des Zauberlabyrinths: Labyrinthe bauen, speichern (F1), laden (F2), "
    "pr\xC3\xBC" "fen (F6) und spielen (F5); F3 zeigt alle Tasten.",
    ZL_VERSION,
    "Der Editor arbeitet im selben Spielordner wie das Spiel: Labyrinthe liegen in\n"
    "Data/<Name>.dat; als 001 .. 008 gespeichert, spielt das Spiel sie als Labyrinth 1 .. 8.\n",
};

}  // namespace

CommandLineResult readEditorCommandLine(int argc, const char* const* argv, EditorOptions& options) {
    return readCommandLine<EditorOptions>(argc, argv, kProgram, kOptions, options);
}
