// command_line.cpp — the game's options, one row each, and the game's keys
// from its command table as --help and the manual page list them.
#include "game/command_line.h"

#include "common/file_names.h"
#include "common/language.h"
#include "game/world/command_table.h"
#include "platform/platform.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace {

// The keys of play (also those that act on the title screen too), then
// those of the title screen alone, as the key help (F1) groups them.
std::vector<ReferenceSection> gameKeyReference() {
    std::vector<ReferenceSection> sections = {{trTerminal("Tasten im Spiel"), {}}, {trTerminal("Tasten im Titelbild"), {}}};
    for (const GameKey& key : gameKeys()) {
        if (!key.label) continue;
        ReferenceSection& section = (key.places & kInPlay) != 0 ? sections[0] : sections[1];
        section.lines.push_back({textForHost(tr(key.label)), textForHost(tr(key.help))});
    }
    return sections;
}

const CommandOption<RunOptions> kOptions[] = {
    {"--window", nullptr, trMarkTerminal("diesmal im Fenster spielen (die Einstellung im Menü bleibt)"),
     [](RunOptions& options, const std::string&) { options.fullScreen = 0; }},
    {"--fullscreen", nullptr, trMarkTerminal("diesmal im Vollbild spielen (die Einstellung im Menü bleibt)"),
     [](RunOptions& options, const std::string&) { options.fullScreen = 1; }},
    {"--level", "NAME",
     trMarkTerminal(
         "spielt nur das Labyrinth Data/NAME.dat, ohne Titel, bis zur T\xC3\xBCr oder zum Tod (F5 im Editor)"),
     [](RunOptions& options, const std::string& value) { options.levelName = value; }, OptionValue::Name},
    {"--frame-log", nullptr,
     trMarkTerminal("schreibt den Zeitpunkt jedes Bildschritts auf die Standardausgabe (zum Messen)"),
     [](RunOptions& options, const std::string&) { options.frameLog = true; }},
    {"--record", "NAME",
     trMarkTerminal("nimmt jedes Spiel als Vorführung in Data/NAME.dat auf (Demo bis Demo4 zeigt das Titelbild)"),
     [](RunOptions& options, const std::string& value) { options.recordName = value; }, OptionValue::Name},
    {"--set", trMarkTerminal("DATEI"),
     trMarkTerminal("spielt die Sammlung DATEI.zset (auch ohne --set); sie wird nach Data übernommen"),
     [](RunOptions& options, const std::string& value) { options.setFile = value; }},
    {kLanguageOption, trMarkTerminal("SPRACHE"),
     trMarkTerminal("Sprache der Texte, etwa de (Deutsch) oder en (Englisch); gilt auch für später"),
     [](RunOptions& options, const std::string& value) { options.language = value; }, OptionValue::Language},
};

const ProgramInfo kProgram = {
    "zauberlabyrinth",
    trMarkTerminal("Zauberlabyrinth: ein Zauberer, acht Labyrinthe, Schweine, Flammengeister, Augen und Putzmänner."),
    ZL_VERSION,
    trMarkTerminal("Bilder, Klänge und Labyrinthe liest das Spiel aus seinem Spielordner, wo es auch\n"
                   "Einstellungen, Bestenliste und Spielstände ablegt (im Ordner Data): der Ordner, in\n"
                   "dem es gestartet wird, oder der eigene Ordner des Programms, wenn einer davon die\n"
                   "Ordner sprites und Data enthält, sonst ~/.local/share/zauberlabyrinth\n"
                   "(bzw. $XDG_DATA_HOME/zauberlabyrinth).\n"),
    gameKeyReference,
};

// The command line with a bare FILE (a file manager opens a set so) read as
// "--set FILE"; the values of options stay as they are.
std::vector<const char*> withSetOption(int argc, const char* const* argv) {
    std::vector<const char*> arguments(argv, argv + argc);
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string argument = arguments[i] ? arguments[i] : "";
        const auto takesValue = [&](const CommandOption<RunOptions>& option) {
            return option.value && argument == option.name;
        };
        if (std::any_of(std::begin(kOptions), std::end(kOptions), takesValue)) {
            ++i;
        } else if (!argument.empty() && argument.front() != '-') {
            arguments.insert(arguments.begin() + static_cast<std::ptrdiff_t>(i), "--set");
            ++i;
        }
    }
    return arguments;
}

}  // namespace

ProgramReference gameReference() { return {kProgram, programReference<RunOptions>(kProgram, kOptions)}; }

CommandLineResult readGameCommandLine(int argc, const char* const* argv, RunOptions& options) {
    const std::vector<const char*> arguments = withSetOption(argc, argv);
    CommandLineResult result = readCommandLine<RunOptions>(static_cast<int>(arguments.size()), arguments.data(),
                                                           kProgram, kOptions, options);
    // A recording and a level are one file inside Data each: the saved
    // games' rule for names.
    const struct {
        const char* option;
        const std::string& name;
        const char* examples;
    } kFileNames[] = {
        {"--record", options.recordName, "Demo2"},
        {"--level", options.levelName, "001"},
    };
    for (const auto& file : kFileNames) {
        if (result.run && !file.name.empty() && checkFileName(file.name) != NameCheck::Valid) {
            result = CommandLineResult{
                false, 2, "",
                formatText(trTerminal("{0}: {1} braucht einen Dateinamen ohne Pfad (zum Beispiel {2} oder Meins)"),
                           {kProgram.name, file.option, file.examples}) +
                    "\n"};
        }
    }
    return result;
}
