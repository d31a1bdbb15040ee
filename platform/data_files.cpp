// data_files.cpp — the numbered data files: open, close, the field writer and
// deleteFile.
//
// Paths are turned into host paths by host_paths.h: every path must be
// relative and free of ".." components, and writing (Output, Append,
// deleteFile) is further limited to paths below the folder "Data". A
// refused path behaves like a file that cannot be opened: nothing happens
// and nothing is reported.
//
// A file opened for Input is read whole into memory; the field reader then
// takes its characters from there.
//
// Output and Append never write the real file: they go through a file
// replacement (file_replace.h; Append first copies the old content into
// it), which closeFile commits, then the commit hook is called with the
// file's path (host_hooks.h; deleteFile too, after a deletion). Until then
// the previous copy stays whole; a write that fails, or a file still open
// when the program ends, leaves it as it was. A program killed before the
// commit leaves its scratch file behind: hidden, and beyond every name a
// dialog accepts (none may begin with a dot), so it is never taken for a
// saved game or a level; the next write of the same file removes it. Before
// a file is read (Input, Append) the read hook runs, by which the browser
// first brings in what another page of the site changed.
//
// Writes: its table of open files, the files below Data.
#include "platform/field_source.h"
#include "platform/file_replace.h"
#include "platform/host_hooks.h"
#include "platform/host_paths.h"
#include "platform/platform.h"
#include "platform/regular_file.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kFirstFileNumber = 1;
constexpr int kLastFileNumber = 255;
// Bytes of an input file past this are not read: the data ends there. The
// programs' largest files are about 100 KB.
constexpr std::size_t kMaxInputBytes = std::size_t{64} << 20;
// Written fields are handed to the scratch file in blocks of about this size.
constexpr std::size_t kWriteBlock = std::size_t{64} << 10;

struct OpenFile {
    std::unique_ptr<core::FileFieldSource> reader;  // set while open for Input
    core::FileReplacement writer;                   // running while open for writing
    std::string pending;                            // written fields not yet handed to the writer

    OpenFile() = default;
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    // A write never finished (the program ended with the file open) is
    // dropped, never half-committed.
    ~OpenFile() { abandon(); }

    void abandon() {
        writer.abandon();
        pending.clear();
        if (reader) core::releaseFieldSource(reader.get());
        reader.reset();
    }
};

// Index = file number; entry 0 unused.
std::array<OpenFile, kLastFileNumber + 1> files;

bool validNumber(int n) { return n >= kFirstFileNumber && n <= kLastFileNumber; }

void openForReading(OpenFile& file, const std::string& path) {
    const std::string host = core::hostPath(path);
    if (host.empty()) return;
    std::string bytes;
    // Missing or not a regular file: nothing is opened. A file beyond the
    // limit is read up to it: the data ends there.
    if (core::readRegularFile(host, kMaxInputBytes, core::Oversize::Cut, bytes) != core::ReadResult::Read) return;
    file.reader = std::make_unique<core::FileFieldSource>(std::move(bytes));
}

void openForWriting(OpenFile& file, const std::string& path, bool append) {
    const std::string host = core::writableHostPath(path);
    if (host.empty()) return;
    using Start = core::FileReplacement::Start;
    Start start = file.writer.begin(host);
    // A fresh installation or a player who removed it may have no "Data" yet:
    // that one folder is made on demand, deeper ones never.
    if (start == Start::NoFolder && ::mkdir("Data", 0755) == 0) start = file.writer.begin(host);
    // Append starts from the old content; if that cannot be copied whole,
    // the rename would lose data, so nothing is opened.
    if (start == Start::Started && append && !file.writer.copyTarget()) file.writer.abandon();
}

void flushPending(OpenFile& file) {
    file.writer.write(file.pending);
    file.pending.clear();
}

// True when the new file stands in place of the target.
bool commit(OpenFile& file) {
    flushPending(file);
    const std::string target = file.writer.target();
    const bool ok = file.writer.commit();
    if (ok && core::afterFileCommitted) core::afterFileCommitted(target);
    return ok;
}

void writeField(int n, std::string_view text, bool last) {
    if (!validNumber(n)) return;
    OpenFile& file = files[static_cast<std::size_t>(n)];
    if (!file.writer.running()) return;  // not open for writing
    file.pending += text;
    file.pending += last ? "\r\n" : ",";
    if (file.pending.size() >= kWriteBlock) flushPending(file);
}

}  // namespace

namespace core {

FieldSource* inputFileSource(int n) {
    if (!validNumber(n)) return nullptr;
    return files[static_cast<std::size_t>(n)].reader.get();
}

}  // namespace core

void openFile(const std::string& path, FileMode mode, int fileNumber) {
    if (!validNumber(fileNumber)) return;
    OpenFile& file = files[static_cast<std::size_t>(fileNumber)];
    // A write still pending under this number was never closed: drop it
    // rather than commit a file that may be half written.
    file.abandon();
    if (mode != FileMode::Output && core::beforeDataRead) core::beforeDataRead();
    switch (mode) {
        case FileMode::Input: openForReading(file, path); break;
        case FileMode::Output: openForWriting(file, path, false); break;
        case FileMode::Append: openForWriting(file, path, true); break;
    }
}

bool closeFile(int fileNumber) {
    if (!validNumber(fileNumber)) return false;
    OpenFile& file = files[static_cast<std::size_t>(fileNumber)];
    bool ok = file.reader != nullptr;
    if (file.writer.running()) ok = commit(file);
    file.abandon();  // releases a reader; the scratch file is gone by now
    return ok;
}

void writeIntField(int fileNumber, int value, bool last) {
    char digits[16];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    writeField(fileNumber, std::string_view(digits, static_cast<std::size_t>(result.ptr - digits)), last);
}

void writeStringField(int fileNumber, const std::string& text, bool last) {
    std::string field = "\"" + text + "\"";
    std::replace(field.begin() + 1, field.end() - 1, '"', '\'');
    writeField(fileNumber, field, last);
}

void deleteFile(const std::string& path) {
    const std::string host = core::writableHostPath(path);
    if (host.empty()) return;
    struct stat info {};
    if (::lstat(host.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) return;
    if (::unlink(host.c_str()) == 0 && core::afterFileCommitted) core::afterFileCommitted(host);
}
