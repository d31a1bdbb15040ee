// file_replace.cpp — replacing a file through a scratch file beside it,
// synced, renamed and the folder synced (see file_replace.h).
//
// Writes: the scratch file and, at the commit, the target; removes scratch
// files of the same target that dead processes left behind.
#include "platform/file_replace.h"

#include <cerrno>
#include <charconv>
#include <cstddef>
#include <string>
#include <string_view>

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace core {

namespace {

// A scratch file's name holds at most this much of its target's name, so it
// stays a valid file name whenever the target's is (at most 255 bytes).
constexpr std::size_t kScratchStem = 200;
constexpr std::string_view kScratchMark = ".tmp-";
// Bytes copied at a time from the target, for appending.
constexpr std::size_t kCopyBlock = std::size_t{64} << 10;

// The folder of a host path ("." for a bare name) and the file's own name.
struct FolderAndName {
    std::string folder;
    std::string name;
};

FolderAndName splitPath(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return {".", path};
    return {slash == 0 ? "/" : path.substr(0, slash), path.substr(slash + 1)};
}

// What the scratch files of a target called `name` begin with; the writing
// process's id follows.
std::string scratchPrefix(const std::string& name) {
    std::string prefix = ".";
    prefix.append(name, 0, kScratchStem);
    prefix.append(kScratchMark);
    return prefix;
}

// Removes the scratch files of the target `name` in `folder` that processes
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

// Makes a rename in `folder` durable.
void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

FileReplacement::Start FileReplacement::begin(const std::string& target) {
    abandon();
    const auto [folder, name] = splitPath(target);
    if (name.empty()) return Start::Failed;
    removeStaleScratch(folder, name);
    const std::string scratch = folder + "/" + scratchPrefix(name) + std::to_string(::getpid());
    const int fd = ::open(scratch.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0) return errno == ENOENT ? Start::NoFolder : Start::Failed;
    // The replacement keeps the permissions of the file it replaces.
    struct stat info {};
    if (::stat(target.c_str(), &info) == 0 && S_ISREG(info.st_mode) && ::fchmod(fd, info.st_mode & 07777) != 0) {
        ::close(fd);
        ::unlink(scratch.c_str());
        return Start::Failed;
    }
    fd_ = fd;
    scratch_ = scratch;
    target_ = target;
    failed_ = false;
    return Start::Started;
}

bool FileReplacement::write(std::string_view bytes) {
    if (fd_ < 0) return false;
    if (!failed_ && !writeAll(fd_, bytes.data(), bytes.size())) failed_ = true;
    return !failed_;
}

bool FileReplacement::copyTarget() {
    if (fd_ < 0) return false;
    const int in = ::open(target_.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (in < 0) {
        if (errno != ENOENT) failed_ = true;
        return !failed_;
    }
    struct stat info {};
    bool ok = ::fstat(in, &info) == 0 && S_ISREG(info.st_mode);
    char block[kCopyBlock];
    while (ok) {
        const ssize_t n = ::read(in, block, sizeof block);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) ok = false;
        if (n <= 0) break;
        ok = write(std::string_view(block, static_cast<std::size_t>(n)));
    }
    ::close(in);
    if (!ok) failed_ = true;
    return !failed_;
}

bool FileReplacement::commit(Place place) {
    if (fd_ < 0) return false;
    bool ok = !failed_ && ::fsync(fd_) == 0;
    ok = ::close(fd_) == 0 && ok;
    fd_ = -1;
    if (ok && place == Place::OnlyNew) {
        // A link fails when anything has taken the name meanwhile; where the
        // file system knows no links, a rename onto a name still free.
        struct stat there;
        ok = ::link(scratch_.c_str(), target_.c_str()) == 0 ||
             (errno != EEXIST && ::lstat(target_.c_str(), &there) != 0 && errno == ENOENT &&
              ::rename(scratch_.c_str(), target_.c_str()) == 0);
        ::unlink(scratch_.c_str());  // after a link, the second name; after a rename, nothing
    } else {
        ok = ok && ::rename(scratch_.c_str(), target_.c_str()) == 0;
        if (!ok) ::unlink(scratch_.c_str());
    }
    if (ok) syncFolder(splitPath(target_).folder);
    failed_ = false;
    return ok;
}

void FileReplacement::abandon() {
    if (fd_ >= 0) {
        ::close(fd_);
        ::unlink(scratch_.c_str());
    }
    fd_ = -1;
    failed_ = false;
}

bool replaceFile(const std::string& target, std::string_view bytes, Place place) {
    FileReplacement replacement;
    return replacement.begin(target) == FileReplacement::Start::Started && replacement.write(bytes) &&
           replacement.commit(place);
}

}  // namespace core
