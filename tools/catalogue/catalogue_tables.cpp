// catalogue_tables.cpp — checking the translations and writing the tables.
//
// Writes: nothing (no record; it only builds text).
#include "tools/catalogue/catalogue_tables.h"

#include "platform/platform.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>
#include <set>

namespace {

// The placeholders {0} .. {9} a text holds.
std::set<char> placeholders(const std::string& text) {
    std::set<char> found;
    for (std::size_t i = 0; i + 2 < text.size(); ++i) {
        if (text[i] == '{' && text[i + 1] >= '0' && text[i + 1] <= '9' && text[i + 2] == '}') found.insert(text[i + 1]);
    }
    return found;
}

// The first character of a UTF-8 text that code page 437 lacks, as UTF-8.
std::string firstMissingCharacter(const std::string& utf8) {
    for (std::size_t i = 0; i < utf8.size();) {
        std::size_t length = 1;
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead >= 0xF0) {
            length = 4;
        } else if (lead >= 0xE0) {
            length = 3;
        } else if (lead >= 0xC0) {
            length = 2;
        }
        const std::string character = utf8.substr(i, length);
        std::string unused;
        if (!textFromHost(character, unused)) return character;
        i += length;
    }
    return "";
}

std::string shortened(const std::string& text) {
    std::string line = text.substr(0, text.find('\n'));
    return line.size() > 50 ? line.substr(0, 47) + "..." : line;
}

// What is wrong with a translation of `german`; "" when nothing.
std::string refusal(const PoEntry& entry, bool program) {
    if (entry.fuzzy || entry.translation.empty()) return "has no translation yet";
    if (placeholders(entry.german) != placeholders(entry.translation)) {
        return "is translated with other placeholders than {0}, {1}, ... of the German";
    }
    if (std::count(entry.german.begin(), entry.german.end(), '\n') !=
        std::count(entry.translation.begin(), entry.translation.end(), '\n')) {
        return "is translated with another number of lines (\\n) than the German, which the screen has room for";
    }
    for (const char c : entry.translation) {
        const auto u = static_cast<unsigned char>(c);
        if ((u < 0x20 && c != '\n') || u == 0x7F) return "is translated with a control character";
    }
    if (program) {
        const std::string missing = firstMissingCharacter(entry.translation);
        if (!missing.empty()) {
            return "is translated with \"" + missing +
                   "\", which the programs' fonts cannot show (they hold the characters of code page 437)";
        }
    }
    return "";
}

void sortByGerman(std::vector<TableEntry>& entries) {
    std::sort(entries.begin(), entries.end(), [](const TableEntry& a, const TableEntry& b) {
        return std::lexicographical_compare(
            a.german.begin(), a.german.end(), b.german.begin(), b.german.end(),
            [](char x, char y) { return static_cast<unsigned char>(x) < static_cast<unsigned char>(y); });
    });
}

// A C++ string literal of these bytes; a hex escape followed by a hex digit
// ends the literal there, so that the digit is not read into it.
std::string cppLiteral(const std::string& bytes) {
    std::string out = "\"";
    bool afterHex = false;
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (afterHex && std::isxdigit(u)) out += "\" \"";
        afterHex = false;
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (u < 0x20 || u >= 0x7F) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", u);
            out += hex;
            afterHex = true;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

// A JSON string of this UTF-8 text.
std::string jsonString(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (u < 0x20) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\u%04X", u);
            out += hex;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string madeFrom(const std::vector<std::string>& poNames) {
    std::string names;
    for (const std::string& name : poNames) names += (names.empty() ? "" : ", ") + name;
    return names.empty() ? "no catalogue" : names;
}

}  // namespace

CatalogueFindings buildTables(const std::vector<PoFile>& catalogues, const std::vector<MarkedText>& marked) {
    CatalogueFindings findings;
    // Each German text once, with the places it is needed and where it is
    // first marked.
    std::map<std::string, std::pair<std::set<TextPlace>, std::string>> needed;
    for (const MarkedText& text : marked) {
        auto& [places, reference] = needed[text.german];
        places.insert(text.place);
        if (reference.empty()) reference = text.reference;
    }
    for (const PoFile& po : catalogues) {
        LanguageTable table;
        table.code = po.code;
        std::map<std::string, const PoEntry*> byGerman;
        for (const PoEntry& entry : po.entries) {
            if (byGerman.count(entry.german) != 0) {
                findings.errors.push_back(po.path + ":" + std::to_string(entry.line) + ": \"" +
                                          shortened(entry.german) + "\" stands twice");
            }
            byGerman[entry.german] = &entry;
            if (needed.count(entry.german) == 0) {
                findings.stale.push_back(po.path + ":" + std::to_string(entry.line) + ": \"" + shortened(entry.german) +
                                         "\" is marked nowhere in the sources");
            }
        }
        for (const auto& [german, use] : needed) {
            const auto& [places, reference] = use;
            const auto found = byGerman.find(german);
            if (found == byGerman.end()) {
                findings.errors.push_back(reference + ": \"" + shortened(german) + "\" has no entry in " + po.path);
                continue;
            }
            const PoEntry& entry = *found->second;
            const bool program = places.count(TextPlace::Program) != 0;
            const std::string why = refusal(entry, program);
            if (!why.empty()) {
                findings.errors.push_back(po.path + ":" + std::to_string(entry.line) + ": \"" + shortened(german) +
                                          "\" " + why);
                continue;
            }
            if (program) {
                TableEntry converted;
                if (!textFromHost(german, converted.german)) {
                    findings.errors.push_back(reference + ": \"" + shortened(german) +
                                              "\" is shown by a program but is no text of code page 437");
                    continue;
                }
                textFromHost(entry.translation, converted.translation);
                table.program.push_back(converted);
            }
            if (places.count(TextPlace::Page) != 0) table.page.push_back({german, entry.translation});
        }
        sortByGerman(table.program);
        sortByGerman(table.page);
        findings.tables.push_back(std::move(table));
    }
    return findings;
}

std::string programTableSource(const std::vector<LanguageTable>& tables, const std::vector<std::string>& poNames) {
    std::string out = "// catalogues.cpp — the programs' catalogues, written by the build (tools/catalogue)\n"
                      "// from " +
                      madeFrom(poNames) +
                      "; not to be edited. Code page 437, sorted by the German.\n"
                      "#include \"common/catalogue_table.h\"\n\n#include <iterator>\n\nnamespace {\n";
    for (const LanguageTable& table : tables) {
        out += "\nconstexpr CatalogueEntry kTexts_" + table.code + "[] = {\n";
        for (const TableEntry& entry : table.program) {
            out += "    {" + cppLiteral(entry.german) + ", " + cppLiteral(entry.translation) + "},\n";
        }
        if (table.program.empty()) out += "    {\"\", \"\"},\n";
        out += "};\n";
    }
    out += "\nconstexpr Catalogue kAll[] = {\n";
    for (const LanguageTable& table : tables) {
        const std::string count = table.program.empty() ? "0" : "std::size(kTexts_" + table.code + ")";
        out += "    {\"" + table.code + "\", {kTexts_" + table.code + ", " + count + "}},\n";
    }
    if (tables.empty()) out += "    {\"\", {}},\n";
    out += "};\n\n}  // namespace\n\n";
    out += tables.empty() ? "const std::span<const Catalogue> kCatalogues;\n"
                          : "const std::span<const Catalogue> kCatalogues = kAll;\n";
    return out;
}

std::string pageTableScript(const std::vector<LanguageTable>& tables, const std::vector<std::string>& poNames) {
    std::string out = "// catalogue.js — the pages' catalogues, written by the build (tools/catalogue) from\n"
                      "// " +
                      madeFrom(poNames) +
                      "; not to be edited. Each language: German text to translation.\n"
                      "var zlCatalogues = {";
    bool firstTable = true;
    for (const LanguageTable& table : tables) {
        out += std::string(firstTable ? "" : ",") + "\n  " + jsonString(table.code) + ": {";
        firstTable = false;
        bool first = true;
        for (const TableEntry& entry : table.page) {
            out += std::string(first ? "" : ",") + "\n    " + jsonString(entry.german) + ": " +
                   jsonString(entry.translation);
            first = false;
        }
        out += "\n  }";
    }
    return out + "\n};\n";
}

std::vector<TemplateEntry> templateEntries(const std::vector<MarkedText>& marked) {
    std::vector<TemplateEntry> entries;
    std::map<std::string, std::size_t> index;
    for (const MarkedText& text : marked) {
        auto [it, added] = index.emplace(text.german, entries.size());
        if (added) entries.push_back({text.german, {}, {}});
        TemplateEntry& entry = entries[it->second];
        entry.references.push_back(text.reference);
        if (!text.note.empty() && std::find(entry.notes.begin(), entry.notes.end(), text.note) == entry.notes.end()) {
            entry.notes.push_back(text.note);
        }
    }
    return entries;
}
