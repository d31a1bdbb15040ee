// data_files.cpp — the numbered data files: open, close, the field writer and
// deleteFile.
//
// Paths come in code page 437, like every text of the programs, with "\" as
// separator; the host path is their UTF-8 form with "/". So a typed name
// "gr\x81n" names the file "gr\xC3\xBCn", which file managers and shells
// show and type as the word it is. Every path must be relative and free of
// ".." components; writing (Output, Append, deleteFile) is further limited
// to paths below the folder "Data" (first component exactly "Data", no
// empty or "." components). A refused path behaves like a file
// that cannot be opened: nothing happens and nothing is reported.
//
// A file opened for Input is read whole into memory; the field reader then
// takes its characters from there.
//
// Output and Append never write the real file. They write a scratch file
// beside it (".<name>.tmp-<process id>"; Append first copies the old content
// into it), and closeFile flushes it, syncs it to disk and renames it over
// the real file, then calls the commit hook with the file's path
// (host_hooks.h; deleteFile too, after a deletion). Until that rename the
// previous copy stays whole; a write that fails, or a file still open when
// the program ends, leaves it as it was and removes the scratch file.
// A program killed before the rename leaves its scratch file behind:
// hidden, and beyond every name a dialog accepts (none may begin with a
// dot), so it is never taken for a saved game or a level; the next write of
// the same file removes it. Before a file is read (Input, Append) the read
// hook runs, by which the browser first brings in what another page of the
// site changed.
#include "platform/cp437_unicode.h"
#include "platform/field_source.h"
#include "platform/host_hooks.h"
#include "platform/platform.h"
#include "platform/regular_file.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cerrno>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
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
// A scratch file's name holds at most this much of its target's name, so it
// stays a valid file name whenever the target's is (at most 255 bytes).
constexpr std::size_t kScratchStem = 200;
constexpr std::string_view kScratchMark = ".tmp-";

struct OpenFile {
    std::unique_ptr<core::FileFieldSource> reader;  // set while open for Input
    int fd = -1;                                    // the scratch file, while open for writing
    std::string scratchPath;
    std::string targetPath;
    std::string pending;  // written fields not yet handed to fd
    bool failed = false;  // a write went wrong: the scratch file must not replace the target

    OpenFile() = default;
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    // A write never finished (the program ended with the file open) is
    // dropped, never half-committed.
    ~OpenFile() { abandon(); }

    void abandon() {
        if (fd >= 0) {
            ::close(fd);
            ::unlink(scratchPath.c_str());
        }
        fd = -1;
        pending.clear();
        failed = false;
        if (reader) core::releaseFieldSource(reader.get());
        reader.reset();
    }
};

// Index = file number; entry 0 unused.
std::array<OpenFile, kLastFileNumber + 1> files;

bool validNumber(int n) { return n >= kFirstFileNumber && n <= kLastFileNumber; }

std::vector<std::string> splitComponents(const std::string& path) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : path) {
        if (c == '/') {
            parts.push_back(part);
            part.clear();
        } else {
            part.push_back(c);
        }
    }
    parts.push_back(part);
    return parts;
}

// The host path for reading, or "" when the path is refused: empty, holding
// a NUL byte, absolute, or with a ".." component.
std::string readablePath(const std::string& path) {
    if (path.empty() || path.find('\0') != std::string::npos) return "";
    std::string host = core::cp437ToUtf8(path);
    for (char& c : host) {
        if (c == '\\') c = '/';
    }
    if (host.front() == '/') return "";
    for (const std::string& part : splitComponents(host)) {
        if (part == "..") return "";
    }
    return host;
}

// The host path for writing, or "" when refused: as readablePath, and the
// first component must be "Data", followed by at least one more, with no
// empty or "." component anywhere ("Data\\x", "Data\.\x", "Data\" fail).
std::string writablePath(const std::string& path) {
    const std::string host = readablePath(path);
    if (host.empty()) return "";
    const std::vector<std::string> parts = splitComponents(host);
    if (parts.size() < 2 || parts.front() != "Data") return "";
    for (const std::string& part : parts) {
        if (part.empty() || part == ".") return "";
    }
    return host;
}

bool writeAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// Copies the whole current content of target into fd, for Append. True also
// when target does not exist (nothing to copy); false when it exists but
// cannot be copied completely, which would lose data on the rename.
bool copyExisting(const std::string& target, int fd, mode_t& keepMode, bool& existed) {
    existed = false;
    const int in = ::open(target.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) return errno == ENOENT;
    struct stat info {};
    if (::fstat(in, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(in);
        return false;
    }
    existed = true;
    keepMode = info.st_mode & 07777;
    char block[kWriteBlock];
    bool ok = true;
    for (;;) {
        const ssize_t n = ::read(in, block, sizeof block);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) ok = false;
        if (n <= 0) break;
        if (!writeAll(fd, block, static_cast<std::size_t>(n))) {
            ok = false;
            break;
        }
    }
    ::close(in);
    return ok;
}

void openForReading(OpenFile& file, const std::string& path) {
    const std::string host = readablePath(path);
    if (host.empty()) return;
    std::string bytes;
    // Missing or not a regular file: nothing is opened. A file beyond the
    // limit is read up to it: the data ends there.
    if (core::readRegularFile(host, kMaxInputBytes, core::Oversize::Cut, bytes) != core::ReadResult::Read) return;
    file.reader = std::make_unique<core::FileFieldSource>(std::move(bytes));
}

// The folder of a host path below Data and the file's own name.
std::pair<std::string, std::string> folderAndName(const std::string& host) {
    const std::size_t slash = host.rfind('/');
    return {host.substr(0, slash), host.substr(slash + 1)};
}

// What the scratch files of a target called name begin with; the writing
// process's id follows.
std::string scratchPrefix(const std::string& name) {
    std::string prefix = ".";
    prefix.append(name, 0, kScratchStem);
    prefix.append(kScratchMark);
    return prefix;
}

// Removes the scratch files of the target `name` in folder that processes
// no longer running left behind (killed or crashed while writing it). One of
// a process still running, or of one this process may not signal, is that
// process's own and stays, as does one bearing this process's id, which its
// next write reuses.
void removeStaleScratch(const std::string& folder, const std::string& name) {
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) return;
    const std::string prefix = scratchPrefix(name);
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view entryName = entry->d_name;
        if (entryName.size() <= prefix.size() || entryName.compare(0, prefix.size(), prefix) != 0) continue;
        const std::string_view digits = entryName.substr(prefix.size());
        pid_t pid = 0;
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), pid);
        if (error != std::errc() || end != digits.data() + digits.size() || pid <= 0 || pid == ::getpid()) continue;
        if (::kill(pid, 0) == 0 || errno != ESRCH) continue;
        ::unlinkat(::dirfd(dir), entry->d_name, 0);  // never a folder: unlinkat refuses those
    }
    ::closedir(dir);
}

int createScratch(const std::string& scratch) {
    return ::open(scratch.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0644);
}

void openForWriting(OpenFile& file, const std::string& path, bool append) {
    const std::string host = writablePath(path);
    if (host.empty()) return;
    const auto [folder, name] = folderAndName(host);
    removeStaleScratch(folder, name);
    const std::string scratch = folder + "/" + scratchPrefix(name) + std::to_string(::getpid());
    int fd = createScratch(scratch);
    // A fresh installation or a player who removed it may have no "Data" yet:
    // that one folder is made on demand, deeper ones never.
    if (fd < 0 && errno == ENOENT && ::mkdir("Data", 0755) == 0) fd = createScratch(scratch);
    if (fd < 0) return;  // e.g. a read-only folder
    mode_t keepMode = 0;
    bool existed = false;
    bool ok = true;
    if (append) {
        ok = copyExisting(host, fd, keepMode, existed);
    } else {
        struct stat info {};
        if (::stat(host.c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
            existed = true;
            keepMode = info.st_mode & 07777;
        }
    }
    // The replacement keeps the permissions of the file it replaces.
    if (ok && existed) ok = ::fchmod(fd, keepMode) == 0;
    if (!ok) {
        ::close(fd);
        ::unlink(scratch.c_str());
        return;
    }
    file.fd = fd;
    file.scratchPath = scratch;
    file.targetPath = host;
}

void flushPending(OpenFile& file) {
    if (!file.failed && !writeAll(file.fd, file.pending.data(), file.pending.size())) {
        file.failed = true;
    }
    file.pending.clear();
}

// Makes the rename itself durable: syncs the folder that holds path.
void syncFolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// True when the new file stands in place of the target.
bool commit(OpenFile& file) {
    flushPending(file);
    bool ok = !file.failed && ::fsync(file.fd) == 0;
    ok = ::close(file.fd) == 0 && ok;
    file.fd = -1;
    if (ok && ::rename(file.scratchPath.c_str(), file.targetPath.c_str()) == 0) {
        syncFolderOf(file.targetPath);
        if (core::afterFileCommitted) core::afterFileCommitted(file.targetPath);
    } else {
        ::unlink(file.scratchPath.c_str());
        ok = false;
    }
    file.failed = false;
    return ok;
}

void writeField(int n, std::string_view text, bool last) {
    if (!validNumber(n)) return;
    OpenFile& file = files[static_cast<std::size_t>(n)];
    if (file.fd < 0) return;  // not open for writing
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
    if (file.fd >= 0) ok = commit(file);
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
    const std::string host = writablePath(path);
    if (host.empty()) return;
    struct stat info {};
    if (::lstat(host.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) return;
    if (::unlink(host.c_str()) == 0 && core::afterFileCommitted) core::afterFileCommitted(host);
}
