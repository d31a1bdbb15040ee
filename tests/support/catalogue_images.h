// catalogue_images.h — the game's catalogue images for a test: created at
// their sizes into spriteImages(), and freed again. Header-only, since it
// stands on the game's sprite catalogue, which not every test program links.
#pragma once

#include "game/world/sprite_catalogue.h"
#include "platform/platform.h"

#include <algorithm>

// The colour painted images are filled with, one per image id (never the key
// colour, never black), so that a test can tell from a pixel which image was
// drawn where.
inline Colour fixtureColour(Img id) {
    const auto n = static_cast<unsigned>(id) + 1;
    return 0xFF000000u | ((n * 37u) & 0xFFu) << 16 | ((n * 91u + 40u) & 0xFFu) << 8 | ((n * 53u + 7u) & 0xFFu);
}

// What createCatalogueImages fills the images with.
enum class ImageFill {
    New,      // as createImage leaves them
    Painted,  // each in its fixtureColour
};

inline void createCatalogueImages(ImageFill fill) {
    for (const SpriteInfo& s : kSpriteCatalogue) {
        Image* img = createImage(s.width, s.height);
        if (fill == ImageFill::Painted) std::fill(img->pixels.begin(), img->pixels.end(), fixtureColour(s.id));
        spriteImages()[static_cast<std::size_t>(s.id)] = img;
    }
}

// Frees whatever spriteImages() holds (the fixture's or the game's own).
inline void destroyCatalogueImages() {
    for (Image*& img : spriteImages()) {
        destroyImage(img);
        img = nullptr;
    }
}
