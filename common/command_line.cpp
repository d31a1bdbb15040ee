// command_line.cpp — the text of --help, from a program's reference.
//
// Writes: nothing (no record; it only builds text).
#include "common/command_line.h"

#include <algorithm>
#include <cstring>

namespace {

// The column where the texts begin, unless a term of the section needs more
// (a translated value name); a term longer than the widest column pushes its
// own text two blanks beyond it.
constexpr std::size_t kTextColumn = 22;
constexpr std::size_t kWidestTextColumn = 30;
constexpr std::size_t kIndent = 2;

// The column of a section's texts: every term with two blanks after it.
std::size_t textColumn(const ReferenceSection& section) {
    std::size_t column = kTextColumn;
    for (const ReferenceLine& line : section.lines) {
        const std::size_t needed = kIndent + line.term.size() + kIndent;
        if (needed <= kWidestTextColumn) column = std::max(column, needed);
    }
    return column;
}

void appendLine(std::string& out, const ReferenceLine& line, std::size_t column) {
    std::string lead = std::string(kIndent, ' ') + line.term;
    lead += lead.size() + kIndent <= column ? std::string(column - lead.size(), ' ') : std::string(kIndent, ' ');
    // A text of several lines: the later ones under the first.
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = line.text.find('\n', start);
        out += lead + line.text.substr(start, end - start) + '\n';
        if (end == std::string::npos) break;
        start = end + 1;
        lead = std::string(column, ' ');
    }
}

}  // namespace

std::string helpText(const std::string& invoked, const ProgramInfo& info, const std::vector<ReferenceSection>& sections) {
    std::string text = formatText(trTerminal("Aufruf: {0} [OPTION]..."), {invoked}) + "\n" + trTerminal(info.summary) + "\n";
    for (const ReferenceSection& section : sections) {
        text += "\n" + section.title + ":\n";
        const std::size_t column = textColumn(section);
        for (const ReferenceLine& line : section.lines) appendLine(text, line, column);
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
