// The level editor program: reads its command line, finds its folder, and
// leaves everything else to the editor library.
#include "common/language.h"
#include "editor/command_line.h"
#include "editor/editor_loop.h"
#include "platform/platform.h"

int main(int argc, char** argv) {
    EditorOptions options;
    const CommandLineResult commandLine = readEditorCommandLine(argc, argv, options);
    if (!commandLine.run) return finishCommandLine(commandLine);
    enterGameFolder("zauberlabyrinth");
    startLanguage(options.language);
    runEditor(options.screen);
}
