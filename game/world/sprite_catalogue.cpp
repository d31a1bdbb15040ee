// sprite_catalogue.cpp — the catalogue of the game's images and their
// loading at start-up.
//
// Writes: the image handles it owns (nothing of World).
#include "game/world/sprite_catalogue.h"

#include "platform/platform.h"

#include <cstring>
#include <string>

const SpriteInfo kSpriteCatalogue[kImageCount] = {
#define GAME_PICTURE(name, width, height, ...) {Img::name, #name, width, height},
#define SHARED_PICTURE(name, width, height, ...) {Img::name, #name, width, height},
#include "common/pictures.def"
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
