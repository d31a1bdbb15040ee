// contactsheet_main.cpp — zl_contactsheet: draws the contact sheet of every
// picture, or a mock game screen, as PNG.
//   zl_contactsheet <art folder> <layout file> <out.png> [scale]
//   zl_contactsheet --scene <art folder> <scene file> <out.png> [scale]
#include "tools/art/art_error.h"
#include "tools/art/contact_sheet.h"
#include "tools/image/image_files.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    bool scene = argc > 1 && std::string(argv[1]) == "--scene";
    int first = scene ? 2 : 1;
    int rest = argc - first;
    if (rest != 3 && rest != 4) {
        std::fprintf(stderr, "usage: zl_contactsheet <art folder> <layout file> <out.png> [scale]\n"
                             "       zl_contactsheet --scene <art folder> <scene file> <out.png> [scale]\n");
        return 2;
    }
    int scale = rest == 4 ? std::atoi(argv[first + 3]) : 1;
    if (scale < 1 || scale > 8) scale = 1;
    try {
        zlart::ArtSources art = zlart::readArtSources(argv[first]);
        zlart::ArtRenderer renderer(art);
        zlart::Canvas c = scene ? zlart::composeScene(renderer, argv[first + 1])
                                : zlart::composeContactSheet(art, renderer, argv[first + 1]);
        if (scale > 1) c = zlart::enlarge(c, scale);
        if (!imagefile::writePng(c, argv[first + 2]))
            throw zlart::ArtError(std::string(argv[first + 2]) + ": cannot be written");
        std::printf("zl_contactsheet: %s, %d x %d\n", argv[first + 2], c.width, c.height);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zl_contactsheet: %s\n", e.what());
        return 1;
    }
    return 0;
}
