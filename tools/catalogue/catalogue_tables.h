// catalogue_tables.h — from the catalogues and the marked texts to the
// tables the programs and the pages look texts up in, with every check a
// translation must pass first.
#pragma once

#include "tools/catalogue/marked_texts.h"
#include "tools/catalogue/po_file.h"

#include <string>
#include <vector>

// One text of a language's table.
struct TableEntry {
    std::string german;       // code page 437 in a program's table, UTF-8 in a page's
    std::string translation;  // likewise
};

// A language as the tables hold it.
struct LanguageTable {
    std::string code;                 // "en"
    std::vector<TableEntry> program;  // sorted by the bytes of `german`
    std::vector<TableEntry> page;     // sorted likewise
};

// What checking the catalogues against the marked texts found.
struct CatalogueFindings {
    std::vector<std::string> errors;    // each makes the tables unusable: a text missing, a translation refused
    std::vector<std::string> stale;     // entries no source marks any more
    std::vector<LanguageTable> tables;  // complete only when there are no errors
};

// Checks every catalogue: each marked text has a translation (not fuzzy,
// not empty) with the same placeholders and line breaks as its German and
// no other control character; a text a program shows has a translation in
// code page 437, the characters the programs' fonts hold. Builds the tables
// of the marked texts.
CatalogueFindings buildTables(const std::vector<PoFile>& catalogues, const std::vector<MarkedText>& marked);

// The C++ source of the programs' table (common/catalogue_table.h).
std::string programTableSource(const std::vector<LanguageTable>& tables, const std::vector<std::string>& poNames);
// The page's script of its table: zlCatalogues, by code, German to the
// translation.
std::string pageTableScript(const std::vector<LanguageTable>& tables, const std::vector<std::string>& poNames);

// The template's entries: each marked text once, with every place it is
// marked and the notes to translators, in the order first marked.
std::vector<TemplateEntry> templateEntries(const std::vector<MarkedText>& marked);
