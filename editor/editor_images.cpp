// editor_images.cpp — the editor's images, loaded once at start-up and kept
// to the end of the run. Eight of them (the numbered barriers) only the
// editor loads: the game draws those codes with the plain barrier images.
//
// Writes: the image handles it owns (nothing of the record).
#include "editor/drawing.h"

#include "platform/platform.h"

#include <string>

namespace {

std::array<Image*, kEditorImageCount> images{};

}  // namespace

void createEditorImages() {
    for (std::size_t i = 0; i < kEditorImageCount; ++i) {
        const PictureInfo& p = pictureInfo(kEditorPictures[i]);
        if (images[i] == nullptr) images[i] = createImage(p.width, p.height);
    }
}

void loadEditorImages() {
    // All are created first, then loaded: a missing file leaves its image in
    // the key colour, drawn as a magenta square.
    createEditorImages();
    for (std::size_t i = 0; i < kEditorImageCount; ++i) {
        loadBmp(std::string("sprites\\") + pictureInfo(kEditorPictures[i]).name + ".bmp", images[i]);
    }
}

std::array<Image*, kEditorImageCount>& editorImages() { return images; }

Image* editorImage(EdImg id) { return images[static_cast<std::size_t>(id)]; }
