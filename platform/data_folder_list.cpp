// data_folder_list.cpp — which files the folder Data holds, for a program
// that offers them by name (the editor's load dialog).
//
// Only regular files directly in Data are listed, hidden ones (a leading
// dot: the scratch files of unfinished writes, the copies of shipped files)
// left out. A file is marked as shipped when it equals its copy in
// Data/.shipped, the rule by which installing tells the installation's files
// from the player's (game_folder.cpp): a shipped labyrinth the player has
// changed is the player's. Nothing else is read, so a damaged file costs
// nothing here.
#include "platform/game_folder.h"
#include "platform/host_hooks.h"
#include "platform/platform.h"
#include "platform/regular_file.h"

#include <chrono>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

// Data files are small; one larger than this is not compared.
constexpr std::size_t kMaxCompareBytes = std::size_t{64} << 20;

bool equalsShippedCopy(const fs::path& file) {
    const fs::path copy = file.parent_path() / core::kShippedRecordFolder / file.filename();
    std::string bytes;
    std::string copied;
    return core::readRegularFile(copy.string(), kMaxCompareBytes, core::Oversize::Refuse, copied) ==
               core::ReadResult::Read &&
           core::readRegularFile(file.string(), kMaxCompareBytes, core::Oversize::Refuse, bytes) == core::ReadResult::Read &&
           bytes == copied;
}

}  // namespace

std::vector<DataFileEntry> listDataFiles(const std::string& extension) {
    if (core::beforeDataRead) core::beforeDataRead();
    std::vector<DataFileEntry> entries;
    std::error_code ec;
    fs::directory_iterator it("Data", ec);
    if (ec) return entries;
    for (const fs::directory_entry& entry : it) {
        const std::string name = entry.path().filename().string();
        if (name.empty() || name.front() == '.' || name.size() <= extension.size() ||
            name.compare(name.size() - extension.size(), extension.size(), extension) != 0) {
            continue;
        }
        std::error_code fileEc;
        if (!entry.is_regular_file(fileEc) || fileEc) continue;
        const auto written = entry.last_write_time(fileEc);
        if (fileEc) continue;
        const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(written.time_since_epoch()).count();
        entries.push_back({name.substr(0, name.size() - extension.size()), static_cast<long long>(seconds),
                           equalsShippedCopy(entry.path())});
    }
    return entries;
}
