// The command line read against a table of options: flags, values (after a
// blank or "="), --help and --version, and every wrong argument refused.
#include "common/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Options {
    int screen = -1;
    std::string log;
    std::string name;
};

const CommandOption<Options> kTable[] = {
    {"--window", nullptr, "im Fenster", [](Options& o, const std::string&) { o.screen = 0; }},
    {"--log", "DATEI", "schreibt ein Protokoll", [](Options& o, const std::string& v) { o.log = v; }},
    {"--name", "NAME", "ein Name in Data", [](Options& o, const std::string& v) { o.name = v; }, OptionValue::Name},
};
std::vector<ReferenceSection> keys() {
    return {{"Tasten", {{"F1", "Hilfe"}, {"Strg+Umschalt+Z", "wiederholen\nzweite Zeile"}}}};
}
const ProgramInfo kInfo = {"zauberlabyrinth", "Ein Spiel.", "1.2.3", "Mehr im README.\n", keys};

CommandLineResult read(std::vector<const char*> args, Options& options) {
    args.insert(args.begin(), "/usr/bin/zl");
    return readCommandLine<Options>(static_cast<int>(args.size()), args.data(), kInfo, kTable, options);
}

TEST(CommandLine, OptionsAndValuesAreRead) {
    Options options;
    CommandLineResult result = read({}, options);
    EXPECT_TRUE(result.run);
    EXPECT_EQ(options.screen, -1);

    result = read({"--window", "--log", "a b.txt"}, options);
    EXPECT_TRUE(result.run);
    EXPECT_TRUE(result.output.empty() && result.error.empty());
    EXPECT_EQ(options.screen, 0);
    EXPECT_EQ(options.log, "a b.txt");
    read({"--log=x=y"}, options);
    EXPECT_EQ(options.log, "x=y");
}

TEST(CommandLine, HelpAndVersionEndTheProgramWithCodeZero) {
    Options options;
    const CommandLineResult help = read({"--window", "--help", "--bogus"}, options);
    EXPECT_FALSE(help.run);
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.output.rfind("Aufruf: zl [OPTION]...\nEin Spiel.\n", 0), 0u) << help.output;
    // The options, --help and --version, then the keys; a text of two lines
    // goes on under its first.
    for (const char* line :
         {"\nOptionen:\n  --window            im Fenster\n", "  --log DATEI         schreibt ein Protokoll\n",
          "  --version", "\nTasten:\n  F1                  Hilfe\n",
          "  Strg+Umschalt+Z     wiederholen\n                      zweite Zeile\n", "\nMehr im README.\n"}) {
        EXPECT_NE(help.output.find(line), std::string::npos) << line;
    }
    const CommandLineResult version = read({"--version"}, options);
    EXPECT_FALSE(version.run);
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.output, "zauberlabyrinth 1.2.3\n");
}

TEST(CommandLine, WrongArgumentsEndWithCodeTwoAndAMessage) {
    for (const std::vector<const char*>& args : std::vector<std::vector<const char*>>{
             {"--bogus"}, {"window"}, {"--window=1"}, {"--log"}, {"--window", ""}, {"--Window"}}) {
        Options options;
        const CommandLineResult result = read(args, options);
        EXPECT_FALSE(result.run) << args.back();
        EXPECT_EQ(result.exitCode, 2) << args.back();
        EXPECT_TRUE(result.output.empty());
        EXPECT_EQ(result.error.rfind("zl: ", 0), 0u) << result.error;
    }
}

TEST(CommandLine, ANameReachesTheProgramInCodePage437OrIsRefused) {
    // As a terminal hands them over: UTF-8.
    const struct {
        const char* argument;
        const char* name;  // code page 437; nullptr: refused
    } kNames[] = {
        {"M\xC3\xBCll", "M\x81ll"},  // Müll
        {"\xC3\x84rger-\xC3\x9F", "\x8E"
                                  "rger-\xE1"},  // Ärger-ß
        {"Demo2", "Demo2"},
        {"M\xE2\x82\xACll", nullptr},  // the euro sign: not in the code page
        {"M\xFCll", nullptr},          // Latin-1 bytes, not UTF-8
        {"\xC3", nullptr},             // cut short
    };
    for (const auto& n : kNames) {
        for (const std::string& form : {std::string("--name=") + n.argument, std::string("--name")}) {
            Options options;
            std::vector<const char*> args{form.c_str()};
            if (form == "--name") args.push_back(n.argument);
            const CommandLineResult result = read(args, options);
            EXPECT_EQ(result.run, n.name != nullptr) << form << " " << n.argument;
            if (n.name) {
                EXPECT_EQ(options.name, n.name) << n.argument;
            } else {
                EXPECT_EQ(result.exitCode, 2);
                EXPECT_EQ(result.error.rfind(std::string("zl: --name \"") + n.argument + "\": ", 0), 0u) << result.error;
                EXPECT_EQ(options.name, "") << "nothing reaches the program";
            }
        }
    }
    // A value that is no name goes on as typed.
    Options options;
    read({"--log", "M\xC3\xBCll"}, options);
    EXPECT_EQ(options.log, "M\xC3\xBCll");
}

}  // namespace
