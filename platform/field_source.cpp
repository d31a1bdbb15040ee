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
std::unique_ptr<LineFieldSource> typedLine;

int byteAt(const std::string& bytes, std::size_t index) {
    if (index >= bytes.size()) return FieldSource::kEndOfData;
    return static_cast<unsigned char>(bytes[index]);
}

}  // namespace

int FileFieldSource::next() {
    const int c = byteAt(bytes_, pos_);
    if (c != kEndOfData) ++pos_;
    return c;
}

int FileFieldSource::peek(std::size_t ahead) const {
    // pos_ never passes the end, so the subtraction cannot wrap.
    if (ahead >= bytes_.size() - pos_) return kEndOfData;
    return byteAt(bytes_, pos_ + ahead);
}

int LineFieldSource::next() {
    const int c = byteAt(line_, pos_);
    if (c != kEndOfData) ++pos_;
    return c;
}

int LineFieldSource::peek(std::size_t ahead) const {
    if (ahead >= line_.size() - pos_) return kEndOfData;
    return byteAt(line_, pos_ + ahead);
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
    auto fresh = std::make_unique<core::LineFieldSource>(line);
    core::releaseFieldSource(core::typedLine.get());
    core::typedLine = std::move(fresh);
    core::selectFieldSource(core::typedLine.get());
}

void beginFieldRead(int source) { core::selectFieldSource(core::inputFileSource(source)); }
