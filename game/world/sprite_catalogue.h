// sprite_catalogue.h — the images of the game, by name, in load order.
//
// An image is named by the base name of its file: Img::Zaub1 is loaded from
// "sprites\Zaub1.bmp". The catalogue owns the image handles, one per entry,
// from loadAllImages to the end of the run.
#pragma once

#include "common/pictures.h"

#include <array>
#include <cstddef>

struct Image;

// The game's pictures (common/pictures.def), with the same numbers as
// Picture: the game's pictures are the list's first rows.
enum class Img : int {
#define GAME_PICTURE(name, ...) name,
#define SHARED_PICTURE(name, ...) name,
#include "common/pictures.def"
    Count
};

constexpr std::size_t kImageCount = static_cast<std::size_t>(Img::Count);
static_assert(kImageCount == kGamePictureCount);

// The game's image of a picture; Img::Count for kNoPicture and for the
// pictures only the editor loads.
constexpr Img gameImage(Picture p) {
    return static_cast<std::size_t>(p) < kImageCount ? static_cast<Img>(p) : Img::Count;
}

// One catalogue row: name (the file's base name) and size.
struct SpriteInfo {
    Img id;            // the image
    const char* name;  // base name of "sprites\<name>.bmp"
    int width;         // pixels
    int height;        // pixels
};

// Its rows in load order (the order of Img).
extern const SpriteInfo kSpriteCatalogue[kImageCount];

// The image whose base name is name, or Img::Count when there is none.
Img findImage(const char* name);

// The handles of the images, indexed by Img; null before loadAllImages.
// Tests and benchmarks may put images of their own here.
std::array<Image*, kImageCount>& spriteImages();
// The image handle of a catalogue image.
Image* image(Img id);

// Creates all images at their sizes, then loads each from its file.
// Writes: the catalogue's image handles.
void loadAllImages();
