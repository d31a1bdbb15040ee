// The generated sounds: valid RIFF files in the one format, of the length
// their description asks for, audible, and starting and ending silent.
#include "tests/assets/generated_assets.h"

#include "tools/art/sound_script.h"
#include "tools/art/text_source.h"

#include <algorithm>
#include <cstdint>
#include <set>

namespace {

std::uint32_t le(const std::string& b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(b[at + std::size_t(i)]);
    return v;
}

std::int16_t sample(const std::string& b, std::size_t index) {
    return static_cast<std::int16_t>(le(b, 44 + 2 * index, 2));
}

class GeneratedSounds : public GeneratedAssetsTest {};

TEST_F(GeneratedSounds, WritesTheNineSounds) {
    std::set<std::string> written(report_.sounds.begin(), report_.sounds.end());
    std::set<std::string> expected(expectedSounds().begin(), expectedSounds().end());
    EXPECT_EQ(written, expected);
}

TEST_F(GeneratedSounds, EveryFileIs16BitMonoPcmAt22050AndAsLongAsDescribed) {
    for (const std::string& name : expectedSounds()) {
        SCOPED_TRACE(name);
        std::string b = scratch_->readFile("wave/" + name + ".wav");
        ASSERT_GE(b.size(), 44u);
        EXPECT_EQ(b.substr(0, 4), "RIFF");
        EXPECT_EQ(le(b, 4, 4), b.size() - 8);
        EXPECT_EQ(b.substr(8, 4), "WAVE");
        EXPECT_EQ(b.substr(12, 4), "fmt ");
        EXPECT_EQ(le(b, 16, 4), 16u);
        EXPECT_EQ(le(b, 20, 2), 1u);  // PCM
        EXPECT_EQ(le(b, 22, 2), 1u);  // mono
        EXPECT_EQ(le(b, 24, 4), 22050u);
        EXPECT_EQ(le(b, 28, 4), 44100u);  // bytes per second
        EXPECT_EQ(le(b, 32, 2), 2u);      // bytes per sample frame
        EXPECT_EQ(le(b, 34, 2), 16u);
        EXPECT_EQ(b.substr(36, 4), "data");
        ASSERT_EQ(le(b, 40, 4), b.size() - 44);

        zlart::SoundDef def = zlart::parseSound(zlart::readTextFile(soundFolder() + "/" + name + ".snd"), name + ".snd",
                                                name);
        std::size_t samples = (b.size() - 44) / 2;
        EXPECT_EQ(samples, std::size_t(def.sampleCount()));
        double seconds = double(samples) / 22050;
        if (name == "titelm") {
            EXPECT_GE(seconds, 5.0);
            EXPECT_LE(seconds, 30.0);
        } else {
            EXPECT_GT(seconds, 0.05);
            EXPECT_LE(seconds, 1.0) << "effects stay short";
        }
    }
}

TEST_F(GeneratedSounds, SoundsAreAudibleAndFadeInAndOut) {
    for (const std::string& name : expectedSounds()) {
        SCOPED_TRACE(name);
        std::string b = scratch_->readFile("wave/" + name + ".wav");
        std::size_t n = (b.size() - 44) / 2;
        ASSERT_GT(n, 100u);
        int peak = 0;
        for (std::size_t i = 0; i < n; ++i) peak = std::max(peak, std::abs(int(sample(b, i))));
        EXPECT_GT(peak, 8000) << "too quiet";
        EXPECT_LT(peak, 32767) << "clipped";
        // No click at either end: the first and last samples are (near) zero.
        EXPECT_LE(std::abs(int(sample(b, 0))), 64);
        EXPECT_LE(std::abs(int(sample(b, n - 1))), 64);
    }
}

}  // namespace
