// command_line.cpp — the editor's options, one row each, and its keys from
// the command table as --help and the manual page list them.
#include "editor/command_line.h"

#include "editor/command_table.h"

#include "common/language.h"
#include "platform/platform.h"

namespace {

const CommandOption<EditorOptions> kOptions[] = {
    {"--window", nullptr, trMarkTerminal("im Fenster statt im Vollbild arbeiten"),
     [](EditorOptions& options, const std::string&) { options.screen = ScreenChoice::Window; }},
    {kLanguageOption, trMarkTerminal("SPRACHE"),
     trMarkTerminal("Sprache der Texte, etwa de (Deutsch) oder en (Englisch); gilt auch für später"),
     [](EditorOptions& options, const std::string& value) { options.language = value; }, OptionValue::Language},
};

// Every row that names a key, in table order.
std::vector<ReferenceSection> editorKeyReference() {
    ReferenceSection keys{trTerminal("Tasten (F3 und F7 zeigen sie auch im Editor)"), {}};
    for (const EditorCommand& command : editorCommands()) {
        if (command.label) keys.lines.push_back({textForHost(tr(command.label)), textForHost(tr(command.help))});
    }
    return {keys};
}

const ProgramInfo kProgram = {
    "zauberlabyrinth-editor",
    trMarkTerminal("Der Level-Editor des Zauberlabyrinths: Labyrinthe bauen, speichern (F1), laden (F2), "
                   "pr\xC3\xBC"
                   "fen (F6) und spielen (F5)."),
    ZL_VERSION,
    trMarkTerminal("Der Editor arbeitet im selben Spielordner wie das Spiel: Labyrinthe liegen in\n"
                   "Data/<Name>.dat; als 001 .. 008 gespeichert, spielt das Spiel sie als Labyrinth 1 .. 8.\n"),
    editorKeyReference,
};

}  // namespace

CommandLineResult readEditorCommandLine(int argc, const char* const* argv, EditorOptions& options) {
    return readCommandLine<EditorOptions>(argc, argv, kProgram, kOptions, options);
}

ProgramReference editorReference() { return {kProgram, programReference<EditorOptions>(kProgram, kOptions)}; }
