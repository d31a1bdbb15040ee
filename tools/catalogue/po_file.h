// po_file.h — the translators' files in gettext's format (po/<code>.po), as
// far as the catalogues use it: each entry a German text (msgid) and its
// translation (msgstr), both UTF-8; a header entry (msgid ""); comments;
// the flag "fuzzy" for a translation not yet checked, which is not used;
// obsolete entries ("#~"), which are skipped. Plural forms and contexts are
// not used by the programs and are refused.
#pragma once

#include <string>
#include <vector>

// One text of a catalogue.
struct PoEntry {
    std::string german;       // msgid, UTF-8
    std::string translation;  // msgstr, UTF-8; "" while untranslated
    bool fuzzy = false;       // flagged "fuzzy": not to be used yet
    int line = 0;             // the line of its msgid, for messages
};

// A whole file.
struct PoFile {
    std::string path;              // as named to the tool, for messages
    std::string code;              // the language: the file's name without ".po" ("en")
    std::vector<PoEntry> entries;  // in the file's order, the header left out
};

// Reads the text of a .po file; false with `error` ("<path>:<line>: ...")
// when it is no such file.
bool parsePoFile(const std::string& text, const std::string& path, PoFile& file, std::string& error);

// One text the sources mark, for the template translators start from.
struct TemplateEntry {
    std::string german;                   // UTF-8
    std::vector<std::string> references;  // "game/front/menu_drawing.cpp:42"
    std::vector<std::string> notes;       // what the source says to translators
};

// The template (.pot) of the given texts, in gettext's format.
std::string templateText(const std::vector<TemplateEntry>& entries);

// A text as a quoted string of a .po file: "\n" ends a line of the file
// too, so a text of several lines reads as it shows.
std::string poQuoted(const std::string& text);
