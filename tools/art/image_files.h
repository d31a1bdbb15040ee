// image_files.h — writing pictures as BMP (for the game) and PNG (for docs).
#pragma once

#include "tools/art/canvas.h"

#include <string>
#include <vector>

namespace zlart {

// The bytes of a 32-bit BI_RGB bottom-up BMP: BITMAPFILEHEADER, a 40-byte
// BITMAPINFOHEADER and the pixels as B, G, R, 0.
std::vector<unsigned char> encodeBmp(const Canvas& c);
// Writes a file; fails with ArtError when it cannot.
void writeFileBytes(const std::string& path, const std::vector<unsigned char>& bytes);
// Writes an 8-bit RGB PNG; fails with ArtError when it cannot.
void writePng(const Canvas& c, const std::string& path);
// Writes width x height pixels, rows top first, as R, G, B (and A when
// alpha) bytes each, as an 8-bit PNG; fails with ArtError when it cannot.
void writePngPixels(const std::string& path, int width, int height, bool alpha,
                    const std::vector<unsigned char>& pixels);

}  // namespace zlart
