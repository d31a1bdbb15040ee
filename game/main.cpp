// The game program: everything happens in the game libraries. The one
// option, --frame-log, switches on the diagnostic frame log (flow.h); the
// game takes no other arguments and ignores any it does not know.
#include "game/flow/flow.h"

#include <cstring>

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--frame-log") == 0) setFrameLog(true);
    }
    runGameProgram();
}
