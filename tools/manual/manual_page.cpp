// manual_page.cpp — fills a manual page template from a program's reference.
//
// Writes: nothing (it only builds text).
#include "tools/manual/manual_page.h"

namespace {

// A text as the formatter shows it: a backslash printed as such, a line
// that would begin with a control character made plain.
std::string escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\\') {
            out += "\\e";
            continue;
        }
        if ((c == '.' || c == '\'') && (out.empty() || out.back() == '\n')) out += "\\&";
        out += c;
    }
    return out;
}

// A term, which a reader types: escaped, and its hyphens minus signs so
// that "--help" copied from the page works.
std::string escapedTerm(const std::string& term) {
    std::string out;
    for (char c : escaped(term)) {
        if (c == '-') out += '\\';
        out += c;
    }
    return out;
}

// A term as one argument of a font request: in quotes, a quote doubled.
std::string quoted(const std::string& term) {
    std::string out = "\"";
    for (char c : escapedTerm(term)) out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

// An option bold and its value italic ("--level NAME").
std::string optionTerm(const std::string& term) {
    const std::size_t blank = term.find(' ');
    if (blank == std::string::npos) return ".B " + quoted(term);
    return ".BI " + quoted(term.substr(0, blank + 1)) + " " + quoted(term.substr(blank + 1));
}

// One tagged paragraph per line; a text of several lines keeps its breaks.
std::string paragraphs(const ReferenceSection& section, bool options) {
    std::string out;
    for (const ReferenceLine& line : section.lines) {
        out += ".TP\n" + (options ? optionTerm(line.term) : ".B " + quoted(line.term)) + "\n";
        std::string text = escaped(line.text);
        for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 5)) {
            text.replace(at, 1, "\n.br\n");
        }
        out += text + "\n";
    }
    return out;
}

bool isHelpOrVersion(const std::string& term) { return term == "--help" || term == "--version"; }

std::string synopsis(const ProgramReference& reference) {
    const std::string name = ".B " + escapedTerm(reference.info.name) + "\n";
    std::string out = name;
    if (!reference.sections.empty()) {
        for (const ReferenceLine& line : reference.sections.front().lines) {
            if (isHelpOrVersion(line.term)) continue;
            const std::size_t blank = line.term.find(' ');
            out += "[\\fB" + escapedTerm(line.term.substr(0, blank)) + "\\fR";
            if (blank != std::string::npos) out += " \\fI" + escaped(line.term.substr(blank + 1)) + "\\fR";
            out += "]\n";
        }
    }
    return out + ".br\n" + name + ".BR \\-\\-help \" | \" \\-\\-version";
}

std::string keySections(const ProgramReference& reference) {
    std::string out;
    const bool headed = reference.sections.size() > 2;
    for (std::size_t i = 1; i < reference.sections.size(); ++i) {
        const ReferenceSection& section = reference.sections[i];
        if (headed) out += ".SS " + quoted(section.title) + "\n";
        out += paragraphs(section, false);
    }
    return out;
}

void replace(std::string& text, const std::string& placeholder, const std::string& by) {
    for (std::size_t at = text.find(placeholder); at != std::string::npos; at = text.find(placeholder, at + by.size())) {
        text.replace(at, placeholder.size(), by);
    }
}

// A generated block ends without a line break: the template's line after
// the placeholder supplies it.
std::string block(std::string text) {
    while (!text.empty() && text.back() == '\n') text.pop_back();
    return text;
}

}  // namespace

std::string manualPage(const std::string& text, const ProgramReference& reference, const std::string& date) {
    std::string page = text;
    replace(page, "@VERSION@", escaped(reference.info.version));
    replace(page, "@DATE@", escaped(date));
    replace(page, "@SYNOPSIS@", synopsis(reference));
    replace(page, "@OPTIONS@", reference.sections.empty() ? "" : block(paragraphs(reference.sections.front(), true)));
    replace(page, "@KEYS@", block(keySections(reference)));
    return page;
}
