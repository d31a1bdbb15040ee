// icongen_main.cpp — zl_icongen: the desktop icons of the game and the
// editor, drawn from the art sources, in every size of kIconSizes:
//   zl_icongen <art folder> <out folder>
// writes <out folder>/hicolor/<n>x<n>/apps/zauberlabyrinth.png and
// zauberlabyrinth-editor.png, the layout of share/icons.
#include "tools/art/art_error.h"
#include "tools/art/icons.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: zl_icongen <art folder> <out folder>\n");
        return 2;
    }
    try {
        zlart::ArtSources art = zlart::readArtSources(argv[1]);
        zlart::ArtRenderer renderer(art);
        const zlart::IconPicture icons[] = {zlart::gameIcon(renderer), zlart::editorIcon(renderer)};
        const char* names[] = {"zauberlabyrinth.png", "zauberlabyrinth-editor.png"};
        for (int size : zlart::kIconSizes) {
            const std::string square = std::to_string(size) + "x" + std::to_string(size);
            const std::filesystem::path folder = std::filesystem::path(argv[2]) / "hicolor" / square / "apps";
            std::filesystem::create_directories(folder);
            for (int i = 0; i < 2; ++i)
                zlart::writeIconPng(zlart::scaleIcon(icons[i], size), (folder / names[i]).string());
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zl_icongen: %s\n", e.what());
        return 1;
    }
    return 0;
}
