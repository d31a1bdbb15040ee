// command_line.h — reading a program's command line against a table of its
// options; --help and --version come with every table.
//
// Each program keeps its table beside its main (game/command_line.cpp,
// editor/command_line.cpp): one row per option, so an option is added with
// one row and, if it needs one, a field of the program's options record.
// The texts are for a terminal, so they are UTF-8 (the screen's are code
// page 437).
#pragma once

#include "platform/platform.h"

#include <cstdio>
#include <cstring>
#include <span>
#include <string>

// The program as --help and --version name it.
struct ProgramInfo {
    const char* name;     // the command as installed, "zauberlabyrinth"; the usage line names it as started
    const char* summary;  // one line under the usage line
    const char* version;  // "1.0.0", the project's version
    const char* footer;   // lines after the options ("" for none), each ending in "\n"
};

// What an option's value is to the program.
enum class OptionValue {
    Text,  // handed on as typed (UTF-8)
    Name,  // a name the program uses as its own texts (a file in Data): converted
           // from the terminal's UTF-8 to code page 437 once, here, and refused
           // when the code page lacks one of its characters
};

// One option. `Options` is the program's record of what its command line
// chose; apply sets its field.
template <class Options>
struct CommandOption {
    const char* name;   // "--window"
    const char* value;  // the name of its value in the help ("DATEI"); nullptr when it takes none
    const char* help;   // one line for --help
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

namespace command_line_detail {

inline void helpRow(std::string& text, const std::string& option, const char* help) {
    constexpr std::size_t kColumn = 22;
    text += "  " + option;
    text += option.size() + 2 < kColumn ? std::string(kColumn - option.size() - 2, ' ') : std::string("  ");
    text += help;
    text += '\n';
}

}  // namespace command_line_detail

// Reads argv[1..argc-1]. An option with a value takes it from the next
// argument or after "=" ("--name=value"). Every argument must be an option
// of the table, --help or --version; the first --help or --version ends the
// reading.
template <class Options>
CommandLineResult readCommandLine(int argc, const char* const* argv, const ProgramInfo& info,
                                  std::span<const CommandOption<Options>> table, Options& options) {
    CommandLineResult result;
    std::string invoked = argc > 0 && argv[0] ? argv[0] : "";
    invoked = invoked.substr(invoked.find_last_of('/') + 1);
    if (invoked.empty()) invoked = info.name;
    const std::string hint = " (" + invoked + " --help zeigt alle)\n";
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i] ? argv[i] : "";
        if (argument == "--help" || argument == "-h") {
            std::string& text = result.output;
            text = "Aufruf: " + invoked + " [OPTION]...\n" + info.summary + "\n\nOptionen:\n";
            for (const CommandOption<Options>& option : table) {
                std::string shown = option.name;
                if (option.value) shown += std::string(" ") + option.value;
                command_line_detail::helpRow(text, shown, option.help);
            }
            command_line_detail::helpRow(text, "--help", "diese Hilfe zeigen");
            command_line_detail::helpRow(text, "--version", "die Version zeigen");
            if (*info.footer) text += std::string("\n") + info.footer;
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
            result = CommandLineResult{false, 2, "", invoked + ": unbekannte Option '" + argument + "'" + hint};
            return result;
        }
        std::string value;
        if (found->value) {
            if (equals != std::string::npos) {
                value = argument.substr(equals + 1);
            } else if (i + 1 < argc && argv[i + 1]) {
                value = argv[++i];
            } else {
                result = CommandLineResult{false, 2, "", invoked + ": " + name + " braucht " + found->value + hint};
                return result;
            }
        }
        const std::string typed = value;
        if (found->kind == OptionValue::Name && !textFromHost(typed, value)) {
            result = CommandLineResult{false, 2, "",
                                       invoked + ": " + name + " \"" + typed +
                                           "\": der Name enth\xC3\xA4lt ein Zeichen, das sich nicht darstellen l\xC3\xA4sst"
                                           " (Buchstaben, Ziffern, Umlaute und \xC3\x9F gehen)\n"};
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
