// run_folder.h — the working directory (a scratch folder) made a game
// folder: its sprites lead to the ready-to-run folder's pictures, its Data
// holds copies of that folder's files (labyrinths, demonstrations, the
// shipped set, the default settings), which a test may change freely.
#pragma once

#include <filesystem>

inline void takeRunFolder() {
    namespace fs = std::filesystem;
    fs::create_directory_symlink(fs::path(ZL_RUN_DIR) / "sprites", "sprites");
    for (const fs::directory_entry& file : fs::directory_iterator(fs::path(ZL_RUN_DIR) / "Data")) {
        if (file.is_regular_file()) fs::copy_file(file.path(), fs::path("Data") / file.path().filename());
    }
}
