// test_files.cpp — BMP and WAV bytes for tests. No state.
#include "tests/support/test_files.h"

void putLe(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

std::uint32_t readLe(const std::string& b, std::size_t at, int bytes) {
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(b[at + static_cast<std::size_t>(i)]);
    return value;
}

std::string bmpFile(const TestBmp& header, const std::string& rows) {
    std::string extra;
    for (std::uint32_t mask : header.masks) putLe(extra, mask, 4);
    for (std::uint32_t colour : header.palette) putLe(extra, colour & 0xFFFFFFu, 4);
    const auto offset = static_cast<std::uint32_t>(14 + 40 + extra.size());
    std::string out = "BM";
    putLe(out, offset + static_cast<std::uint32_t>(rows.size()), 4);
    putLe(out, 0, 4);
    putLe(out, offset, 4);
    putLe(out, 40, 4);
    putLe(out, static_cast<std::uint32_t>(header.width), 4);
    putLe(out, static_cast<std::uint32_t>(header.height), 4);
    putLe(out, 1, 2);  // planes
    putLe(out, static_cast<std::uint32_t>(header.bitsPerPixel), 2);
    putLe(out, header.compression, 4);
    putLe(out, static_cast<std::uint32_t>(rows.size()), 4);
    putLe(out, 2835, 4);  // 72 dpi
    putLe(out, 2835, 4);
    putLe(out, static_cast<std::uint32_t>(header.palette.size()), 4);
    putLe(out, 0, 4);
    return out + extra + rows;
}

std::string wavFile(const TestWav& format, const std::string& samples, std::optional<std::uint32_t> claimedBytes) {
    const auto block = static_cast<std::uint32_t>(format.channels * format.bits / 8);
    std::string out = "RIFF";
    putLe(out, 36 + static_cast<std::uint32_t>(samples.size()), 4);
    out += "WAVEfmt ";
    putLe(out, 16, 4);
    putLe(out, 1, 2);  // PCM
    putLe(out, static_cast<std::uint32_t>(format.channels), 2);
    putLe(out, static_cast<std::uint32_t>(format.rate), 4);
    putLe(out, static_cast<std::uint32_t>(format.rate) * block, 4);
    putLe(out, block, 2);
    putLe(out, static_cast<std::uint32_t>(format.bits), 2);
    out += "data";
    putLe(out, claimedBytes.value_or(static_cast<std::uint32_t>(samples.size())), 4);
    return out + samples;
}
