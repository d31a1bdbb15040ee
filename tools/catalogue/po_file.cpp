// po_file.cpp — reading a .po file and writing the template.
//
// Writes: nothing (no record; it only reads and builds text).
#include "tools/catalogue/po_file.h"

#include <cstddef>

namespace {

// Which string a continuation line ("...") adds to.
enum class Field { None, Context, Id, Plural, Text };

struct Reader {
    const std::string& path;
    int line = 0;
    std::string error;

    bool fail(const std::string& what) {
        if (error.empty()) error = path + ":" + std::to_string(line) + ": " + what;
        return false;
    }

    // The string that begins at text[at] with a quote, escapes resolved.
    bool quoted(const std::string& text, std::size_t at, std::string& out) {
        if (at >= text.size() || text[at] != '"') return fail("a string in quotes expected");
        for (std::size_t i = at + 1; i < text.size(); ++i) {
            const char c = text[i];
            if (c == '"') {
                for (std::size_t j = i + 1; j < text.size(); ++j) {
                    if (text[j] != ' ' && text[j] != '\t' && text[j] != '\r')
                        return fail("text after the closing quote");
                }
                return true;
            }
            if (c != '\\') {
                out += c;
                continue;
            }
            if (++i >= text.size()) break;
            switch (text[i]) {
                case 'n': out += '\n'; break;
                case 't': out += '\t'; break;
                case 'r': out += '\r'; break;
                case '"': out += '"'; break;
                case '\\': out += '\\'; break;
                default: return fail(std::string("unknown escape \\") + text[i]);
            }
        }
        return fail("the string has no closing quote");
    }
};

bool startsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

}  // namespace

bool parsePoFile(const std::string& text, const std::string& path, PoFile& file, std::string& error) {
    file = PoFile{};
    file.path = path;
    std::string name = path.substr(path.find_last_of('/') + 1);
    if (name.size() > 3 && name.ends_with(".po")) name.resize(name.size() - 3);
    file.code = name;

    Reader in{path, 0, {}};
    PoEntry entry;
    bool fuzzyNext = false;
    bool inEntry = false;
    bool haveText = false;
    Field field = Field::None;
    const auto finish = [&] {
        if (inEntry && haveText && !entry.german.empty()) file.entries.push_back(entry);
        entry = PoEntry{};
        inEntry = false;
        haveText = false;
        field = Field::None;
    };

    std::size_t start = 0;
    while (start <= text.size() && in.error.empty()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        ++in.line;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos) {
            finish();
            if (end == text.size()) break;
            continue;
        }
        line = line.substr(first);
        if (line[0] == '#') {
            // A comment ends the entry before it; "#," flags the next one,
            // "#~" is an obsolete entry, kept by the tools for later.
            if (haveText) finish();
            if (startsWith(line, "#,") && line.find("fuzzy") != std::string::npos) fuzzyNext = true;
            continue;
        }
        if (startsWith(line, "msgctxt")) {
            in.fail("contexts (msgctxt) are not used: a text is looked up by its German words alone");
            break;
        }
        if (startsWith(line, "msgid_plural")) {
            in.fail("plural forms are not used: the programs write a sentence for each number they tell apart");
            break;
        }
        if (startsWith(line, "msgid")) {
            finish();
            inEntry = true;
            entry.fuzzy = fuzzyNext;
            fuzzyNext = false;
            entry.line = in.line;
            field = Field::Id;
            if (!in.quoted(line, line.find('"'), entry.german)) break;
            continue;
        }
        if (startsWith(line, "msgstr[")) {
            in.fail("plural forms are not used");
            break;
        }
        if (startsWith(line, "msgstr")) {
            if (!inEntry) {
                in.fail("msgstr without msgid");
                break;
            }
            field = Field::Text;
            haveText = true;
            if (!in.quoted(line, line.find('"'), entry.translation)) break;
            continue;
        }
        if (line[0] == '"') {
            std::string more;
            if (!in.quoted(line, 0, more)) break;
            if (field == Field::Id) {
                entry.german += more;
            } else if (field == Field::Text) {
                entry.translation += more;
            } else {
                in.fail("a string that belongs to no msgid or msgstr");
                break;
            }
            continue;
        }
        in.fail("a line that is no part of a .po file: " + line.substr(0, 40));
        break;
    }
    if (in.error.empty()) {
        finish();
    }
    error = in.error;
    return error.empty();
}

std::string poQuoted(const std::string& text) {
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\t': out += "\\t"; break;
            case '\r': out += "\\r"; break;
            case '\n':
                out += "\\n";
                if (i + 1 < text.size()) out += "\"\n\"";
                break;
            default: out += c;
        }
    }
    out += "\"";
    // A text of several lines starts on a line of its own, as gettext's
    // tools write it.
    if (text.find('\n') != std::string::npos && text.find('\n') + 1 < text.size()) out = "\"\"\n" + out;
    return out;
}

std::string templateText(const std::vector<TemplateEntry>& entries) {
    std::string out = "# The texts of Zauberlabyrinth, the game and its editor, as written in German\n"
                      "# in the source: the template of a new catalogue po/<language>.po (see the\n"
                      "# README, \"Translating\"). Made by the build (tools/catalogue); not to be edited.\n"
                      "msgid \"\"\n"
                      "msgstr \"\"\n"
                      "\"Project-Id-Version: zauberlabyrinth\\n\"\n"
                      "\"Language: \\n\"\n"
                      "\"MIME-Version: 1.0\\n\"\n"
                      "\"Content-Type: text/plain; charset=UTF-8\\n\"\n"
                      "\"Content-Transfer-Encoding: 8bit\\n\"\n";
    for (const TemplateEntry& entry : entries) {
        out += "\n";
        for (const std::string& note : entry.notes) out += "#. " + note + "\n";
        if (entry.german.find("{0}") != std::string::npos) {
            out += "#. {0}, {1}, ... stand for values put in when shown; keep each of them\n";
        }
        for (const std::string& reference : entry.references) out += "#: " + reference + "\n";
        out += "msgid " + poQuoted(entry.german) + "\n";
        out += "msgstr \"\"\n";
    }
    return out;
}
