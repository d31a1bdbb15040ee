// host_paths.cpp — program paths (code page 437, "\") as host paths (UTF-8,
// "/"), and which of them may be read or written.
// Writes: nothing.
#include "platform/host_paths.h"

#include "platform/cp437_unicode.h"

#include <algorithm>
#include <string>
#include <vector>

namespace core {

namespace {

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

}  // namespace

std::string hostPath(const std::string& path) {
    if (path.empty() || path.find('\0') != std::string::npos) return "";
    std::string host = cp437ToUtf8(path);
    std::replace(host.begin(), host.end(), '\\', '/');
    if (host.front() == '/') return "";
    const std::vector<std::string> parts = splitComponents(host);
    if (std::find(parts.begin(), parts.end(), "..") != parts.end()) return "";
    return host;
}

std::string writableHostPath(const std::string& path) {
    const std::string host = hostPath(path);
    if (host.empty()) return "";
    const std::vector<std::string> parts = splitComponents(host);
    if (parts.size() < 2 || parts.front() != "Data") return "";
    for (const std::string& part : parts) {
        if (part.empty() || part == ".") return "";
    }
    return host;
}

}  // namespace core
