// The generated pictures: the programs' picture list's names, sizes and bit depth, what
// each drawing mode requires of the pixels, animation pairs that really
// move, and the game's own BMP loader reading back what was meant.
#include "tests/assets/generated_assets.h"

#include "platform/platform.h"
#include "tools/art/art_script.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>

namespace {

std::uint32_t le(const std::string& b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(b[at + std::size_t(i)]);
    return v;
}

// The picture as the game sees it: loaded by loadBmp from sprites\<name>.bmp
// into an image of the catalogue's size, colours without the alpha byte.
std::vector<Colour> loadAsGame(const PictureInfo& p) {
    Image* image = createImage(p.width, p.height);
    loadBmp(std::string("sprites\\") + p.name + ".bmp", image);
    std::vector<Colour> rgb;
    for (Colour c : image->pixels) rgb.push_back(c & 0x00FFFFFFu);
    destroyImage(image);
    return rgb;
}

class GeneratedPictures : public GeneratedAssetsTest {
protected:
    static const std::vector<Colour>& pixels(const PictureInfo& p) {
        auto it = cache_.find(p.name);
        if (it == cache_.end()) it = cache_.emplace(p.name, loadAsGame(p)).first;
        return it->second;
    }
    static const PictureInfo& find(const std::string& name) {
        for (const PictureInfo& p : kPictures)
            if (name == p.name) return p;
        throw std::runtime_error("not in the catalogue: " + name);
    }
    static void TearDownTestSuite() {
        cache_.clear();
        GeneratedAssetsTest::TearDownTestSuite();
    }
    static std::map<std::string, std::vector<Colour>> cache_;
};

std::map<std::string, std::vector<Colour>> GeneratedPictures::cache_;

TEST_F(GeneratedPictures, WritesExactlyTheCataloguePictures) {
    std::set<std::string> written(report_.pictures.begin(), report_.pictures.end());
    std::set<std::string> expected;
    for (const PictureInfo& p : kPictures) expected.insert(p.name);
    EXPECT_EQ(kPictureCount, 110u);
    EXPECT_EQ(written, expected);
    EXPECT_EQ(report_.pictures.size(), written.size()) << "a picture was written twice";
}

TEST_F(GeneratedPictures, EveryFileIsA32BitBottomUpBmpOfItsCatalogueSize) {
    for (const PictureInfo& p : kPictures) {
        SCOPED_TRACE(p.name);
        std::string b = scratch_->readFile(std::string("sprites/") + p.name + ".bmp");
        ASSERT_GE(b.size(), 54u);
        EXPECT_EQ(b.substr(0, 2), "BM");
        EXPECT_EQ(le(b, 2, 4), b.size());
        EXPECT_EQ(le(b, 10, 4), 54u);  // pixels right after the headers
        EXPECT_EQ(le(b, 14, 4), 40u);  // BITMAPINFOHEADER
        EXPECT_EQ(le(b, 18, 4), std::uint32_t(p.width));
        EXPECT_EQ(le(b, 22, 4), std::uint32_t(p.height));  // positive: bottom-up
        EXPECT_EQ(le(b, 26, 2), 1u);
        EXPECT_EQ(le(b, 28, 2), 32u);
        EXPECT_EQ(le(b, 30, 4), 0u);  // BI_RGB
        EXPECT_EQ(b.size(), 54u + std::size_t(p.width) * p.height * 4);
    }
}

TEST_F(GeneratedPictures, TheLoaderReadsBackWhatTheGeneratorDrew) {
    zlart::ArtSources sources = zlart::readArtSources(artFolder());
    zlart::ArtRenderer renderer(sources);
    for (const PictureInfo& p : kPictures) {
        SCOPED_TRACE(p.name);
        zlart::Canvas meant = renderer.render(p.name).canvas;
        ASSERT_EQ(meant.width, p.width);
        ASSERT_EQ(meant.height, p.height);
        const std::vector<Colour>& got = pixels(p);
        ASSERT_EQ(got.size(), meant.pixels.size());
        int wrong = 0;
        for (std::size_t i = 0; i < got.size(); ++i) wrong += got[i] != meant.pixels[i];
        EXPECT_EQ(wrong, 0) << "first pixel differs at index "
                            << (std::mismatch(got.begin(), got.end(), meant.pixels.begin()).first - got.begin());
    }
}

TEST_F(GeneratedPictures, MagentaOnlyInTheWizardAndTheWizardIsKeyedAroundHisFigure) {
    for (const PictureInfo& p : kPictures) {
        SCOPED_TRACE(p.name);
        const std::vector<Colour>& px = pixels(p);
        long keyed = std::count(px.begin(), px.end(), kKeyColour & 0x00FFFFFFu);
        if (p.drawn != DrawMode::Transparent) {
            EXPECT_EQ(keyed, 0) << "only the wizard pictures may hold the transparent colour";
            continue;
        }
        // The figure is surrounded by transparent pixels: the top-right and
        // top-left corners are keyed, and so is a good part of the picture,
        // but the figure itself fills a good part too.
        EXPECT_EQ(px[std::size_t(p.width - 1)], kKeyColour & 0x00FFFFFFu);
        EXPECT_EQ(px[0] == (kKeyColour & 0x00FFFFFFu) ||
                      px[std::size_t(p.width) * (p.height - 1)] == (kKeyColour & 0x00FFFFFFu),
                  true);
        EXPECT_GT(keyed, long(px.size()) / 4);
        EXPECT_LT(keyed, long(px.size()) * 3 / 4);
    }
}

TEST_F(GeneratedPictures, ShrunkenWizardsUseOnlyTheFullSizeColours) {
    const std::vector<Colour>& full = pixels(find("Zaub1"));
    std::set<Colour> palette(full.begin(), full.end());
    for (const char* n : {"Zaub37", "Zaub34", "Zaub31", "Zaub28", "Zaub24", "Zaub20", "Zaub15", "Zaub10"}) {
        SCOPED_TRACE(n);
        for (Colour c : pixels(find(n))) ASSERT_TRUE(palette.count(c)) << std::hex << c << " is blended";
    }
}

TEST_F(GeneratedPictures, ExclusiveOrPicturesHaveBlackCornersAndBrightFigures) {
    for (const PictureInfo& p : kPictures) {
        if (p.drawn != DrawMode::Xor) continue;
        SCOPED_TRACE(p.name);
        const std::vector<Colour>& px = pixels(p);
        int w = p.width, h = p.height;
        EXPECT_EQ(px[0], 0u);
        EXPECT_EQ(px[std::size_t(w - 1)], 0u);
        EXPECT_EQ(px[std::size_t(w) * (h - 1)], 0u);
        EXPECT_EQ(px[std::size_t(w) * h - 1], 0u);
        // Enough bright pixels that the creature shows over a dark floor.
        int bright = 0;
        for (Colour c : px) {
            int r = (c >> 16) & 0xFF, g = (c >> 8) & 0xFF, b = c & 0xFF;
            bright += std::max({r, g, b}) >= 0x80;
        }
        EXPECT_GT(bright, 150);
    }
}

TEST_F(GeneratedPictures, FloorsStayDarkSoExclusiveOrCreaturesKeepTheirColours) {
    for (const char* n : {"Schwarz", "Schwarz2", "Schwarz3", "Schwarz4"}) {
        SCOPED_TRACE(n);
        for (Colour c : pixels(find(n))) {
            ASSERT_LE((c >> 16) & 0xFF, 0x20u);
            ASSERT_LE((c >> 8) & 0xFF, 0x20u);
            ASSERT_LE(c & 0xFF, 0x28u);
        }
    }
}

TEST_F(GeneratedPictures, AnimationPairsMove) {
    for (const auto& [a, b] : animationPairs()) {
        SCOPED_TRACE(std::string(pictureInfo(a).name) + " / " + pictureInfo(b).name);
        const std::vector<Colour>& pa = pixels(pictureInfo(a));
        const std::vector<Colour>& pb = pixels(pictureInfo(b));
        int differing = 0;
        for (std::size_t i = 0; i < pa.size(); ++i) differing += pa[i] != pb[i];
        EXPECT_GE(differing, 40) << "the two frames must differ visibly";
    }
}

TEST_F(GeneratedPictures, BarriersTheEditorShowsAreAllDistinct) {
    const std::vector<std::string> families[] = {
        {"sperre", "sperre002", "sperre003", "sperre004"},
        {"sperre2", "sperre202", "sperre203", "sperre204"},
        {"sperreG", "sperreG2", "sperreG3"},
    };
    std::vector<std::string> all;
    for (const auto& f : families) all.insert(all.end(), f.begin(), f.end());
    for (std::size_t i = 0; i < all.size(); ++i)
        for (std::size_t j = i + 1; j < all.size(); ++j)
            EXPECT_NE(pixels(find(all[i])), pixels(find(all[j]))) << all[i] << " looks like " << all[j];
}

TEST_F(GeneratedPictures, EdgePiecesAndMirroredPiecesDifferFromTheirPartners) {
    // Edge pieces must not be copies of the plain wall, else walls cannot join.
    const char* groups[][2] = {{"mauer01", "mauer01zo"}, {"mauer01", "mauer01zu"},      {"mauer01zl", "mauer01zr"},
                               {"altwand", "altwandzl"}, {"altmauer", "altmauerzl"},    {"altmauerrl", "altmauerrr"},
                               {"dachL", "dachR"},       {"gruenlinks", "gruenrechts"}, {"metalEL", "metalER"},
                               {"WolkeL", "WolkeR"},     {"kette", "kette2"},           {"seule", "seulezo"}};
    for (const auto& g : groups) EXPECT_NE(pixels(find(g[0])), pixels(find(g[1]))) << g[0] << " vs " << g[1];
}

}  // namespace
