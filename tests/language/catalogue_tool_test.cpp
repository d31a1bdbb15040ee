// The catalogue tool: what it finds marked in the sources, how it reads a
// translator's .po file, and which translations it refuses before the
// programs are built with them.
#include "tools/catalogue/catalogue_tables.h"
#include "tools/catalogue/marked_texts.h"
#include "tools/catalogue/po_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> germanOf(const std::vector<MarkedText>& texts) {
    std::vector<std::string> german;
    for (const MarkedText& text : texts) german.push_back(text.german);
    return german;
}

TEST(MarkedTexts, CppLiteralsAfterAMarkerJoinedAndMadeUtf8) {
    const std::string source = "// tr(\"not in a comment\")\n"
                               "const char* a = \"tr(\\\"nor in a string\\\")\";\n"
                               "str(\"no marker\");\n"
                               "// TRANSLATORS: the menu's line\n"
                               "printText(tr(\"Zur\\x81\" \"ck zum Spiel\"), true);\n"
                               "x = trFormat(\"T\\x81r nach {0}\\n\"\n"
                               "             \"Schritten\", {n}); y = trMark(\"S\\x84ule\");\n"
                               "z = trTerminal(\"Men\xC3\xBC\"); w = trMarkTerminal(\"DATEI\"); v = tr(name);\n";
    const std::vector<MarkedText> found = markedTexts("game/x.cpp", source);
    EXPECT_EQ(germanOf(found),
              (std::vector<std::string>{"Zur\xC3\xBC"
                                        "ck zum Spiel",
                                        "T\xC3\xBCr nach {0}\nSchritten", "S\xC3\xA4ule", "Men\xC3\xBC", "DATEI"}));
    ASSERT_EQ(found.size(), 5u);
    EXPECT_EQ(found[0].reference, "game/x.cpp:5");
    EXPECT_EQ(found[0].note, "the menu's line");
    EXPECT_EQ(found[1].note, "");  // the note ended with its statement
    EXPECT_EQ(found[0].place, TextPlace::Program);
}

TEST(MarkedTexts, ScriptsPagesAndTheSitesOwnTexts) {
    const std::string script = "var r = /\"tr('no')\"/g; notice(trFormat('„{0}“ liegt ' +\n  'jetzt in Data.', [n]));\n"
                               "button.textContent = tr(\"Neu versuchen\"); var s = `tr('template')`;\n";
    EXPECT_EQ(germanOf(markedTexts("web/page.js", script)),
              (std::vector<std::string>{"„{0}“ liegt jetzt in Data.", "Neu versuchen"}));
    const std::string
        page = "<title>@page_title@</title>\n<p id=\"x\">Lade @page_title@ …</p>\n"
               "<button aria-label=\"Men\xC3\xBC\" type=\"button\">\n   Daten\n   sichern </button>\n"
               "<button>▲</button><script>var a = 'Script';</script><label><input> Tasten auf dem Bildschirm</label>\n";
    const std::vector<MarkedText> pageTexts = markedTexts("web/page.html.in", page);
    EXPECT_EQ(germanOf(pageTexts), (std::vector<std::string>{"Men\xC3\xBC", "Daten sichern", "Tasten auf dem Bildschirm"}));
    EXPECT_EQ(pageTexts[0].place, TextPlace::Page);
    EXPECT_EQ(germanOf(markedTexts("web/make_site.cmake",
                                   "function(page_text name text)\nendfunction()\npage_text(a_title \"Das Spiel\")\n")),
              (std::vector<std::string>{"Das Spiel"}));
    EXPECT_TRUE(markedTexts("web/page.css", "tr('x')").empty());
}

TEST(PoFile, EntriesAreReadWithTheirFlagsAndTheHeaderAndObsoleteOnesLeftOut) {
    const std::string text = "# a comment\nmsgid \"\"\nmsgstr \"\"\n\"Language: en\\n\"\n\n"
                             "#: game/x.cpp:3\nmsgid \"Men\xC3\xBC\"\nmsgstr \"Menu\"\n\n"
                             "#, fuzzy\nmsgid \"Ton AN \"\nmsgstr \"Sound on\"\n\n"
                             "msgid \"\"\n\"zwei\\n\"\n\"Zeilen \\\"hier\\\"\"\nmsgstr \"two\\nlines \\\"here\\\"\"\n\n"
                             "#~ msgid \"alt\"\n#~ msgstr \"old\"\n";
    PoFile po;
    std::string error;
    ASSERT_TRUE(parsePoFile(text, "po/en.po", po, error)) << error;
    EXPECT_EQ(po.code, "en");
    ASSERT_EQ(po.entries.size(), 3u);
    EXPECT_EQ(po.entries[0].german, "Men\xC3\xBC");
    EXPECT_EQ(po.entries[0].line, 7);
    EXPECT_TRUE(po.entries[1].fuzzy);
    EXPECT_FALSE(po.entries[2].fuzzy);
    EXPECT_EQ(po.entries[2].german, "zwei\nZeilen \"hier\"");
    EXPECT_EQ(po.entries[2].translation, "two\nlines \"here\"");
}

TEST(PoFile, WhatTheProgramsDoNotUseIsRefusedWithItsLine) {
    const struct {
        const char* text;
        const char* error;
    } kCases[] = {
        {"msgctxt \"menu\"\nmsgid \"a\"\nmsgstr \"b\"\n", "po/en.po:1: contexts"},
        {"msgid \"a\"\nmsgid_plural \"as\"\nmsgstr[0] \"b\"\n", "po/en.po:2: plural forms"},
        {"msgid \"a\"\nmsgstr \"b\\q\"\n", "po/en.po:2: unknown escape \\q"},
        {"msgid \"a\nmsgstr \"b\"\n", "po/en.po:1: the string has no closing quote"},
        {"msgid \"a\"\nhello\n", "po/en.po:2: a line that is no part of a .po file"},
    };
    for (const auto& c : kCases) {
        PoFile po;
        std::string error;
        EXPECT_FALSE(parsePoFile(c.text, "po/en.po", po, error)) << c.text;
        EXPECT_EQ(error.rfind(c.error, 0), 0u) << error;
    }
}

PoFile catalogue(std::vector<PoEntry> entries) {
    PoFile po;
    po.path = "po/en.po";
    po.code = "en";
    int line = 10;
    for (PoEntry& entry : entries) entry.line = line++;
    po.entries = std::move(entries);
    return po;
}

MarkedText programText(const std::string& german) { return {german, TextPlace::Program, "game/x.cpp:1", ""}; }
MarkedText pageText(const std::string& german) { return {german, TextPlace::Page, "web/page.js:1", ""}; }

TEST(CatalogueTables, ATranslationThatCannotStandInItsPlaceIsRefused) {
    const struct {
        MarkedText text;
        PoEntry entry;
        const char* why;  // "" when taken
    } kCases[] = {
        {programText("Men\xC3\xBC"), {"Men\xC3\xBC", "Menu"}, ""},
        {programText("Ton AN "), {"Ton AN ", ""}, "has no translation yet"},
        {programText("Ton AN "), {"Ton AN ", "Sound on", true}, "has no translation yet"},
        {programText("nach {0} Schritten"), {"nach {0} Schritten", "after {1} steps"}, "other placeholders"},
        {programText("eins\nzwei"), {"eins\nzwei", "one two"}, "another number of lines"},
        {programText("Tab"), {"Tab", "T\tab"}, "a control character"},
        {programText("Laden ..."),
         {"Laden ...", "Loading \xE2\x80\xA6"},
         "\"\xE2\x80\xA6\", which the programs' fonts cannot show"},
        {programText("Preis"), {"Preis", "Price \xE2\x82\xAC"}, "which the programs' fonts cannot show"},
        // The page is written in UTF-8: any character goes there.
        {pageText("Laden ..."), {"Laden ...", "Loading \xE2\x80\xA6"}, ""},
    };
    for (const auto& c : kCases) {
        const CatalogueFindings findings = buildTables({catalogue({c.entry})}, {c.text});
        if (*c.why == '\0') {
            EXPECT_TRUE(findings.errors.empty()) << c.entry.german << ": " << findings.errors.front();
            continue;
        }
        ASSERT_EQ(findings.errors.size(), 1u) << c.entry.german;
        EXPECT_NE(findings.errors.front().find(c.why), std::string::npos) << findings.errors.front();
        EXPECT_EQ(findings.errors.front().rfind("po/en.po:10: ", 0), 0u) << findings.errors.front();
    }
}

TEST(CatalogueTables, AMarkedTextWithoutEntryStopsTheBuildAndAnOldEntryIsReported) {
    const CatalogueFindings findings = buildTables({catalogue({{"Laden", "Load"}, {"Alt", "Old"}})},
                                                   {programText("Laden"), programText("Neu")});
    ASSERT_EQ(findings.errors.size(), 1u);
    EXPECT_EQ(findings.errors[0], "game/x.cpp:1: \"Neu\" has no entry in po/en.po");
    ASSERT_EQ(findings.stale.size(), 1u);
    EXPECT_EQ(findings.stale[0], "po/en.po:11: \"Alt\" is marked nowhere in the sources");
}

TEST(CatalogueTables, TheProgramsTableIsCodePage437SortedAndReadsBackAsWritten) {
    const CatalogueFindings findings = buildTables({catalogue({{"Zur\xC3\xBC"
                                                                "ck",
                                                                "Back"},
                                                               {"Abbrechen", "Cancel"},
                                                               {"Daten", "Data"}})},
                                                   {programText("Zur\xC3\xBC"
                                                                "ck"),
                                                    programText("Abbrechen"), pageText("Daten")});
    ASSERT_TRUE(findings.errors.empty());
    ASSERT_EQ(findings.tables.size(), 1u);
    const LanguageTable& table = findings.tables[0];
    ASSERT_EQ(table.program.size(), 2u);
    EXPECT_EQ(table.program[0].german, "Abbrechen");
    EXPECT_EQ(table.program[1].german, "Zur\x81"
                                       "ck");
    ASSERT_EQ(table.page.size(), 1u);
    // A hex escape followed by a hex digit ends its literal ("\x81" "ck").
    const std::string source = programTableSource(findings.tables, {"po/en.po"});
    EXPECT_NE(source.find("{\"Zur\\x81\" \"ck\", \"Back\"}"), std::string::npos) << source;
    EXPECT_EQ(source.find("Daten"), std::string::npos);
    const std::string script = pageTableScript(findings.tables, {"po/en.po"});
    EXPECT_NE(script.find("\"Daten\": \"Data\""), std::string::npos) << script;
}

TEST(CatalogueTables, TheTemplateListsEachTextOnceWithEveryPlaceAndNote) {
    const std::vector<TemplateEntry> entries = templateEntries({{"Laden", TextPlace::Program, "a.cpp:1", "a note"},
                                                                {"Neu", TextPlace::Program, "a.cpp:2", ""},
                                                                {"Laden", TextPlace::Page, "page.js:3", ""}});
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].references, (std::vector<std::string>{"a.cpp:1", "page.js:3"}));
    const std::string pot = templateText(entries);
    EXPECT_NE(pot.find("#. a note\n#: a.cpp:1\n#: page.js:3\nmsgid \"Laden\"\nmsgstr \"\"\n"), std::string::npos) << pot;
    PoFile back;
    std::string error;
    EXPECT_TRUE(parsePoFile(pot, "x.pot", back, error)) << error;
    EXPECT_EQ(back.entries.size(), 2u);
}

}  // namespace
