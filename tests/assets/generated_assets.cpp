#include "tests/assets/generated_assets.h"

#include "common/tile_codes.h"

std::unique_ptr<ScratchDir> GeneratedAssetsTest::scratch_;
zlart::BuildReport GeneratedAssetsTest::report_;

const std::vector<std::pair<Picture, Picture>>& animationPairs() {
    static const std::vector<std::pair<Picture, Picture>> pairs = [] {
        using P = Picture;
        std::vector<std::pair<Picture, Picture>> v = {
            {P::Zaub1, P::Zaub2},
            {P::Zaub1L, P::Zaub2L},
            {P::Zaub1R, P::Zaub2R},
            {P::Schwein, P::Schwein2},
            {P::tot41, P::tot40},
            {P::auge2, P::auge1},
            {P::putzenmannL2, P::putzenmannL1},
            {P::putzenmannR2, P::putzenmannR1},
        };
        for (std::size_t i = 0; i < kTileTableSize; ++i)
            if (kTileTable[i].image2 != kNoPicture) v.emplace_back(kTileTable[i].image, kTileTable[i].image2);
        return v;
    }();
    return pairs;
}

const std::vector<std::string>& expectedSounds() {
    static const std::vector<std::string> sounds = {"plop", "titelm", "tok",     "wszt", "abzie",
                                                    "dazu", "Sterb",  "schnitt", "zisch"};
    return sounds;
}

std::string artFolder() { return std::string(ZL_SOURCE_DIR) + "/assets/art"; }

std::string soundFolder() { return std::string(ZL_SOURCE_DIR) + "/assets/sound"; }

void GeneratedAssetsTest::SetUpTestSuite() {
    scratch_ = std::make_unique<ScratchDir>();
    report_ = zlart::buildAssets(artFolder(), soundFolder(), scratch_->path().string());
}

void GeneratedAssetsTest::TearDownTestSuite() { scratch_.reset(); }
