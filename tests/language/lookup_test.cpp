// The language of a run: the lookup in the compiled catalogues, sentences
// with placeholders, the choice on the command line and in Data/Sprache.dat.
#include "common/catalogue_table.h"
#include "common/language.h"
#include "editor/command_line.h"
#include "game/command_line.h"
#include "platform/headless/headless.h"
#include "tests/support/scratch_dir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

class Language : public ::testing::Test {
protected:
    void SetUp() override {
        headless::reset();
        chooseLanguageIndex(kGerman);
    }
    void TearDown() override { chooseLanguageIndex(kGerman); }
};

TEST_F(Language, GermanIsTheTextAsWrittenAndEnglishComesFromItsCatalogue) {
    const char* german = "Spielstand laden";
    EXPECT_EQ(tr(german), german);
    ASSERT_TRUE(chooseLanguage("en"));
    EXPECT_STREQ(tr(german), "Load game");
    EXPECT_STREQ(tr("M E N \x9A"), "M E N U");
    // A text no catalogue holds (a player's name) is shown as written.
    EXPECT_STREQ(tr("Talvin"), "Talvin");
    EXPECT_EQ(trTerminal("die Version zeigen"), "show the version");
    // The terminal's UTF-8 is looked up as the screen's code page 437.
    EXPECT_EQ(trTerminal("diesmal im Fenster spielen (die Einstellung im Men\xC3\xBC bleibt)"),
              "play in a window this time (the menu's setting stays)");
}

TEST_F(Language, ASentenceTakesItsValuesWhereTheLanguagePutsThem) {
    EXPECT_EQ(formatText("{1} vor {0}, {2} bleibt", {"A", 7}), "7 vor A, {2} bleibt");
    chooseLanguage("en");
    EXPECT_EQ(trFormat("Probelauf: T\x81r erreicht nach {0} Schritten.", {57}),
              "Test run: door reached after 57 steps.");
    EXPECT_EQ(trFormat("{0} oder {1} schlie\xE1t die Hilfe.", {"F1", "Esc"}), "F1 or Esc closes the help.");
}

TEST_F(Language, TheCodesNameTheLanguagesAndTheSwitchGoesRound) {
    EXPECT_EQ(languageCodes(), "de, en");
    EXPECT_EQ(findLanguage("en"), 1);
    EXPECT_EQ(findLanguage("fr"), -1);
    EXPECT_FALSE(chooseLanguage("fr"));
    EXPECT_EQ(languageState.current, kGerman);
    EXPECT_EQ(nextLanguage(), 1);
    chooseLanguageIndex(nextLanguage());
    EXPECT_EQ(nextLanguage(), kGerman);
}

// The lookup is a binary search: every table sorted by its German bytes,
// each German text once.
TEST_F(Language, EveryCompiledCatalogueIsSortedWithEachTextOnce) {
    ASSERT_FALSE(kCatalogues.empty());
    for (const Catalogue& catalogue : kCatalogues) {
        ASSERT_GT(catalogue.entries.size(), 300u) << catalogue.code;
        for (std::size_t i = 1; i < catalogue.entries.size(); ++i) {
            EXPECT_LT(std::strcmp(catalogue.entries[i - 1].german, catalogue.entries[i].german), 0)
                << catalogue.code << ": " << catalogue.entries[i].german;
        }
        for (const CatalogueEntry& entry : catalogue.entries) EXPECT_EQ(trIn(1, entry.german), entry.text);
    }
}

TEST_F(Language, TheChoiceIsKeptInItsOwnFileAndADamagedOneChangesNothing) {
    ScratchDir dir;
    EXPECT_FALSE(readLanguageChoice());
    startLanguage("en");
    EXPECT_EQ(dir.readFile("Data/Sprache.dat"), "\"en\"\r\n");
    chooseLanguageIndex(kGerman);
    startLanguage("");  // the next run, without --language
    EXPECT_EQ(languageState.current, 1);
    // A file of a later build with more languages, or a damaged one.
    for (const char* file : {"\"xx\"\r\n", "", "\x81\x82,\r\n", "12345"}) {
        chooseLanguageIndex(kGerman);
        dir.writeFile("Data/Sprache.dat", file);
        EXPECT_FALSE(readLanguageChoice()) << file;
        EXPECT_EQ(languageState.current, kGerman) << file;
    }
    // German chosen is kept as such, so that no later default overrides it.
    startLanguage("de");
    EXPECT_EQ(dir.readFile("Data/Sprache.dat"), "\"de\"\r\n");
}

CommandLineResult gameCommandLine(std::vector<const char*> arguments) {
    arguments.insert(arguments.begin(), "zauberlabyrinth");
    RunOptions options;
    return readGameCommandLine(static_cast<int>(arguments.size()), arguments.data(), options);
}

TEST_F(Language, TheHelpIsInTheLanguageTheCommandLineNamesWhereverItStands) {
    for (const std::vector<const char*>& line : {std::vector<const char*>{"--language", "en", "--help"},
                                                 std::vector<const char*>{"--help", "--language=en"}}) {
        chooseLanguageIndex(kGerman);
        const CommandLineResult result = gameCommandLine(line);
        EXPECT_FALSE(result.run);
        EXPECT_EQ(result.output.rfind("Usage: zauberlabyrinth [OPTION]...\n", 0), 0u) << result.output;
        EXPECT_NE(result.output.find("  F3                  change the language\n"), std::string::npos);
        EXPECT_NE(result.output.find("--language LANGUAGE"), std::string::npos);
        // The options' texts stand in one column, though the English value
        // names are longer than the German ones.
        const std::size_t options = result.output.find("Options:\n");
        ASSERT_NE(options, std::string::npos);
        std::size_t column = 0;
        for (std::size_t at = options + 9; at < result.output.size() && result.output[at] != '\n';) {
            const std::size_t end = result.output.find('\n', at);
            const std::string row = result.output.substr(at, end - at);
            const std::size_t text = row.find_first_not_of(' ', row.find("  ", 2));
            if (column == 0) column = text;
            EXPECT_EQ(text, column) << row;
            at = end + 1;
        }
    }
    chooseLanguageIndex(kGerman);
    EXPECT_EQ(gameCommandLine({"--help"}).output.rfind("Aufruf: zauberlabyrinth", 0), 0u);
}

TEST_F(Language, AnUnknownLanguageEndsTheCommandLineSayingSoInEveryLanguage) {
    RunOptions game;
    const char* gameArguments[] = {"zauberlabyrinth", "--window", "--language", "english"};
    const CommandLineResult refused = readGameCommandLine(4, gameArguments, game);
    EXPECT_FALSE(refused.run);
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_EQ(refused.error, "zauberlabyrinth: --language english: diese Sprache gibt es nicht; es gibt de, en\n"
                             "zauberlabyrinth: --language english: there is no such language; there are de, en\n");
    EditorOptions editor;
    const char* editorArguments[] = {"zauberlabyrinth-editor", "--language=en"};
    const CommandLineResult taken = readEditorCommandLine(2, editorArguments, editor);
    EXPECT_TRUE(taken.run);
    EXPECT_EQ(editor.language, "en");
}

}  // namespace
