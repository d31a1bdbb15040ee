// read_whole_file.h — a file's bytes in one string, for tests that compare
// files or read sources and goldens.
#pragma once

#include <filesystem>
#include <string>

// The whole content of the file; "" when it is missing or unreadable.
std::string readWholeFile(const std::filesystem::path& path);
