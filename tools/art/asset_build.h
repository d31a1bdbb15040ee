// asset_build.h — turning the art and sound sources into the files the
// programs load: sprites/<name>.bmp and wave/<name>.wav below a run folder.
#pragma once

#include "tools/art/art_script.h"
#include "tools/art/sound_script.h"

#include <string>
#include <vector>

namespace zlart {

struct BuildReport {
    std::vector<std::string> pictures;  // base names written to sprites/
    std::vector<std::string> sounds;    // base names written to wave/
    double seconds = 0;                 // wall time of the whole run
};

// Reads every source below artFolder and soundFolder, renders and writes
// them into outFolder/sprites and outFolder/wave (created when missing).
// Fails with ArtError, naming file and line, on any fault in a source.
BuildReport buildAssets(const std::string& artFolder, const std::string& soundFolder, const std::string& outFolder);

}  // namespace zlart
