// regular_file.cpp — reading a whole regular file without blocking on
// special files.
#include "platform/regular_file.h"

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace core {

ReadResult readRegularFile(const std::string& path, std::size_t maxBytes, Oversize oversize, std::string& bytes) {
    bytes.clear();
    // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a
    // writer. On a regular file it changes nothing.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) return ReadResult::Missing;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return ReadResult::Missing;
    }
    if (oversize == Oversize::Refuse && static_cast<unsigned long long>(info.st_size) > maxBytes) {
        ::close(fd);
        return ReadResult::TooLarge;
    }
    bytes.reserve(std::min(static_cast<std::size_t>(std::max<off_t>(info.st_size, 0)), maxBytes));
    char block[64 * 1024];
    // A file that grows while it is read is cut at the limit.
    while (bytes.size() < maxBytes) {
        const std::size_t want = std::min(sizeof block, maxBytes - bytes.size());
        const ssize_t n = ::read(fd, block, want);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;  // end of file; a read error ends the data as well
        bytes.append(block, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return ReadResult::Read;
}

}  // namespace core
