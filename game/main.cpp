// The game program: reads its command line, finds its folder, and leaves
// everything else to the game libraries. A level or a set given on the
// command line that cannot be played ends it before any window, through
// endProgram as every end of the game, so that a host without a terminal
// (the browser's page) learns of it too.
#include "common/language.h"
#include "game/command_line.h"
#include "game/flow/flow.h"
#include "platform/platform.h"

int main(int argc, char** argv) {
    RunOptions options;
    const CommandLineResult commandLine = readGameCommandLine(argc, argv, options);
    if (!commandLine.run) return finishCommandLine(commandLine);
    enterGameFolder("zauberlabyrinth");
    startLanguage(options.language);
    if (!options.levelName.empty()) {
        const std::string missing = oneLevelMissing(options.levelName);
        if (!missing.empty()) endProgram(finishCommandLine(CommandLineResult{false, 1, "", missing}));
    }
    const CommandLineResult set = takeSetFile(options);
    if (!set.run) endProgram(finishCommandLine(set));
    runGameProgram(options);
}
