// field_source.h — where readIntField and readStringField take their
// characters from. Internal to platform/: neither program includes it.
//
// Exactly one source is current at a time: an open data file (chosen by
// beginFieldRead) or the line last typed with inputLine (chosen by
// setLineFieldSource). With no valid source every read finds the end of the
// data, so integer reads give 0 and text reads the empty text.
#pragma once

#include <cstddef>
#include <string>
#include <utility>

namespace core {

// A sequence of bytes read front to back. Characters are returned as 0..255;
// kEndOfData past the end.
class FieldSource {
public:
    static constexpr int kEndOfData = -1;

    virtual ~FieldSource() = default;
    // Takes the next character; kEndOfData (and no movement) at the end.
    virtual int next() = 0;
    // The character `ahead` places after the next one (0 = the next one)
    // without taking it; kEndOfData beyond the end.
    virtual int peek(std::size_t ahead = 0) const = 0;
    virtual bool atEnd() const = 0;
    // The common integer field, taken in one step: blanks, an optional sign
    // and one to nine digits, directly followed by a comma, a line end or
    // the end of the data (the terminator is taken too). Gives exactly what
    // the general rules of readIntField give for such a field. False, having
    // taken nothing, for anything else, which the general rules then read.
    virtual bool takePlainInteger(int& value) {
        (void)value;
        return false;
    }
};

// Bytes held whole in memory, every field taken by the general rules: the
// source of a typed line, which keeps its own copy.
class BytesFieldSource : public FieldSource {
public:
    explicit BytesFieldSource(std::string bytes) : bytes_(std::move(bytes)) {}
    int next() override;
    int peek(std::size_t ahead = 0) const override;
    bool atEnd() const override { return pos_ >= bytes_.size(); }

protected:
    std::string bytes_;
    std::size_t pos_ = 0;  // never past the end
};

// The bytes of a data file opened for reading. The read position belongs to
// the file, so it survives switching sources back and forth: beginFieldRead
// never moves it.
class FileFieldSource final : public BytesFieldSource {
public:
    using BytesFieldSource::BytesFieldSource;
    // A level file is 33,000 such fields; reading them through next and
    // peek, a virtual call per character, took most of a level's load time.
    bool takePlainInteger(int& value) override;
};

// The current source, or nullptr when there is none.
FieldSource* currentFieldSource();
// Makes source current (nullptr: none). The caller keeps it alive until it
// calls releaseFieldSource for it.
void selectFieldSource(FieldSource* source);
// source is about to be destroyed: if it is current, no source is current.
void releaseFieldSource(const FieldSource* source);

// The reading source of open file number n, or nullptr when n is not open
// for reading (defined with the file table in data_files.cpp).
FieldSource* inputFileSource(int n);

}  // namespace core

// Makes a copy of line the current field source. Called by inputLine once the
// line is complete.
void setLineFieldSource(const std::string& line);
