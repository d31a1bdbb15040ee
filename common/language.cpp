// language.cpp — the current language, the lookup of a German text in its
// catalogue, sentences with placeholders, and the file that keeps the
// player's choice.
//
// A catalogue is sorted by the bytes of its German texts, so a lookup is a
// binary search: about nine comparisons in a catalogue of 400 texts, cheap
// enough for texts looked up each time they are drawn.
//
// Writes: languageState.current.
#include "common/language.h"

#include "common/catalogue_table.h"
#include "common/file_names.h"
#include "platform/platform.h"

#include <algorithm>
#include <cstring>

LanguageState languageState;

namespace {

constexpr const char* kGermanCode = "de";
constexpr int kFile = 1;

std::string languageFilePath() { return dataFilePath(kLanguageFileName, ".dat"); }

}  // namespace

int languageCount() { return 1 + static_cast<int>(kCatalogues.size()); }

const char* languageCode(int language) {
    if (language == kGerman) return kGermanCode;
    if (language < 1 || language >= languageCount()) return "";
    return kCatalogues[static_cast<std::size_t>(language - 1)].code;
}

int findLanguage(std::string_view code) {
    for (int language = 0; language < languageCount(); ++language) {
        if (code == languageCode(language)) return language;
    }
    return -1;
}

std::string languageCodes() {
    std::string codes;
    for (int language = 0; language < languageCount(); ++language) {
        if (!codes.empty()) codes += ", ";
        codes += languageCode(language);
    }
    return codes;
}

bool chooseLanguage(std::string_view code) {
    const int language = findLanguage(code);
    if (language < 0) return false;
    languageState.current = language;
    return true;
}

void chooseLanguageIndex(int language) {
    if (language >= 0 && language < languageCount()) languageState.current = language;
}

int nextLanguage() { return (languageState.current + 1) % languageCount(); }

const char* trIn(int language, const char* german) {
    if (language < 1 || language >= languageCount() || german == nullptr) return german;
    const std::span<const CatalogueEntry> entries = kCatalogues[static_cast<std::size_t>(language - 1)].entries;
    const auto found = std::lower_bound(
        entries.begin(), entries.end(), german,
        [](const CatalogueEntry& entry, const char* text) { return std::strcmp(entry.german, text) < 0; });
    if (found == entries.end() || std::strcmp(found->german, german) != 0) return german;
    return found->text;
}

const char* tr(const char* german) { return trIn(languageState.current, german); }

std::string trTerminalIn(int language, const std::string& german) {
    if (language == kGerman) return german;
    std::string cp437;
    if (!textFromHost(german, cp437)) return german;
    return textForHost(trIn(language, cp437.c_str()));
}

std::string trTerminal(const std::string& german) { return trTerminalIn(languageState.current, german); }

std::string formatText(std::string_view pattern, std::initializer_list<FormatValue> values) {
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        // "{n}" with a single digit n below the number of values.
        const bool placeholder = pattern[i] == '{' && i + 2 < pattern.size() && pattern[i + 1] >= '0' &&
                                 pattern[i + 1] <= '9' && pattern[i + 2] == '}';
        const std::size_t n = placeholder ? static_cast<std::size_t>(pattern[i + 1] - '0') : 0;
        if (placeholder && n < values.size()) {
            text += values.begin()[n].text;
            i += 2;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

std::string trFormat(const char* german, std::initializer_list<FormatValue> values) {
    return formatText(tr(german), values);
}

bool readLanguageChoice() {
    openFile(languageFilePath(), FileMode::Input, kFile);
    beginFieldRead(kFile);
    const std::string code = readStringField();
    if (!closeFile(kFile)) return false;  // no file: the language stays
    return chooseLanguage(code);
}

bool storeLanguageChoice() {
    openFile(languageFilePath(), FileMode::Output, kFile);
    writeStringField(kFile, languageCode(languageState.current), true);
    return closeFile(kFile);
}

void startLanguage(const std::string& code) {
    const bool kept = readLanguageChoice();
    if (code.empty()) return;
    const int before = languageState.current;
    chooseLanguage(code);
    // Written only when it changes, so that a page that names its language
    // at every start (the browser's) writes nothing then.
    if (!kept || languageState.current != before) storeLanguageChoice();
}
