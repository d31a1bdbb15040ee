// zl_catalogue — turns the catalogues (po/<code>.po) into the tables the
// programs and the browser's pages look their texts up in, after checking
// them against every text the sources mark:
//
//   zl_catalogue --root <top of the tree> [--strict]
//                [--program-table <catalogues.cpp>] [--page-table <catalogue.js>]
//                [--template <zauberlabyrinth.pot>] <po files> -- <source files>
//
// A marked text missing from a catalogue, or a translation refused (see
// catalogue_tables.h), ends it with exit status 1 and each fault on
// standard error, before anything is written: the build stops there. An
// entry that no source marks any more is only reported, unless --strict
// (the catalogue test) makes that a fault too. A table is rewritten only
// when its text changes, so the programs are not compiled again for
// nothing.
#include "tools/catalogue/catalogue_tables.h"
#include "tools/catalogue/marked_texts.h"
#include "tools/catalogue/po_file.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

bool readWhole(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

// Writes `text` to path unless it holds it already; through a scratch file
// renamed over it, so that an interrupted build leaves no half table.
bool writeIfChanged(const std::string& path, const std::string& text) {
    std::string old;
    if (readWhole(path, old) && old == text) return true;
    const std::string scratch = path + ".part";
    {
        std::ofstream out(scratch, std::ios::binary | std::ios::trunc);
        out << text;
        if (!out.flush()) return false;
    }
    std::error_code error;
    std::filesystem::rename(scratch, path, error);
    return !error;
}

// The path from the top of the tree, as references give it.
std::string fromRoot(const std::string& root, const std::string& path) {
    const std::filesystem::path relative = std::filesystem::path(path).lexically_relative(root);
    return relative.empty() || relative.native().starts_with("..") ? path : relative.generic_string();
}

int usage() {
    std::fputs("usage: zl_catalogue --root <dir> [--strict] [--program-table <file>] [--page-table <file>]\n"
               "                    [--template <file>] <po files> -- <source files>\n",
               stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::string root;
    std::string programTable;
    std::string pageTable;
    std::string templateFile;
    bool strict = false;
    std::vector<std::string> poPaths;
    std::vector<std::string> sources;
    bool inSources = false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        const bool hasValue = i + 1 < argc;
        if (inSources) {
            sources.push_back(argument);
        } else if (argument == "--") {
            inSources = true;
        } else if (argument == "--strict") {
            strict = true;
        } else if (argument == "--root" && hasValue) {
            root = argv[++i];
        } else if (argument == "--program-table" && hasValue) {
            programTable = argv[++i];
        } else if (argument == "--page-table" && hasValue) {
            pageTable = argv[++i];
        } else if (argument == "--template" && hasValue) {
            templateFile = argv[++i];
        } else if (argument.starts_with("--")) {
            return usage();
        } else {
            poPaths.push_back(argument);
        }
    }
    if (root.empty()) return usage();

    std::vector<MarkedText> marked;
    for (const std::string& source : sources) {
        std::string text;
        if (!readWhole(source, text)) {
            std::fprintf(stderr, "zl_catalogue: cannot read %s\n", source.c_str());
            return 1;
        }
        for (MarkedText& found : markedTexts(fromRoot(root, source), text)) marked.push_back(std::move(found));
    }

    std::vector<PoFile> catalogues;
    std::vector<std::string> poNames;
    for (const std::string& path : poPaths) {
        std::string text;
        if (!readWhole(path, text)) {
            std::fprintf(stderr, "zl_catalogue: cannot read %s\n", path.c_str());
            return 1;
        }
        PoFile po;
        std::string error;
        if (!parsePoFile(text, fromRoot(root, path), po, error)) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return 1;
        }
        poNames.push_back(po.path);
        catalogues.push_back(std::move(po));
    }

    const CatalogueFindings findings = buildTables(catalogues, marked);
    for (const std::string& stale : findings.stale) {
        std::fprintf(stderr, "%s%s\n", stale.c_str(),
                     strict ? "" : " (an old entry: remove it, or msgmerge marks it obsolete)");
    }
    for (const std::string& error : findings.errors) std::fprintf(stderr, "%s\n", error.c_str());
    if (!findings.errors.empty() || (strict && !findings.stale.empty())) {
        std::fprintf(stderr, "zl_catalogue: %zu fault(s) in the catalogues; see README.md, \"Translating\"\n",
                     findings.errors.size() + (strict ? findings.stale.size() : 0));
        return 1;
    }

    const struct {
        const std::string& path;
        std::string text;
    } outputs[] = {
        {programTable, programTableSource(findings.tables, poNames)},
        {pageTable, pageTableScript(findings.tables, poNames)},
        {templateFile, templateText(templateEntries(marked))},
    };
    for (const auto& output : outputs) {
        if (output.path.empty()) continue;
        if (!writeIfChanged(output.path, output.text)) {
            std::fprintf(stderr, "zl_catalogue: cannot write %s\n", output.path.c_str());
            return 1;
        }
    }
    return 0;
}
