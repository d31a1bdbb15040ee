// bmp_loader.cpp — loadBmp: a BMP file into an existing image.
// Writes: the pixels of the image it is given, nothing else.
//
// The path is turned into the host's as every file's is (host_paths.h); the
// file is read whole and decoded by decodeBmp (bmp_decoder.cpp), which
// needs no host library, so every backend shares this code. The image keeps
// its size: the bitmap is cut to it, or fills only its top-left corner. A
// file that cannot be read or decoded leaves the image as it was.
#include "platform/bmp_decoder.h"
#include "platform/host_paths.h"
#include "platform/platform.h"
#include "platform/regular_file.h"

#include <cstddef>
#include <string>

namespace {

// Larger files are refused unread.
constexpr std::size_t kMaxFileBytes = 64u << 20;

}  // namespace

void loadBmp(const std::string& path, Image* image) {
    if (!image || image->width <= 0 || image->height <= 0) return;
    const std::string hostPath = core::hostPath(path);
    std::string bytes;
    if (hostPath.empty() ||
        core::readRegularFile(hostPath, kMaxFileBytes, core::Oversize::Refuse, bytes) != core::ReadResult::Read)
        return;
    core::decodeBmp(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), image);
}
