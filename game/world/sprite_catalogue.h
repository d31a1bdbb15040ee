// sprite_catalogue.h — the 102 images of the game, by name, in load order.
//
// An image is named by the base name of its file: Img::Zaub1 is loaded from
// "sprites\Zaub1.bmp". The catalogue owns the image handles, one per entry,
// from loadAllImages to the end of the run.
#pragma once

#include <array>
#include <cstddef>

struct Image;

enum class Img : int {
    zk, titel,
    Zaub1, Zaub2, Zaub1L, Zaub2L, Zaub1R, Zaub2R,
    Zaub37, Zaub34, Zaub31, Zaub28, Zaub24, Zaub20, Zaub15, Zaub10,
    Schwein, Schwein2, SchweinTot, putzenmanntot, Augetot,
    tot40, tot41, auge1, auge2, Splitter,
    putzenmannL1, putzenmannL2, putzenmannR1, putzenmannR2,
    sperre, sperre2, sperreG,
    Flamm1, Flamme1, Flamm2, Flamme2,
    glut1, glut2, wasserfall, wasserfall2, welle1, welle2, schmauch1, schmauch2,
    mauer01, mauer01zu, mauer01zo, mauer01zl, mauer01zr, fenster01, mauer02,
    tuer,
    Schluessel, Schluessel2, Schluesselkaputt, Schluesselmos,
    krone, harfe, kerzstaender,
    Schwert, krug, axt, SternSchnuppe, kreuz,
    WolkeL, WolkeM, WolkeR,
    Schwarz, Schwarz2, Schwarz3, Schwarz4,
    gruenlinks, gruenrechts, gruenmitte, kette, metal, metalEL, metalER, kette2,
    seule, seulezo, seulezu, seulewaage,
    dachL, dachR, dach2L, dach2R, dach, dach2,
    altwand, altwandzl, altwandzr, altwandblut, flammhalter,
    altmauer, altmauerzl, altmauerzr, altmauerblut, altmauerrr, altmauerrl, altmauerfe,
    Count
};

constexpr std::size_t kImageCount = static_cast<std::size_t>(Img::Count);
static_assert(kImageCount == 102, "the game owns 102 images");

// One catalogue row: name (the file's base name) and size.
struct SpriteInfo {
    Img id;            // the image
    const char* name;  // base name of "sprites\<name>.bmp"
    int width;         // pixels
    int height;        // pixels
};

// The 102 rows in load order (the order of Img).
extern const SpriteInfo kSpriteCatalogue[kImageCount];

// The image whose base name is name, or Img::Count when there is none.
Img findImage(const char* name);

// The handles of the 102 images, indexed by Img; null before loadAllImages.
// Tests and benchmarks may put images of their own here.
std::array<Image*, kImageCount>& spriteImages();
// The image handle of a catalogue image.
Image* image(Img id);

// Creates all 102 images at their sizes, then loads each from its file.
// Writes: the catalogue's image handles.
void loadAllImages();
