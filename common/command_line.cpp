// command_line.cpp — the text of --help, from a program's reference.
//
// Writes: nothing (no record; it only builds text).
#include "common/command_line.h"

namespace {

// The column where the texts begin; a longer term pushes its text two
// blanks beyond it.
constexpr std::size_t kTextColumn = 22;
constexpr std::size_t kIndent = 2;

void appendLine(std::string& out, const ReferenceLine& line) {
    std::string lead = std::string(kIndent, ' ') + line.term;
    lead += lead.size() < kTextColumn ? std::string(kTextColumn - lead.size(), ' ') : std::string(kIndent, ' ');
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
    std::string text = "Aufruf: " + invoked + " [OPTION]...\n" + info.summary + "\n";
    for (const ReferenceSection& section : sections) {
        text += "\n" + section.title + ":\n";
        for (const ReferenceLine& line : section.lines) appendLine(text, line);
    }
    if (*info.footer) text += std::string("\n") + info.footer;
    return text;
}
