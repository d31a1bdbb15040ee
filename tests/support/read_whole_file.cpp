#include "tests/support/read_whole_file.h"

#include <fstream>
#include <sstream>

std::string lineStartingWith(const std::filesystem::path& path, const std::string& prefix) {
    std::istringstream in(readWholeFile(path));
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.rfind(prefix, 0) == 0) return line;
    }
    return "";
}

std::string readWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return "";
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}
