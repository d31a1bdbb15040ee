// image_files.h — writing pictures as BMP (for the game) and PNG (to look
// at). The one place the tools, the screenshots and the tests write images.
//
// Every writer builds the whole file in memory and replaces the old file with
// it as every file of ours is replaced (platform/file_replace.h: a scratch
// file beside it, synced, renamed), so that a failed write leaves the
// previous file as it was. Each returns false on failure.
#pragma once

#include "tools/image/canvas.h"

#include <string>
#include <vector>

namespace imagefile {

// The bytes of an uncompressed bottom-up BMP with the 40-byte header:
// 32 bits (blue, green, red, 0) or 24 bits (blue, green, red) per pixel.
std::vector<unsigned char> encodeBmp(const Canvas& canvas, int bitsPerPixel = 32);

// What a PNG keeps of each colour.
enum class Alpha {
    Drop,  // red, green, blue
    Keep,  // and the top byte as alpha
};
// The bytes of an 8-bit PNG; empty if the canvas is empty or libpng fails.
std::vector<unsigned char> encodePng(const Canvas& canvas, Alpha alpha = Alpha::Drop);

// Replaces the file at path with bytes.
bool writeFileBytes(const std::string& path, const std::vector<unsigned char>& bytes);
bool writeBmp(const Canvas& canvas, const std::string& path, int bitsPerPixel = 32);
bool writePng(const Canvas& canvas, const std::string& path, Alpha alpha = Alpha::Drop);

}  // namespace imagefile
