// test_files.h — the bytes of small BMP and WAV files that tests write, built
// field by field.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Appends value as `bytes` little-endian bytes.
void putLe(std::string& out, std::uint32_t value, int bytes);
// The `bytes` little-endian bytes of b from `at` as a number.
std::uint32_t readLe(const std::string& b, std::size_t at, int bytes);

// What a test BMP's 40-byte header says. The rows are given as they lie in
// the file, each padded to four bytes.
struct TestBmp {
    int width = 1;                         // pixels per row
    int height = 1;                        // rows; negative for top row first
    int bitsPerPixel = 24;                 // 1 .. 32
    std::uint32_t compression = 0;         // 0 uncompressed, 3 colour masks
    std::vector<std::uint32_t> palette{};  // colours after the header (their top byte is left out)
    std::vector<std::uint32_t> masks{};    // red, green, blue after the header
};
std::string bmpFile(const TestBmp& header, const std::string& rows);

// A PCM WAV: a format chunk, then a data chunk holding `samples` that claims
// `claimedBytes` (by default what it holds).
struct TestWav {
    int channels = 1;  // 1 or 2
    int rate = 22050;  // frames per second
    int bits = 16;     // 8 or 16
};
std::string wavFile(const TestWav& format, const std::string& samples,
                    std::optional<std::uint32_t> claimedBytes = std::nullopt);
