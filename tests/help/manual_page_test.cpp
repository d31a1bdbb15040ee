// The manual pages against --help: every option and every key that --help
// lists stands on the page made from the shipped template, the German and
// the English one each with the help in its language, and no text of a
// table can become a request of the page's formatter.
#include "tools/manual/manual_page.h"
#include "common/language.h"
#include "editor/command_line.h"
#include "game/command_line.h"
#include "tests/support/read_whole_file.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

// The terms of --help: each line that starts with two blanks and a term,
// which ends at the next two blanks.
std::vector<std::string> helpTerms(const std::string& help) {
    std::vector<std::string> terms;
    std::istringstream lines(help);
    for (std::string line; std::getline(lines, line);) {
        if (line.size() < 3 || line.compare(0, 2, "  ") != 0 || line[2] == ' ') continue;
        terms.push_back(line.substr(2, line.find("  ", 2) - 2));
    }
    return terms;
}

// The terms the page tags, as a reader sees them: the arguments of each
// .B or .BI request, unquoted, the escapes of minus and backslash undone.
std::vector<std::string> pageTerms(const std::string& page) {
    std::vector<std::string> terms;
    std::istringstream lines(page);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind(".B ", 0) != 0 && line.rfind(".BI ", 0) != 0) continue;
        std::string term;
        for (std::size_t i = line.find(' ') + 1; i < line.size(); ++i) {
            if (line[i] == '"') continue;
            if (line[i] == '\\' && i + 1 < line.size()) {
                term += line[i + 1] == 'e' ? '\\' : line[i + 1];
                ++i;
                continue;
            }
            term += line[i];
        }
        // .BI "--level " "NAME" has left a blank between its arguments.
        const std::size_t doubled = term.find("  ");
        if (doubled != std::string::npos) term.erase(doubled, 1);
        terms.push_back(term);
    }
    return terms;
}

struct Program {
    const char* page;             // the template in dist/man
    const char* language;         // the language of page and help
    CommandLineResult (*help)();  // --help as a player gets it
    ProgramReference (*reference)();
};

CommandLineResult gameHelp() {
    RunOptions options;
    const char* argv[] = {"zauberlabyrinth", "--help"};
    return readGameCommandLine(2, argv, options);
}

CommandLineResult editorHelp() {
    EditorOptions options;
    const char* argv[] = {"zauberlabyrinth-editor", "--help"};
    return readEditorCommandLine(2, argv, options);
}

const Program kPrograms[] = {
    {"zauberlabyrinth.6.in", "de", gameHelp, gameReference},
    {"zauberlabyrinth-editor.6.in", "de", editorHelp, editorReference},
    {"en/zauberlabyrinth.6.in", "en", gameHelp, gameReference},
    {"en/zauberlabyrinth-editor.6.in", "en", editorHelp, editorReference},
};

TEST(ManualPage, ListsEveryOptionAndEveryKeyThatHelpLists) {
    for (const Program& program : kPrograms) {
        SCOPED_TRACE(program.page);
        ASSERT_TRUE(chooseLanguage(program.language));
        const std::string text = readWholeFile(std::string(ZL_SOURCE_DIR) + "/dist/man/" + program.page);
        ASSERT_FALSE(text.empty());
        const std::string page = manualPage(text, program.reference(), "2026-12-07");
        EXPECT_EQ(page.find('@'), std::string::npos) << "a placeholder left";
        const std::vector<std::string> tagged = pageTerms(page);
        const std::vector<std::string> listed = helpTerms(program.help().output);
        EXPECT_GE(listed.size(), 5u);
        for (const std::string& term : listed) {
            EXPECT_NE(std::find(tagged.begin(), tagged.end(), term), tagged.end()) << term;
        }
    }
    chooseLanguage("de");
}

TEST(ManualPage, NoTextOfATableBecomesARequest) {
    const ProgramReference reference{{"zl", "", "1.0", "", nullptr},
                                     {{"Optionen", {{"--level NAME", "a\n.SH EINGESCHLEUST\n'zitiert"}}},
                                      {"Tasten", {{".F1", "back\\slash \"quoted\""}}}}};
    const std::string page = manualPage("@SYNOPSIS@\n.SH OPTIONEN\n@OPTIONS@\n.SH TASTEN\n@KEYS@\n", reference, "heute");
    std::istringstream lines(page);
    for (std::string line; std::getline(lines, line);) {
        for (const char* request : {".SH EINGESCHLEUST", "'zitiert", ".F1"}) {
            EXPECT_NE(line.rfind(request, 0), 0u) << page;
        }
    }
    EXPECT_NE(page.find(".BI \"\\-\\-level \" \"NAME\""), std::string::npos) << page;
    EXPECT_NE(page.find("back\\eslash \"quoted\""), std::string::npos) << page;
    EXPECT_NE(page.find("[\\fB\\-\\-level\\fR \\fINAME\\fR]"), std::string::npos) << page;
}

}  // namespace
