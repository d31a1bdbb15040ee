// art_error.h — the one error the asset tools raise: a message that names the
// source file and line, so a person editing the art can find the fault.
#pragma once

#include <stdexcept>
#include <string>

namespace zlart {

struct ArtError : std::runtime_error {
    explicit ArtError(const std::string& what) : std::runtime_error(what) {}
};

// "file:line: message"
[[noreturn]] void failAt(const std::string& file, int line, const std::string& message);

}  // namespace zlart
