// bmp_decoder.h — the bytes of a BMP file into an image (internal to
// platform/). Pure: no files, no host library, so every backend shares it.
#pragma once

#include "platform/platform.h"

#include <cstddef>

namespace core {

// Decodes the bitmap in data[0, size) into image, row by row from its
// top-left corner, cut to the smaller of the two. Read: uncompressed
// palette bitmaps of 1, 2, 4 and 8 bits, 16, 24 and 32 bits with the
// default layout or colour masks, bottom-up and top-down, with the 40-byte
// header, its longer successors or the old 12-byte one. The file's alpha is
// ignored and every decoded pixel is opaque. False, leaving the image as it
// was, for anything else or a bitmap whose header the bytes do not bear out.
bool decodeBmp(const unsigned char* data, std::size_t size, Image* image);

}  // namespace core
