// sprite_catalogue.cpp — the catalogue of the game's 102 images and their
// loading at start-up.
//
// Writes: the image handles it owns (nothing of World).
#include "game/world/sprite_catalogue.h"

#include "platform/platform.h"

#include <cstring>
#include <string>

const SpriteInfo kSpriteCatalogue[kImageCount] = {
    {Img::zk, "zk", 100, 40},
    {Img::titel, "titel", 250, 80},
    {Img::Zaub1, "Zaub1", 40, 40},
    {Img::Zaub2, "Zaub2", 40, 40},
    {Img::Zaub1L, "Zaub1L", 40, 40},
    {Img::Zaub2L, "Zaub2L", 40, 40},
    {Img::Zaub1R, "Zaub1R", 40, 40},
    {Img::Zaub2R, "Zaub2R", 40, 40},
    {Img::Zaub37, "Zaub37", 37, 37},
    {Img::Zaub34, "Zaub34", 34, 34},
    {Img::Zaub31, "Zaub31", 31, 31},
    {Img::Zaub28, "Zaub28", 28, 28},
    {Img::Zaub24, "Zaub24", 24, 24},
    {Img::Zaub20, "Zaub20", 20, 20},
    {Img::Zaub15, "Zaub15", 15, 15},
    {Img::Zaub10, "Zaub10", 10, 10},
    {Img::Schwein, "Schwein", 40, 40},
    {Img::Schwein2, "Schwein2", 40, 40},
    {Img::SchweinTot, "SchweinTot", 40, 40},
    {Img::putzenmanntot, "putzenmanntot", 40, 40},
    {Img::Augetot, "Augetot", 40, 40},
    {Img::tot40, "tot40", 40, 40},
    {Img::tot41, "tot41", 40, 40},
    {Img::auge1, "auge1", 40, 40},
    {Img::auge2, "auge2", 40, 40},
    {Img::Splitter, "Splitter", 40, 40},
    {Img::putzenmannL1, "putzenmannL1", 40, 40},
    {Img::putzenmannL2, "putzenmannL2", 40, 40},
    {Img::putzenmannR1, "putzenmannR1", 40, 40},
    {Img::putzenmannR2, "putzenmannR2", 40, 40},
    {Img::sperre, "sperre", 40, 40},
    {Img::sperre2, "sperre2", 40, 40},
    {Img::sperreG, "sperreG", 40, 40},
    {Img::Flamm1, "Flamm1", 40, 40},
    {Img::Flamme1, "Flamme1", 40, 40},
    {Img::Flamm2, "Flamm2", 40, 40},
    {Img::Flamme2, "Flamme2", 40, 40},
    {Img::glut1, "glut1", 40, 40},
    {Img::glut2, "glut2", 40, 40},
    {Img::wasserfall, "wasserfall", 40, 40},
    {Img::wasserfall2, "wasserfall2", 40, 40},
    {Img::welle1, "welle1", 40, 40},
    {Img::welle2, "welle2", 40, 40},
    {Img::schmauch1, "schmauch1", 40, 40},
    {Img::schmauch2, "schmauch2", 40, 40},
    {Img::mauer01, "mauer01", 40, 40},
    {Img::mauer01zu, "mauer01zu", 40, 40},
    {Img::mauer01zo, "mauer01zo", 40, 40},
    {Img::mauer01zl, "mauer01zl", 40, 40},
    {Img::mauer01zr, "mauer01zr", 40, 40},
    {Img::fenster01, "fenster01", 40, 40},
    {Img::mauer02, "mauer02", 40, 40},
    {Img::tuer, "tuer", 40, 40},
    {Img::Schluessel, "Schluessel", 40, 40},
    {Img::Schluessel2, "Schluessel2", 40, 40},
    {Img::Schluesselkaputt, "Schluesselkaputt", 40, 40},
    {Img::Schluesselmos, "Schluesselmos", 40, 40},
    {Img::krone, "krone", 40, 40},
    {Img::harfe, "harfe", 40, 40},
    {Img::kerzstaender, "kerzstaender", 40, 40},
    {Img::Schwert, "Schwert", 40, 40},
    {Img::krug, "krug", 40, 40},
    {Img::axt, "axt", 40, 40},
    {Img::SternSchnuppe, "SternSchnuppe", 40, 40},
    {Img::kreuz, "kreuz", 40, 40},
    {Img::WolkeL, "WolkeL", 40, 40},
    {Img::WolkeM, "WolkeM", 40, 40},
    {Img::WolkeR, "WolkeR", 40, 40},
    {Img::Schwarz, "Schwarz", 40, 40},
    {Img::Schwarz2, "Schwarz2", 40, 40},
    {Img::Schwarz3, "Schwarz3", 40, 40},
    {Img::Schwarz4, "Schwarz4", 40, 40},
    {Img::gruenlinks, "gruenlinks", 40, 40},
    {Img::gruenrechts, "gruenrechts", 40, 40},
    {Img::gruenmitte, "gruenmitte", 40, 40},
    {Img::kette, "kette", 40, 40},
    {Img::metal, "metal", 40, 40},
    {Img::metalEL, "metalEL", 40, 40},
    {Img::metalER, "metalER", 40, 40},
    {Img::kette2, "kette2", 40, 40},
    {Img::seule, "seule", 40, 40},
    {Img::seulezo, "seulezo", 40, 40},
    {Img::seulezu, "seulezu", 40, 40},
    {Img::seulewaage, "seulewaage", 40, 40},
    {Img::dachL, "dachL", 40, 40},
    {Img::dachR, "dachR", 40, 40},
    {Img::dach2L, "dach2L", 40, 40},
    {Img::dach2R, "dach2R", 40, 40},
    {Img::dach, "dach", 40, 40},
    {Img::dach2, "dach2", 40, 40},
    {Img::altwand, "altwand", 40, 40},
    {Img::altwandzl, "altwandzl", 40, 40},
    {Img::altwandzr, "altwandzr", 40, 40},
    {Img::altwandblut, "altwandblut", 40, 40},
    {Img::flammhalter, "flammhalter", 40, 40},
    {Img::altmauer, "altmauer", 40, 40},
    {Img::altmauerzl, "altmauerzl", 40, 40},
    {Img::altmauerzr, "altmauerzr", 40, 40},
    {Img::altmauerblut, "altmauerblut", 40, 40},
    {Img::altmauerrr, "altmauerrr", 40, 40},
    {Img::altmauerrl, "altmauerrl", 40, 40},
    {Img::altmauerfe, "altmauerfe", 40, 40},
};

Img findImage(const char* name) {
    for (const SpriteInfo& s : kSpriteCatalogue) {
        if (std::strcmp(s.name, name) == 0) return s.id;
    }
    return Img::Count;
}

namespace {
std::array<Image*, kImageCount> images{};
}  // namespace

std::array<Image*, kImageCount>& spriteImages() { return images; }

Image* image(Img id) { return images[static_cast<std::size_t>(id)]; }

void loadAllImages() {
    // All images exist before any is loaded, so a missing file leaves a
    // key-coloured image of the right size rather than no image.
    for (const SpriteInfo& s : kSpriteCatalogue) {
        Image*& slot = images[static_cast<std::size_t>(s.id)];
        if (slot == nullptr) slot = createImage(s.width, s.height);
    }
    for (const SpriteInfo& s : kSpriteCatalogue) {
        loadBmp(std::string("sprites\\") + s.name + ".bmp", images[static_cast<std::size_t>(s.id)]);
    }
}
