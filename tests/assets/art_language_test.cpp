// The description languages: a fault in a source is reported with its file
// and line instead of producing a broken picture, and no source, however
// damaged, crashes the generator or draws outside its picture.
#include "tools/art/art_error.h"
#include "tools/art/art_script.h"
#include "tools/art/sound_script.h"
#include "tools/art/text_source.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace {

zlart::ArtSources withPalette() {
    zlart::ArtSources s;
    s.palette = zlart::parsePalette("~ FF00FF key\n0 000000 black\nr FF0000 red\ng 00FF00 green\n", "palette.txt");
    return s;
}

// The message of the ArtError that rendering `text` raises; "" if none.
std::string renderError(const std::string& text, const std::string& picture) {
    try {
        zlart::ArtSources s = withPalette();
        zlart::parseArtText(text, "t.art", s);
        zlart::ArtRenderer r(s);
        r.render(picture);
    } catch (const zlart::ArtError& e) {
        return e.what();
    }
    return "";
}

TEST(ArtLanguage, FaultsNameFileAndLine) {
    EXPECT_NE(renderError("picture a 4 4 tile\n  fill r\n  blot 1 2\nend\n", "a").find("t.art:3: unknown command"),
              std::string::npos);
    EXPECT_NE(renderError("picture a 4 4 tile\n  fill q\nend\n", "a").find("t.art:2: colour 'q'"), std::string::npos);
    EXPECT_NE(renderError("picture a 4 4 tile\n  box 1 1 x 2 r\nend\n", "a").find("t.art:2:"), std::string::npos);
    EXPECT_NE(renderError("picture a 4 4 tile\n  fill r\n\n  pixels r 1\nend\n", "a").find("t.art:4: expected: pixels"),
              std::string::npos);
    EXPECT_NE(renderError("picture a 4 4 tile\n  fill r\n", "a").find("has no 'end'"), std::string::npos);
    EXPECT_NE(renderError("picture a 4 4 tile\nend\npicture a 4 4 tile\nend\n", "a").find("defined twice"),
              std::string::npos);
    EXPECT_NE(renderError("picture a 4 4 round\nend\n", "a").find("kind must be"), std::string::npos);
}

TEST(ArtLanguage, EachCommandTakesTheWordsItsUsageShows) {
    const struct {
        const char* command;
        bool accepted;
    } kCases[] = {
        {"layer\n  merge", true},          {"mirror 1", false},
        {"text 1 1 r \"a\"", true},        {"text 1 1 r \"a\" 2", true},
        {"text 1 1 r \"a\" 2 3", false},   {"speckle r 0.5 1", true},
        {"speckle r 0.5 1 0 0 4 4", true}, {"speckle r 0.5 1 0 0", false},
        {"lines r 0 0 3 3 1 1", true},     {"lines r 0 0 3 3 1", false},
        {"replace r g g", false},          {"replace r g g r", true},
    };
    for (const auto& c : kCases) {
        const std::string error = renderError(std::string("picture a 4 4 key\n  ") + c.command + "\nend\n", "a");
        EXPECT_EQ(error.find("expected:") == std::string::npos, c.accepted) << c.command << ": " << error;
    }
}

TEST(ArtLanguage, OnlyKeyPicturesMayHoldTheTransparentColour) {
    EXPECT_NE(renderError("picture a 4 4 tile\n  fill ~\nend\n", "a").find("transparent colour"), std::string::npos);
    EXPECT_NE(renderError("picture a 4 4 xor\n  pixels ~ 1 1\nend\n", "a").find("transparent colour"), std::string::npos);
    EXPECT_EQ(renderError("picture a 4 4 key\n  pixels r 1 1\nend\n", "a"), "");
}

TEST(ArtLanguage, PicturesThatReferToThemselvesOrToNothingAreRefused) {
    EXPECT_NE(
        renderError("picture a 4 4 tile\n  copy b\nend\npicture b 4 4 tile\n  paste a 0 0\nend\n", "a").find("refers to itself"),
        std::string::npos);
    EXPECT_NE(renderError("picture a 4 4 tile\n  copy nothing\nend\n", "a").find("no picture named"), std::string::npos);
    EXPECT_NE(renderError("picture a 4 4 tile\n  copy b\nend\npicture b 5 4 tile\nend\n", "a").find("same size"),
              std::string::npos);
}

TEST(ArtLanguage, DrawingBeyondThePictureIsClippedNotAFault) {
    zlart::ArtSources s = withPalette();
    zlart::parseArtText(
        "picture a 4 4 tile\n  box -100 -100 1000 3 r\n  disc 900 900 2000 g\n  line -50 2 50 2 r\n"
        "  poly r -9 -9 99 -9 99 99\n  shift 4001 -4001\n  noise 1 -50 -50 400 400 rg\n"
        "  bricks x=-40 w=400 bw=2 bh=2 mortar=0 colours=rg\n  stones rows=3,3 minw=3 maxw=3 mortar=0 colours=g\n"
        "end\n",
        "t.art", s);
    zlart::ArtRenderer r(s);
    zlart::Canvas c = r.render("a").canvas;
    EXPECT_EQ(c.width, 4);
    EXPECT_EQ(c.height, 4);
}

TEST(ArtLanguage, ScalingNeverBlendsKeyedEdges) {
    // A red square on magenta, shrunk to an odd size: every pixel is either
    // pure red or pure magenta.
    zlart::ArtSources s = withPalette();
    zlart::parseArtText("picture big 40 40 key\n  box 7 5 21 27 r\nend\npicture small 13 13 key\n  scale big\nend\n",
                        "t.art", s);
    zlart::ArtRenderer r(s);
    zlart::Canvas c = r.render("small").canvas;
    int red = 0;
    for (zlart::Rgb p : c.pixels) {
        ASSERT_TRUE(p == 0xFF0000u || p == 0xFF00FFu) << std::hex << p;
        red += p == 0xFF0000u;
    }
    EXPECT_GT(red, 20);
}

TEST(ArtLanguage, SizesOutsideTheLimitsAreRefused) {
    EXPECT_NE(renderError("picture a 0 4 tile\nend\n", "a").find("size must be"), std::string::npos);
    EXPECT_NE(renderError("picture a 4 99999 tile\nend\n", "a").find("size must be"), std::string::npos);
}

std::string soundError(const std::string& text) {
    try {
        zlart::SoundDef d = zlart::parseSound(text, "s.snd", "s");
        zlart::synthesise(d);
    } catch (const zlart::ArtError& e) {
        return e.what();
    }
    return "";
}

TEST(SoundLanguage, FaultsNameFileAndLine) {
    EXPECT_NE(soundError("tone dur=0.1\n").find("needs a length"), std::string::npos);
    EXPECT_NE(soundError("length 0.1\ntone at=0 dur=0.5\n").find("after the length"), std::string::npos);
    EXPECT_NE(soundError("length 0.1\ntone wave=organ\n").find("s.snd:2: wave must be"), std::string::npos);
    EXPECT_NE(soundError("length 0.1\n\nmelody notes=\"H5\"\n").find("s.snd:3: bad note"), std::string::npos);
    EXPECT_NE(soundError("length 0.1\ntone f=0\n").find("f must be"), std::string::npos);
    EXPECT_NE(soundError("length 99\n").find("length must be"), std::string::npos);
    EXPECT_NE(soundError("length 0.1\ntone colour=red\n").find("unknown option 'colour'"), std::string::npos);
}

TEST(SoundLanguage, NotesAndLengthsComeOutAsWritten) {
    EXPECT_DOUBLE_EQ(zlart::noteFrequency("A4", "s", 1), 440.0);
    EXPECT_NEAR(zlart::noteFrequency("C5", "s", 1), 523.251, 0.001);
    EXPECT_NEAR(zlart::noteFrequency("G#5", "s", 1), zlart::noteFrequency("Ab5", "s", 1), 1e-9);
    zlart::SoundDef d = zlart::parseSound("length 0.5\nmelody bpm=120 notes=\"A4 r:0.5\"\n", "s.snd", "s");
    ASSERT_EQ(d.voices.size(), 1u);  // the rest makes no voice
    EXPECT_EQ(d.sampleCount(), 11025);
    std::vector<std::int16_t> pcm = zlart::synthesise(d);
    ASSERT_EQ(pcm.size(), 11025u);
    // The note sounds for its first beat (0.5 s at 120 bpm, held 90 %), then silence.
    int loudEarly = 0, loudLate = 0;
    for (std::size_t i = 1000; i < 9000; ++i) loudEarly += std::abs(int(pcm[i])) > 1000;
    for (std::size_t i = 10000; i < pcm.size(); ++i) loudLate += std::abs(int(pcm[i])) > 0;
    EXPECT_GT(loudEarly, 4000);
    EXPECT_EQ(loudLate, 0);
}

}  // namespace

namespace {

// Damaged copies of the real sources: each either renders or is refused
// with an ArtError; none may crash (the sanitizer build watches memory).
TEST(ArtLanguage, DamagedSourcesAreRefusedOrRenderedNeverCrash) {
    namespace fs = std::filesystem;
    std::string folder = std::string(ZL_SOURCE_DIR) + "/assets/art";
    std::vector<std::pair<std::string, std::string>> files;
    for (const auto& e : fs::directory_iterator(folder))
        if (e.path().extension() == ".art")
            files.emplace_back(e.path().filename().string(), zlart::readTextFile(e.path().string()));
    std::sort(files.begin(), files.end());
    ASSERT_FALSE(files.empty());
    const std::string junk = "0123456789-.~\"# \nxyzpicture end grid endgrid layer merge";
    std::uint32_t seed = 12345;
    auto next = [&seed]() { return seed = seed * 1664525u + 1013904223u; };
    int refused = 0, rendered = 0;
    for (int round = 0; round < 60; ++round) {
        std::size_t victim = next() % files.size();
        zlart::ArtSources s;
        s.palette = zlart::readPalette(folder + "/palette.txt");
        try {
            for (std::size_t f = 0; f < files.size(); ++f) {
                std::string text = files[f].second;
                if (f == victim) {
                    for (int hits = 0; hits < 3; ++hits) text[next() % text.size()] = junk[next() % junk.size()];
                    if (round % 5 == 0) text.resize(next() % text.size());
                }
                zlart::parseArtText(text, files[f].first, s);
            }
            zlart::ArtRenderer r(s);
            for (const zlart::PictureDef& d : s.pictures)
                if (d.file == files[victim].first) r.render(d.name);
            ++rendered;
        } catch (const zlart::ArtError&) {
            ++refused;
        }
    }
    EXPECT_EQ(refused + rendered, 60);
    EXPECT_GT(refused, 0);
}

TEST(SoundLanguage, DamagedSourcesAreRefusedOrRenderedNeverCrash) {
    const std::string
        base = "length 0.3\npeak 0.8\ntone at=0 dur=0.2 wave=saw f=600:1400 curve=exp vol=0.8 vib=14:1.5 lp=3500\n"
               "melody at=0 bpm=300 wave=square duty=0.25 notes=\"C5:0.5 E5:0.5 r:0.25 G5\"\n";
    const std::string junk = "0123456789-.:=\" \nabcrz#";
    std::uint32_t seed = 777;
    auto next = [&seed]() { return seed = seed * 1664525u + 1013904223u; };
    for (int round = 0; round < 200; ++round) {
        std::string text = base;
        for (int hits = 0; hits < 2; ++hits) text[next() % text.size()] = junk[next() % junk.size()];
        try {
            zlart::SoundDef d = zlart::parseSound(text, "s.snd", "s");
            std::vector<std::int16_t> pcm = zlart::synthesise(d);
            EXPECT_EQ(pcm.size(), std::size_t(d.sampleCount()));
        } catch (const zlart::ArtError&) {
        }
    }
}

}  // namespace
