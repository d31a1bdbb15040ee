// command_line.cpp — the text of --help, from a program's reference.
//
// Writes: nothing (no record; it only builds text).
#include "common/command_line.h"

#include <cstring>

namespace {

// The column where the texts begin; a term that would leave less than two
// blanks before it pushes its text two blanks beyond it.
constexpr std::size_t kTextColumn = 22;
constexpr std::size_t kIndent = 2;

void appendLine(std::string& out, const ReferenceLine& line) {
    std::string lead = std::string(kIndent, ' ') + line.term;
    lead += lead.size() + kIndent <= kTextColumn ? std::string(kTextColumn - lead.size(), ' ') : std::string(kIndent, ' ');
    // A text of several lines: the later ones under the first.
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = line.text.find('\n', start);
        out += lead + line.text.substr(start, end - start) + '\n';
        if (end == std::string::npos) break;
        start = end + 1;
        lead = std::string(kTextColumn, ' ');
    }
}

}  // namespace

std::string helpText(const std::string& invoked, const ProgramInfo& info, const std::vector<ReferenceSection>& sections) {
    std::string text = formatText(trTerminal("Aufruf: {0} [OPTION]..."), {invoked}) + "\n" + trTerminal(info.summary) + "\n";
    for (const ReferenceSection& section : sections) {
        text += "\n" + section.title + ":\n";
        for (const ReferenceLine& line : section.lines) appendLine(text, line);
    }
    if (*info.footer) {
        text += '\n';
        text += trTerminal(info.footer);
    }
    return text;
}

std::string languageOnCommandLine(int argc, const char* const* argv) {
    std::string code;
    const std::size_t length = std::strlen(kLanguageOption);
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i] ? argv[i] : "";
        if (argument == kLanguageOption && i + 1 < argc && argv[i + 1]) {
            code = argv[++i];
        } else if (argument.size() > length && argument.compare(0, length, kLanguageOption) == 0 &&
                   argument[length] == '=') {
            code = argument.substr(length + 1);
        }
    }
    return code;
}
