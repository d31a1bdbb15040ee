// wav_fuzz.cpp — any bytes as a sound file, through the check every sound
// passes before the decoder sees it. A file it accepts is a RIFF/WAVE file
// whose every claimed size (the RIFF size, each chunk's) fits in the bytes
// there are, with a "fmt " and a "data" chunk; the check never changes the
// file's length.
#include "platform/wav_check.h"
#include "tools/fuzz/fuzz_support.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

std::uint32_t le32(const std::string& b, std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(b[at + static_cast<std::size_t>(i)]);
    return v;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    if (!core::makeWavSizesHonest(bytes)) return 0;
    fuzz::require(bytes.size() == size, "the length changed");
    fuzz::require(size >= 12 && bytes.compare(0, 4, "RIFF") == 0 && bytes.compare(8, 4, "WAVE") == 0, "no RIFF/WAVE");
    fuzz::require(le32(bytes, 4) <= size - 8, "the RIFF size claims more than the file");
    bool format = false;
    bool samples = false;
    for (std::size_t at = 12; at + 8 <= size;) {
        const std::uint32_t claimed = le32(bytes, at + 4);
        fuzz::require(claimed <= size - at - 8, "a chunk claims more than the file holds");
        format = format || bytes.compare(at, 4, "fmt ") == 0;
        samples = samples || bytes.compare(at, 4, "data") == 0;
        at += 8 + claimed + (claimed & 1u);
    }
    fuzz::require(format && samples, "accepted without fmt and data");
    return 0;
}
