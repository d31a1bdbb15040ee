// field_reader_fuzz.cpp — any bytes as a field source. The first byte picks
// the sequence of integer and text reads; the rest is the data, read once as
// a typed line and once as a data file. Checks that every read stays within
// its limit, that the data runs out, and that both sources give the same
// fields.
#include "platform/field_source.h"
#include "platform/platform.h"
#include "tools/fuzz/fuzz_support.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kMaxTextField = 4096;

// The fields read from the current source, in the order pattern gives, as
// text ("#" + value for integers); stops when the data has run out.
std::vector<std::string> readAll(unsigned pattern, std::size_t size) {
    std::vector<std::string> fields;
    // Every read takes at least one character until the end, so size reads
    // must reach it.
    for (std::size_t i = 0; i <= size; ++i) {
        if (core::currentFieldSource()->atEnd()) break;
        if (pattern >> (i % 8) & 1u) {
            fields.push_back("#" + std::to_string(readIntField()));
        } else {
            fields.push_back(readStringField());
            fuzz::require(fields.back().size() <= kMaxTextField, "a text field beyond its limit");
        }
    }
    fuzz::require(core::currentFieldSource()->atEnd(), "the data did not run out");
    fuzz::require(readIntField() == 0 && readStringField().empty(), "a read past the end found data");
    return fields;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const unsigned pattern = data[0];
    const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);

    setLineFieldSource(bytes);
    const std::vector<std::string> typed = readAll(pattern, size);

    fuzz::putFile("Data/felder.dat", bytes);
    openFile("Data\\felder.dat", FileMode::Input, 1);
    beginFieldRead(1);
    fuzz::require(core::currentFieldSource() != nullptr, "the file did not open");
    const std::vector<std::string> filed = readAll(pattern, size);
    fuzz::require(closeFile(1), "the file was not open");
    fuzz::require(typed == filed, "a typed line and a file read differently");
    return 0;
}
