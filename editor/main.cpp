// The level editor program: full screen, or in a window with --window.
// Everything else happens in the editor library.
#include "editor/editor_loop.h"

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    ScreenChoice screen = ScreenChoice::FullScreen;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--window") == 0) {
            screen = ScreenChoice::Window;
        } else {
            std::fprintf(stderr, "Aufruf: editor [--window]\n");
            return 2;
        }
    }
    runEditor(screen);
}
