// artgen_main.cpp — zl_artgen: renders the art and sound sources into a run
// folder. Usage: zl_artgen <art folder> <sound folder> <run folder>
#include "tools/art/art_error.h"
#include "tools/art/asset_build.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: zl_artgen <art folder> <sound folder> <run folder>\n");
        return 2;
    }
    try {
        zlart::BuildReport r = zlart::buildAssets(argv[1], argv[2], argv[3]);
        std::printf("zl_artgen: %zu pictures, %zu sounds in %.3f s\n", r.pictures.size(), r.sounds.size(), r.seconds);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zl_artgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
