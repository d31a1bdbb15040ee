// read_whole_file.h — a file's bytes in one string, for tests that compare
// files or read sources and goldens, and one line of a golden.
#pragma once

#include <filesystem>
#include <string>

// The whole content of the file; "" when it is missing or unreadable.
std::string readWholeFile(const std::filesystem::path& path);
// The first line of the file that begins with prefix ("demo 3:"), without
// its line end; "" when none does. A golden of summary lines, one for each
// case, is read this way.
std::string lineStartingWith(const std::filesystem::path& path, const std::string& prefix);
