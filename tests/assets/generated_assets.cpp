#include "tests/assets/generated_assets.h"

std::unique_ptr<ScratchDir> GeneratedAssetsTest::scratch_;
zlart::BuildReport GeneratedAssetsTest::report_;

const std::vector<ExpectedPicture>& expectedPictures() {
    static const std::vector<ExpectedPicture> pictures = [] {
        std::vector<ExpectedPicture> v = {
            {"zk", 100, 40, Drawn::Opaque},
            {"titel", 250, 80, Drawn::Opaque},
            {"Zaub1", 40, 40, Drawn::Transparent},
            {"Zaub2", 40, 40, Drawn::Transparent},
            {"Zaub1L", 40, 40, Drawn::Transparent},
            {"Zaub2L", 40, 40, Drawn::Transparent},
            {"Zaub1R", 40, 40, Drawn::Transparent},
            {"Zaub2R", 40, 40, Drawn::Transparent},
            {"Zaub37", 37, 37, Drawn::Transparent},
            {"Zaub34", 34, 34, Drawn::Transparent},
            {"Zaub31", 31, 31, Drawn::Transparent},
            {"Zaub28", 28, 28, Drawn::Transparent},
            {"Zaub24", 24, 24, Drawn::Transparent},
            {"Zaub20", 20, 20, Drawn::Transparent},
            {"Zaub15", 15, 15, Drawn::Transparent},
            {"Zaub10", 10, 10, Drawn::Transparent},
            {"Schwein", 40, 40, Drawn::Xor},
            {"Schwein2", 40, 40, Drawn::Xor},
        };
        for (const char* n : {"SchweinTot", "putzenmanntot", "Augetot"}) v.push_back({n, 40, 40, Drawn::Opaque});
        for (const char* n : {"tot40", "tot41", "auge1", "auge2", "Splitter", "putzenmannL1", "putzenmannL2",
                              "putzenmannR1", "putzenmannR2"})
            v.push_back({n, 40, 40, Drawn::Xor});
        for (const char* n :
             {"sperre", "sperre2", "sperreG", "Flamm1", "Flamme1", "Flamm2", "Flamme2", "glut1", "glut2",
              "wasserfall", "wasserfall2", "welle1", "welle2", "schmauch1", "schmauch2", "mauer01", "mauer01zu",
              "mauer01zo", "mauer01zl", "mauer01zr", "fenster01", "mauer02", "tuer", "Schluessel", "Schluessel2",
              "Schluesselkaputt", "Schluesselmos", "krone", "harfe", "kerzstaender", "Schwert", "krug", "axt",
              "SternSchnuppe", "kreuz", "WolkeL", "WolkeM", "WolkeR", "Schwarz", "Schwarz2", "Schwarz3", "Schwarz4",
              "gruenlinks", "gruenrechts", "gruenmitte", "kette", "metal", "metalEL", "metalER", "kette2", "seule",
              "seulezo", "seulezu", "seulewaage", "dachL", "dachR", "dach2L", "dach2R", "dach", "dach2", "altwand",
              "altwandzl", "altwandzr", "altwandblut", "flammhalter", "altmauer", "altmauerzl", "altmauerzr",
              "altmauerblut", "altmauerrr", "altmauerrl", "altmauerfe",
              // the editor's own barrier pictures
              "sperre002", "sperre003", "sperre004", "sperreG2", "sperreG3", "sperre202", "sperre203", "sperre204"})
            v.push_back({n, 40, 40, Drawn::Opaque});
        return v;
    }();
    return pictures;
}

const std::vector<std::pair<const char*, const char*>>& animationPairs() {
    static const std::vector<std::pair<const char*, const char*>> pairs = {
        {"Zaub1", "Zaub2"},           {"Zaub1L", "Zaub2L"},           {"Zaub1R", "Zaub2R"},
        {"Schwein", "Schwein2"},      {"tot41", "tot40"},             {"auge2", "auge1"},
        {"putzenmannL2", "putzenmannL1"}, {"putzenmannR2", "putzenmannR1"}, {"Flamm1", "Flamm2"},
        {"Flamme1", "Flamme2"},       {"glut1", "glut2"},             {"wasserfall", "wasserfall2"},
        {"welle1", "welle2"},         {"schmauch1", "schmauch2"},
    };
    return pairs;
}

const std::vector<std::string>& expectedSounds() {
    static const std::vector<std::string> sounds = {"plop", "titelm", "tok",  "wszt",   "abzie",
                                                    "dazu", "Sterb",  "schnitt", "zisch"};
    return sounds;
}

std::string artFolder() {
    return std::string(ZL_SOURCE_DIR) + "/assets/art";
}

std::string soundFolder() {
    return std::string(ZL_SOURCE_DIR) + "/assets/sound";
}

void GeneratedAssetsTest::SetUpTestSuite() {
    scratch_ = std::make_unique<ScratchDir>();
    report_ = zlart::buildAssets(artFolder(), soundFolder(), scratch_->path().string());
}

void GeneratedAssetsTest::TearDownTestSuite() {
    scratch_.reset();
}
