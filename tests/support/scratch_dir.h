// scratch_dir.h — a fresh working directory for one test or benchmark run,
// with a Data folder, removed again afterwards. The programs read and write
// their files relative to the working directory, so tests and benchmarks
// that touch files run in one.
#pragma once

#include <filesystem>
#include <string>

class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& path() const { return dir_; }
    // Writes bytes to a file below the scratch directory ("Data/x.dat").
    void writeFile(const std::string& relative, const std::string& bytes) const;
    // The whole content of a file below it; "" when missing.
    std::string readFile(const std::string& relative) const;
    // Copies a file into the Data folder under its own name.
    void copyIntoData(const std::filesystem::path& file) const;

private:
    std::filesystem::path dir_;
    std::filesystem::path previous_;
};
