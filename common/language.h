// language.h — the language both programs speak, and their texts in it.
//
// Every text is written in German in the source, the programs' own
// language, which needs no catalogue. Every other language is a catalogue,
// po/<code>.po, which the build turns into a table compiled into both
// programs (tools/catalogue, common/catalogue_table.h): a text is looked up
// by its German words, and a text no catalogue holds is shown as written.
//
// Texts are marked where they are written, so that the build can find every
// one and insist on its translation (tools/catalogue): tr() where the text
// is shown, trMark() in a table whose texts tr() turns at the place they are
// shown, trFormat() for a sentence with values in it, trTerminal() and
// trMarkTerminal() for the words a program writes on the terminal. A
// sentence with a number or a name in it is one text with placeholders
// ("Tür erreicht nach {0} Schritten."), never glued from pieces, so that
// each language can put the value where its sentence needs it.
#pragma once

#include <concepts>
#include <initializer_list>
#include <string>
#include <string_view>

// The language of this run.
struct LanguageState {
    int current = 0;  // 0 German; k > 0 the catalogue kCatalogues[k - 1]; written by chooseLanguage, chooseLanguageIndex
};
extern LanguageState languageState;

// The index of German, the language every text is written in.
constexpr int kGerman = 0;

// German and then one language per catalogue.
int languageCount();
// "de", "en": the code of the language with this index; "" for none.
const char* languageCode(int language);
// The index of the language with this code; -1 when there is none.
int findLanguage(std::string_view code);
// "de, en": every code, for a message that lists them.
std::string languageCodes();
// Makes the language with this code the current one; false (and nothing
// changed) when there is none.
bool chooseLanguage(std::string_view code);
// Makes the language with this index the current one (ignored outside).
void chooseLanguageIndex(int language);
// The language after the current one, German after the last: what the
// title screen's key switches to.
int nextLanguage();

// Marks a German text (code page 437) for the catalogues where it stands in
// a table, and leaves it as it is; tr() turns it where it is shown.
constexpr const char* trMark(const char* german) { return german; }

// The same for a German text of the terminal (UTF-8), which
// trTerminal turns where it is written.
constexpr const char* trMarkTerminal(const char* german) { return german; }

// A German text of the screen (code page 437) in the current language, in
// code page 437; the German itself where no translation is known. The
// pointer stays valid for the run.
const char* tr(const char* german);
// The same in the language with this index.
const char* trIn(int language, const char* german);
// A German text for the terminal (UTF-8) in the current language (UTF-8).
std::string trTerminal(const std::string& german);
// The same in the language with this index.
std::string trTerminalIn(int language, const std::string& german);

// A value put into a sentence: a text as it is, a number in decimal.
struct FormatValue {
    std::string text;  // what replaces the placeholder
    FormatValue(const std::string& value) : text(value) {}
    FormatValue(const char* value) : text(value) {}
    FormatValue(std::integral auto value) : text(std::to_string(value)) {}
};

// The pattern with {0}, {1}, ... replaced by the values of that place; a
// placeholder without a value stays as it is.
std::string formatText(std::string_view pattern, std::initializer_list<FormatValue> values);
// A German sentence with placeholders, in the current language, filled in.
std::string trFormat(const char* german, std::initializer_list<FormatValue> values);

// The file in Data that keeps the player's choice between runs:
// "Data\Sprache.dat", one text field, the code ("en"). German is written
// too, so that a later default cannot change a choice once made.
constexpr const char* kLanguageFileName = "Sprache";
// Takes the language the file names; false, the language as it was, when
// the file is missing, damaged or names no language of this build.
bool readLanguageChoice();
// Writes the current language into the file; false when that failed.
bool storeLanguageChoice();
// At start-up, once the program works in its folder: the language given on
// the command line (`code`, one findLanguage knows), which the file keeps
// from now on, or else the one the file keeps; German when neither names
// one.
void startLanguage(const std::string& code);
