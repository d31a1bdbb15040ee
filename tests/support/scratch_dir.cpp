#include "tests/support/scratch_dir.h"

#include "tests/support/read_whole_file.h"

#include <fstream>
#include <random>

namespace fs = std::filesystem;

ScratchDir::ScratchDir() {
    previous_ = fs::current_path();
    std::random_device rd;
    for (;;) {
        dir_ = fs::temp_directory_path() / ("zl-test-" + std::to_string(rd()));
        if (fs::create_directory(dir_)) break;
    }
    fs::create_directory(dir_ / "Data");
    fs::current_path(dir_);
}

ScratchDir::~ScratchDir() {
    std::error_code ec;
    fs::current_path(previous_, ec);
    fs::remove_all(dir_, ec);
}

void ScratchDir::writeFile(const std::string& relative, const std::string& bytes) const {
    fs::path p = dir_ / relative;
    fs::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary);
    out << bytes;
}

void ScratchDir::copyIntoData(const fs::path& file) const { fs::copy_file(file, dir_ / "Data" / file.filename()); }

std::string ScratchDir::readFile(const std::string& relative) const { return readWholeFile(dir_ / relative); }
