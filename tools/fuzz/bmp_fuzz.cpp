// bmp_fuzz.cpp — any bytes as a picture file, loaded by loadBmp into an
// image of one of the programs' sizes (the first byte picks it). The image
// keeps its size and its pixel count, and every pixel is opaque: either as
// created (magenta) or loaded, never a stray alpha.
#include "platform/platform.h"
#include "tools/fuzz/fuzz_support.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

struct Size {
    int width;
    int height;
};
constexpr Size kSizes[] = {{40, 40}, {10, 10}, {1, 1}, {80, 60}};
constexpr std::size_t kSizeCount = sizeof kSizes / sizeof kSizes[0];
Image* images[kSizeCount];

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    for (std::size_t i = 0; i < kSizeCount; ++i) images[i] = createImage(kSizes[i].width, kSizes[i].height);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::size_t pick = data[0] % kSizeCount;
    Image* image = images[pick];
    std::fill(image->pixels.begin(), image->pixels.end(), kNewImageColour);
    fuzz::putFile("sprites/bild.bmp", std::string(reinterpret_cast<const char*>(data + 1), size - 1));
    loadBmp("sprites\\bild.bmp", image);
    fuzz::require(image->width == kSizes[pick].width && image->height == kSizes[pick].height, "the image changed size");
    fuzz::require(image->pixels.size() == static_cast<std::size_t>(image->width) * static_cast<std::size_t>(image->height),
                  "the pixel count changed");
    for (Colour c : image->pixels) fuzz::require(c >> 24 == 0xFFu, "a pixel is not opaque");
    return 0;
}
