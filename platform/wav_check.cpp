// wav_check.cpp — cutting a WAV file's claimed sizes to its real length.
#include "platform/wav_check.h"

#include <cstddef>
#include <cstdint>

namespace core {

namespace {

constexpr std::size_t kRiffHeader = 12;  // "RIFF", size, "WAVE"
constexpr std::size_t kChunkHeader = 8;  // id, size

std::uint32_t readLe32(const std::string& b, std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}

void writeLe32(std::string& b, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) b[at + static_cast<std::size_t>(i)] = static_cast<char>(value >> (8 * i) & 0xFF);
}

}  // namespace

bool makeWavSizesHonest(std::string& bytes) {
    if (bytes.size() < kRiffHeader || bytes.size() > 0xFFFFFFFFu || bytes.compare(0, 4, "RIFF") != 0 ||
        bytes.compare(8, 4, "WAVE") != 0)
        return false;
    const std::size_t riffSize = bytes.size() - kChunkHeader;
    if (readLe32(bytes, 4) > riffSize) writeLe32(bytes, 4, static_cast<std::uint32_t>(riffSize));

    bool format = false;
    bool data = false;
    std::size_t at = kRiffHeader;
    while (at + kChunkHeader <= bytes.size()) {
        const std::size_t left = bytes.size() - at - kChunkHeader;
        std::size_t size = readLe32(bytes, at + 4);
        if (size > left) {
            size = left;
            writeLe32(bytes, at + 4, static_cast<std::uint32_t>(size));
        }
        if (bytes.compare(at, 4, "fmt ") == 0) format = true;
        if (bytes.compare(at, 4, "data") == 0) data = format;  // data before its format is no sound
        at += kChunkHeader + size + (size & 1);                // chunks are padded to even sizes
    }
    return format && data;
}

}  // namespace core
