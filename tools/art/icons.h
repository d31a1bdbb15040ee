// icons.h — the desktop icons, drawn from the wizard picture: square
// pictures with real transparency in the usual sizes, written as PNG.
#pragma once

#include "tools/art/art_script.h"
#include "tools/art/canvas.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zlart {

// A square picture with alpha: 0xAARRGGBB, row-major, top row first.
struct IconPicture {
    int size = 0;
    std::vector<std::uint32_t> pixels;  // size * size
};

// The sizes a desktop looks for (share/icons/hicolor/<n>x<n>/apps); 192 and
// 512 are also the browser edition's app icons, 32 its page icon (web/).
inline const std::vector<int> kIconSizes = {16, 32, 48, 64, 128, 192, 256, 512};

// A square picture as icon: the key colour becomes transparent, every other
// pixel opaque. A non-square picture is centred on a transparent square.
IconPicture iconFromCanvas(const Canvas& picture, Rgb key);
// Scales to size x size. Where whole-pixel enlarging fills at least four
// fifths of the square, each pixel becomes a k x k block, centred: the pixel
// art stays sharp (48, 128, 256 from 40). Otherwise the picture is enlarged
// by the smallest whole factor that reaches the size and then averaged down
// by area, with the colours weighted by their opacity, so no key colour
// bleeds into the edges. An empty source or a size below 1 gives an empty
// picture.
IconPicture scaleIcon(const IconPicture& source, int size);
// The two icons: the wizard alone (the game) and the wizard on a floor cell
// inside the editor's white cursor frame (the editor).
IconPicture gameIcon(ArtRenderer& art);
IconPicture editorIcon(ArtRenderer& art);
// Writes an 8-bit RGBA PNG; fails with ArtError when it cannot.
void writeIconPng(const IconPicture& icon, const std::string& path);

}  // namespace zlart
