// Sounds: a WAV file's claimed sizes are cut to what the file holds before
// any decoder sees it, and what is no WAV is refused.
#include "platform/wav_check.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

// A 16-bit mono WAV whose data chunk claims `claimed` bytes and holds `held`.
std::string wav(std::uint32_t claimed, std::size_t held) { return wavFile({}, std::string(held, '\x10'), claimed); }

TEST(WavCheck, AnHonestFileIsLeftAsItIsAndAHugeClaimIsCutToTheFile) {
    std::string honest = wav(4000, 4000);
    const std::string before = honest;
    EXPECT_TRUE(core::makeWavSizesHonest(honest));
    EXPECT_EQ(honest, before);

    std::string lying = wav(0xFFFFFFF0u, 4000);
    lying.replace(4, 4, std::string("\xF0\xFF\xFF\xFF", 4));  // the RIFF size lies as well
    EXPECT_TRUE(core::makeWavSizesHonest(lying));
    EXPECT_EQ(readLe(lying, 40, 4), 4000u) << "the data chunk now claims what the file holds";
    EXPECT_EQ(readLe(lying, 4, 4), lying.size() - 8);
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
