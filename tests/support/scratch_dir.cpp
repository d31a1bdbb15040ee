#include "tests/support/scratch_dir.h"

#include <fstream>
#include <random>
#include <sstream>

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

std::string ScratchDir::readFile(const std::string& relative) const {
    std::ifstream in(dir_ / relative, std::ios::binary);
    if (!in) return "";
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}
