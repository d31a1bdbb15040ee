// asset_build.cpp — the whole generator run.
#include "tools/art/asset_build.h"

#include "tools/art/art_error.h"
#include "tools/image/image_files.h"

#include <chrono>
#include <filesystem>

namespace zlart {

namespace fs = std::filesystem;

BuildReport buildAssets(const std::string& artFolder, const std::string& soundFolder, const std::string& outFolder) {
    auto start = std::chrono::steady_clock::now();
    BuildReport report;
    ArtSources art = readArtSources(artFolder);
    std::vector<SoundDef> sounds = readSoundSources(soundFolder, nullptr);

    fs::path sprites = fs::path(outFolder) / "sprites", wave = fs::path(outFolder) / "wave";
    std::error_code ec;
    fs::create_directories(sprites, ec);
    fs::create_directories(wave, ec);
    if (!fs::is_directory(sprites) || !fs::is_directory(wave))
        throw ArtError(outFolder + ": cannot create sprites/ and wave/");

    ArtRenderer renderer(art);
    for (const RenderedPicture& p : renderer.renderAll()) {
        const std::string path = (sprites / (p.name + ".bmp")).string();
        if (!imagefile::writeBmp(p.canvas, path)) throw ArtError(path + ": cannot be written");
        report.pictures.push_back(p.name);
    }
    for (const SoundDef& s : sounds) {
        const std::string path = (wave / (s.name + ".wav")).string();
        if (!imagefile::writeFileBytes(path, encodeWav(synthesise(s)))) throw ArtError(path + ": cannot be written");
        report.sounds.push_back(s.name);
    }
    report.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return report;
}

}  // namespace zlart
