// editor_images.cpp — the editor's 79 images, loaded once at start-up and
// kept to the end of the run. Eight of them (the numbered barriers) only the
// editor loads: the game draws those codes with the plain barrier images.
//
// Writes: the image handles it owns (nothing of the record).
#include "editor/drawing.h"

#include "platform/platform.h"

#include <string>

namespace {

constexpr int kCellImageSize = 40;
constexpr int kMarkerSize = 10;  // Zaub10

std::array<Image*, kEditorImageCount> images{};

}  // namespace

const char* const kEditorImageNames[kEditorImageCount] = {
    "Zaub1", "Zaub10", "Schwein", "tot40", "putzenmannL1", "auge1",
    "sperre", "sperre2", "sperre002", "sperre003", "sperre004", "sperre202", "sperre203", "sperre204",
    "sperreG", "sperreG2", "sperreG3",
    "Flamm1", "Flamme1", "glut1", "wasserfall", "welle1",
    "mauer01", "mauer01zu", "mauer01zo", "mauer01zl", "mauer01zr", "fenster01", "mauer02",
    "tuer",
    "Schluessel", "Schluessel2", "Schluesselkaputt", "Schluesselmos", "krone", "harfe", "kerzstaender",
    "Schwert", "krug", "axt", "SternSchnuppe", "kreuz",
    "WolkeL", "WolkeM", "WolkeR",
    "Schwarz", "Schwarz2", "Schwarz3", "Schwarz4",
    "gruenlinks", "gruenrechts", "gruenmitte",
    "seule", "seulezo", "seulezu", "seulewaage",
    "kette", "kette2", "metal", "metalEL", "metalER",
    "dachL", "dachR", "dach2L", "dach2R", "dach", "dach2",
    "altwand", "altwandzl", "altwandzr", "altwandblut", "flammhalter",
    "altmauer", "altmauerzl", "altmauerzr", "altmauerblut", "altmauerrr", "altmauerrl", "altmauerfe",
};

void loadEditorImages() {
    // All are created first, then loaded: a missing file leaves its image in
    // the key colour, drawn as a magenta square.
    for (std::size_t i = 0; i < kEditorImageCount; ++i) {
        const int size = i == static_cast<std::size_t>(EdImg::Zaub10) ? kMarkerSize : kCellImageSize;
        if (images[i] == nullptr) images[i] = createImage(size, size);
    }
    for (std::size_t i = 0; i < kEditorImageCount; ++i) {
        loadBmp(std::string("sprites\\") + kEditorImageNames[i] + ".bmp", images[i]);
    }
}

std::array<Image*, kEditorImageCount>& editorImages() { return images; }

Image* editorImage(EdImg id) { return images[static_cast<std::size_t>(id)]; }
