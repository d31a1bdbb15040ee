// The game program: reads its command line, finds its folder, and leaves
// everything else to the game libraries.
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
        if (!missing.empty()) return finishCommandLine(CommandLineResult{false, 1, "", missing});
    }
    const CommandLineResult set = takeSetFile(options);
    if (!set.run) return finishCommandLine(set);
    runGameProgram(options);
}
