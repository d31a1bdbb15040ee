// Sounds: a WAV file's claimed sizes are cut to what the file holds before
// any decoder sees it, and what is no WAV is refused.
#include "platform/wav_check.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

void putLe(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

std::uint32_t le32(const std::string& b, std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(b[at + static_cast<std::size_t>(i)]);
    return v;
}

// A 16-bit mono WAV whose data chunk claims `claimed` bytes and holds `held`.
std::string wav(std::uint32_t claimed, std::size_t held) {
    std::string w = "RIFF";
    putLe(w, static_cast<std::uint32_t>(36 + held), 4);
    w += "WAVEfmt ";
    putLe(w, 16, 4);
    putLe(w, 1, 2);      // PCM
    putLe(w, 1, 2);      // mono
    putLe(w, 22050, 4);  // rate
    putLe(w, 44100, 4);  // bytes per second
    putLe(w, 2, 2);      // block
    putLe(w, 16, 2);     // bits
    w += "data";
    putLe(w, claimed, 4);
    w.append(held, '\x10');
    return w;
}

TEST(WavCheck, AnHonestFileIsLeftAsItIsAndAHugeClaimIsCutToTheFile) {
    std::string honest = wav(4000, 4000);
    const std::string before = honest;
    EXPECT_TRUE(core::makeWavSizesHonest(honest));
    EXPECT_EQ(honest, before);

    std::string lying = wav(0xFFFFFFF0u, 4000);
    lying.replace(4, 4, std::string("\xF0\xFF\xFF\xFF", 4));  // the RIFF size lies as well
    EXPECT_TRUE(core::makeWavSizesHonest(lying));
    EXPECT_EQ(le32(lying, 40), 4000u) << "the data chunk now claims what the file holds";
    EXPECT_EQ(le32(lying, 4), lying.size() - 8);
}

TEST(WavCheck, WhatIsNoWaveWithFormatAndDataIsRefused) {
    std::string noData = wav(0, 0).substr(0, 36);
    std::string cutHeader = "RIFF\x10\0\0\0WAV";
    std::string other = wav(10, 10);
    other.replace(8, 4, "AVI ");
    std::string dataFirst = "RIFF";
    putLe(dataFirst, 12, 4);
    dataFirst += "WAVEdata";
    putLe(dataFirst, 0, 4);
    for (std::string* bytes : {&noData, &cutHeader, &other, &dataFirst}) {
        EXPECT_FALSE(core::makeWavSizesHonest(*bytes));
    }
    std::string empty;
    EXPECT_FALSE(core::makeWavSizesHonest(empty));
}

}  // namespace
