// zl_manual — writes the manual page of the game or the editor from its
// template (dist/man, dist/man/<language>) and the program's own reference,
// the one --help prints: every option and every key of its command table,
// in the language given (German without one).
//
//   zl_manual [--language CODE] game|editor <template> <release date> <out>
#include "common/language.h"
#include "editor/command_line.h"
#include "game/command_line.h"
#include "tools/manual/manual_page.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

int main(int argc, char** argv) {
    if (argc == 7 && std::string(argv[1]) == "--language") {
        if (!chooseLanguage(argv[2])) {
            std::fprintf(stderr, "zl_manual: no language %s in this build (%s)\n", argv[2], languageCodes().c_str());
            return 2;
        }
        argc -= 2;
        argv += 2;
    }
    const std::string program = argc == 5 ? argv[1] : "";
    if (program != "game" && program != "editor") {
        std::fprintf(stderr, "usage: zl_manual [--language CODE] game|editor <template> <release date> <out>\n");
        return 2;
    }
    std::ifstream in(argv[2], std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in.good() && !in.eof()) {
        std::fprintf(stderr, "zl_manual: cannot read %s\n", argv[2]);
        return 1;
    }
    const ProgramReference reference = program == "game" ? gameReference() : editorReference();
    // Written beside the page and renamed over it once complete.
    const std::filesystem::path out = argv[4];
    std::filesystem::path scratch = out;
    scratch += ".part";
    {
        std::ofstream file(scratch, std::ios::binary | std::ios::trunc);
        file << manualPage(text, reference, argv[3]);
        if (!file.flush()) {
            std::fprintf(stderr, "zl_manual: cannot write %s\n", scratch.string().c_str());
            return 1;
        }
    }
    std::error_code error;
    std::filesystem::rename(scratch, out, error);
    if (error) {
        std::fprintf(stderr, "zl_manual: cannot write %s: %s\n", out.string().c_str(), error.message().c_str());
        return 1;
    }
    return 0;
}
