// install_shipped.cpp — installShippedFiles: the run folder's Data refreshed
// from the staged files by the programs' own rule (platform/game_folder.cpp).
// Writes: files below runData only.
#include "tools/levels/install_shipped.h"

#include "platform/game_folder.h"

#include <string>

void installShippedFiles(const std::filesystem::path& staging, const std::filesystem::path& runData, std::ostream& report) {
    for (const std::string& name : core::bringShippedFiles(staging, runData)) {
        report << "Data/" << name << " was changed in the run folder and is kept; the shipped copy is "
               << (staging / name).string() << "\n";
    }
}
