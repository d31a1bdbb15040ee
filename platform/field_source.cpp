// field_source.cpp — the current field source: an open data file or the
// typed line, and beginFieldRead, which chooses the file.
#include "platform/field_source.h"

#include "platform/platform.h"

#include <memory>

namespace core {

namespace {

// What readIntField and readStringField read from; nullptr = nothing.
FieldSource* current = nullptr;
// The last typed line, kept alive while it may be current.
std::unique_ptr<BytesFieldSource> typedLine;

int byteAt(const std::string& bytes, std::size_t index) {
    if (index >= bytes.size()) return FieldSource::kEndOfData;
    return static_cast<unsigned char>(bytes[index]);
}

}  // namespace

int BytesFieldSource::next() {
    const int c = byteAt(bytes_, pos_);
    if (c != kEndOfData) ++pos_;
    return c;
}

int BytesFieldSource::peek(std::size_t ahead) const {
    // pos_ never passes the end, so the subtraction cannot wrap.
    if (ahead >= bytes_.size() - pos_) return kEndOfData;
    return byteAt(bytes_, pos_ + ahead);
}

bool FileFieldSource::takePlainInteger(int& value) {
    constexpr std::size_t kMostDigits = 9;  // below 2^31: no saturation to mind
    const std::size_t size = bytes_.size();
    std::size_t i = pos_;
    while (i < size && (bytes_[i] == ' ' || bytes_[i] == '\t')) ++i;
    bool negative = false;
    if (i < size && (bytes_[i] == '-' || bytes_[i] == '+')) negative = bytes_[i++] == '-';
    const std::size_t firstDigit = i;
    int magnitude = 0;
    while (i < size && i - firstDigit < kMostDigits && bytes_[i] >= '0' && bytes_[i] <= '9')
        magnitude = magnitude * 10 + (bytes_[i++] - '0');
    if (i == firstDigit) return false;
    if (i < size) {
        const char c = bytes_[i];
        if (c == ',' || c == '\n') {
            ++i;
        } else if (c == '\r' && i + 1 < size && bytes_[i + 1] == '\n') {
            i += 2;
        } else {
            return false;  // a blank, a tenth digit, a decimal point, anything else
        }
    }
    pos_ = i;
    value = negative ? -magnitude : magnitude;
    return true;
}

FieldSource* currentFieldSource() { return current; }

void selectFieldSource(FieldSource* source) { current = source; }

void releaseFieldSource(const FieldSource* source) {
    if (current == source) current = nullptr;
}

}  // namespace core

void setLineFieldSource(const std::string& line) {
    // The new line replaces the old one; the old one may be current, so it
    // is released before it goes.
    auto fresh = std::make_unique<core::BytesFieldSource>(line);
    core::releaseFieldSource(core::typedLine.get());
    core::typedLine = std::move(fresh);
    core::selectFieldSource(core::typedLine.get());
}

void beginFieldRead(int source) { core::selectFieldSource(core::inputFileSource(source)); }
