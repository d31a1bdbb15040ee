// data_folder_list.cpp — which files the folder Data holds, for a program
// that offers them by name (the editor's load dialog).
//
// Only regular files directly in Data are listed, hidden ones (a leading
// dot: the scratch files of unfinished writes, the copies of shipped files)
// left out. Nothing is opened, so a damaged file costs nothing here.
#include "platform/platform.h"

#include <chrono>
#include <filesystem>

namespace fs = std::filesystem;

std::vector<DataFileEntry> listDataFiles(const std::string& extension) {
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
        entries.push_back({name.substr(0, name.size() - extension.size()), static_cast<long long>(seconds)});
    }
    return entries;
}
