// field_reader_fuzz.cpp — any bytes as a field source. The first byte picks
// the sequence of integer and text reads; the rest is the data. Checks that
// every read stays within its limit and that the data runs out.
#include "platform/field_source.h"
#include "platform/platform.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const unsigned pattern = data[0];
    setLineFieldSource(std::string(reinterpret_cast<const char*>(data + 1), size - 1));
    // Every read takes at least one character until the end, so size reads
    // must reach it.
    for (std::size_t i = 0; i <= size; ++i) {
        if (core::currentFieldSource()->atEnd()) break;
        if (pattern >> (i % 8) & 1u) {
            (void)readIntField();
        } else if (readStringField().size() > 4096) {
            std::abort();
        }
    }
    if (!core::currentFieldSource()->atEnd()) std::abort();
    if (readIntField() != 0 || !readStringField().empty()) std::abort();
    return 0;
}
