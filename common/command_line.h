// command_line.h — reading a program's command line against a table of its
// options; --help and --version come with every table.
//
// Each program keeps its table beside its main (game/command_line.cpp,
// editor/command_line.cpp): one row per option, so an option is added with
// one row and, if it needs one, a field of the program's options record.
// --help lists the options and then the program's keys, from its command
// table; the manual page (tools/manual) lists the same reference. The texts
// are for a terminal, so they are UTF-8 (the screen's are code page 437),
// German in the tables and in the language chosen where they are written
// (trTerminal). --language is taken before every other argument, so that
// the help and every message of the command line are in it.
#pragma once

#include "common/language.h"
#include "platform/platform.h"

#include <cstdio>
#include <span>
#include <string>
#include <utility>
#include <vector>

// One line of a program's reference, UTF-8: an option or a key and what it
// does. --help and the manual page list these.
struct ReferenceLine {
    std::string term;  // "--level NAME", "F1", "Strg+Z"
    std::string text;  // what it does; "\n" between its lines
};

// A titled part of the reference: the options, or the keys of one place.
struct ReferenceSection {
    std::string title;                 // "Optionen", "Tasten im Spiel"
    std::vector<ReferenceLine> lines;  // in the order the program lists them
};

// The program as --help and --version name it.
struct ProgramInfo {
    const char* name;     // the command as installed, "zauberlabyrinth"; the usage line names it as started
    const char* summary;  // one line under the usage line, German (trMarkTerminal)
    const char* version;  // "1.0.0", the project's version
    const char* footer;   // lines after the options ("" for none), each ending in "\n", German (trMarkTerminal)
    std::vector<ReferenceSection> (*keys)();  // the program's keys, from its command table; nullptr for none
};

// What an option's value is to the program.
enum class OptionValue {
    Text,      // handed on as typed (UTF-8)
    Name,      // a name the program uses as its own texts (a file in Data): converted
               // from the terminal's UTF-8 to code page 437 once, here, and refused
               // when the code page lacks one of its characters
    Language,  // a language's code ("en"): refused unless this build has the language
};

// One option. `Options` is the program's record of what its command line
// chose; apply sets its field.
template <class Options>
struct CommandOption {
    const char* name;  // "--window"
    const char* value;  // the name of its value in the help ("DATEI", German: trMarkTerminal); nullptr when it takes none
    const char* help;  // one line for --help, German (trMarkTerminal)
    void (*apply)(Options& options, const std::string& value);
    OptionValue kind = OptionValue::Text;  // what apply receives of the value
};

// What the program does after reading its command line.
struct CommandLineResult {
    bool run = true;     // go on and run the program with the options read
    int exitCode = 0;    // otherwise: 0 after --help or --version, 2 after a wrong argument
    std::string output;  // for standard output (the help, the version)
    std::string error;   // for standard error
};

// The options of a table as --help lists them, --help and --version last.
template <class Options>
ReferenceSection optionReference(std::span<const CommandOption<Options>> table) {
    ReferenceSection section{trTerminal("Optionen"), {}};
    for (const CommandOption<Options>& option : table) {
        std::string term = option.name;
        if (option.value) {
            term += ' ';
            term += trTerminal(option.value);
        }
        section.lines.push_back({term, trTerminal(option.help)});
    }
    section.lines.push_back({"--help", trTerminal("diese Hilfe zeigen")});
    section.lines.push_back({"--version", trTerminal("die Version zeigen")});
    return section;
}

// The whole reference: the options, then the keys.
template <class Options>
std::vector<ReferenceSection> programReference(const ProgramInfo& info, std::span<const CommandOption<Options>> table) {
    std::vector<ReferenceSection> sections{optionReference(table)};
    if (info.keys) {
        for (ReferenceSection& keys : info.keys()) sections.push_back(std::move(keys));
    }
    return sections;
}

// A program's whole reference, as its manual page lists it.
struct ProgramReference {
    ProgramInfo info;                        // its name, summary, version, footer
    std::vector<ReferenceSection> sections;  // the options, then the keys
};

// The text of --help: the usage line with the name the program was started
// under, the summary, every section of the reference, the footer.
std::string helpText(const std::string& invoked, const ProgramInfo& info, const std::vector<ReferenceSection>& sections);

// The option every program has that names the language of its texts.
constexpr const char* kLanguageOption = "--language";

// The language the command line names ("--language en", "--language=en"),
// the last one if several, wherever it stands; "" when none.
std::string languageOnCommandLine(int argc, const char* const* argv);

// Reads argv[1..argc-1]. An option with a value takes it from the next
// argument or after "=" ("--name=value"). Every argument must be an option
// of the table, --help or --version; the first --help or --version ends the
// reading. A language the command line names (a known one) is chosen first.
template <class Options>
CommandLineResult readCommandLine(int argc, const char* const* argv, const ProgramInfo& info,
                                  std::span<const CommandOption<Options>> table, Options& options) {
    CommandLineResult result;
    std::string invoked = argc > 0 && argv[0] ? argv[0] : "";
    invoked = invoked.substr(invoked.find_last_of('/') + 1);
    if (invoked.empty()) invoked = info.name;
    chooseLanguage(languageOnCommandLine(argc, argv));
    const std::string hint = formatText(trTerminal(" ({0} --help zeigt alle)"), {invoked}) + "\n";
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i] ? argv[i] : "";
        if (argument == "--help" || argument == "-h") {
            result.output = helpText(invoked, info, programReference(info, table));
            result.run = false;
            return result;
        }
        if (argument == "--version") {
            result.output = std::string(info.name) + " " + info.version + "\n";
            result.run = false;
            return result;
        }
        const std::size_t equals = argument.find('=');
        const std::string name = argument.substr(0, equals);
        const CommandOption<Options>* found = nullptr;
        for (const CommandOption<Options>& option : table) {
            if (name == option.name) found = &option;
        }
        if (!found || (!found->value && equals != std::string::npos)) {
            result = CommandLineResult{
                false, 2, "", formatText(trTerminal("{0}: unbekannte Option '{1}'"), {invoked, argument}) + hint};
            return result;
        }
        std::string value;
        if (found->value) {
            if (equals != std::string::npos) {
                value = argument.substr(equals + 1);
            } else if (i + 1 < argc && argv[i + 1]) {
                value = argv[++i];
            } else {
                result = CommandLineResult{
                    false, 2, "",
                    formatText(trTerminal("{0}: {1} braucht {2}"), {invoked, name, trTerminal(found->value)}) + hint};
                return result;
            }
        }
        const std::string typed = value;
        if (found->kind == OptionValue::Name && !textFromHost(typed, value)) {
            result = CommandLineResult{
                false, 2, "",
                formatText(
                    trTerminal("{0}: {1} \"{2}\": der Name enth\xC3\xA4lt ein Zeichen, das sich nicht darstellen "
                               "l\xC3\xA4sst (Buchstaben, Ziffern, Umlaute und \xC3\x9F gehen)"),
                    {invoked, name, typed}) +
                    "\n"};
            return result;
        }
        if (found->kind == OptionValue::Language && findLanguage(value) < 0) {
            // Said in every language, since the one wanted is not known.
            result = CommandLineResult{false, 2, "", ""};
            for (int language = 0; language < languageCount(); ++language) {
                result.error += formatText(trTerminalIn(language, trMarkTerminal("{0}: {1} {2}: diese Sprache gibt es "
                                                                                 "nicht; es gibt {3}")),
                                           {invoked, name, typed, languageCodes()}) +
                                "\n";
            }
            return result;
        }
        found->apply(options, value);
    }
    return result;
}

// Prints what the command line produced; the exit code to return.
inline int finishCommandLine(const CommandLineResult& result) {
    std::fputs(result.output.c_str(), stdout);
    std::fputs(result.error.c_str(), stderr);
    return result.exitCode;
}
