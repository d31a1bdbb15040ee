// outside_file.cpp — reading a file the player hands a program from outside
// its folder: the game's --set FILE, a set downloaded anywhere.
//
// Only reading: the file becomes the source of the field reads, so the
// program's own reader takes it field by field, and a program that keeps
// it writes it into Data through the data-file writer as any other file.
// Its path is the host's own (UTF-8, "/"), absolute or relative to the
// folder the program was started in: enterGameFolder moves the working
// directory before the program looks at the file, so that folder is taken
// when the program starts.
#include "platform/field_source.h"
#include "platform/platform.h"
#include "platform/regular_file.h"

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>

namespace {

// The same limit as a data file's: a file of ours is far smaller.
constexpr std::size_t kMaxOutsideBytes = std::size_t{64} << 20;

std::filesystem::path folderAtStart() {
    std::error_code ec;
    std::filesystem::path folder = std::filesystem::current_path(ec);
    return ec ? std::filesystem::path{} : folder;
}

// The working directory when the program started, before main.
const std::filesystem::path startFolder = folderAtStart();

// The bytes of the file last read, alive while they may be the current source.
std::unique_ptr<core::FileFieldSource> outsideFile;

}  // namespace

bool readFieldsFromOutside(const std::string& hostPath) {
    if (outsideFile) core::releaseFieldSource(outsideFile.get());
    outsideFile.reset();
    core::selectFieldSource(nullptr);
    if (hostPath.empty() || hostPath.find('\0') != std::string::npos) return false;
    std::filesystem::path path(hostPath);
    if (path.is_relative()) path = startFolder / path;
    std::string bytes;
    // A file beyond the limit is read up to it; the reader finds it cut short.
    if (core::readRegularFile(path.string(), kMaxOutsideBytes, core::Oversize::Cut, bytes) != core::ReadResult::Read) {
        return false;
    }
    outsideFile = std::make_unique<core::FileFieldSource>(std::move(bytes));
    core::selectFieldSource(outsideFile.get());
    return true;
}
