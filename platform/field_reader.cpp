// field_reader.cpp — readIntField and readStringField: one field at a time
// from the current field source.
//
// The rules, in the order the reader applies them:
//  1. blanks and tabs before a field are skipped;
//  2. a field that starts with a double quote runs to the next double quote,
//     which is dropped; commas and line ends between the quotes belong to it;
//  3. any other field runs up to the next comma or line end (LF or CR LF); an
//     integer field also ends at a blank or tab, a text field keeps them;
//  4. after the field, blanks and tabs are skipped and one comma or one line
//     end is taken if it follows; anything else is left for the next read;
//  5. at the end of the data the field is empty;
//  6. an integer field is a signed decimal number read up to its first
//     non-digit (empty gives 0); one holding a decimal point or an exponent
//     letter (E, e, D, d) is read as floating point and rounded to the
//     nearest integer, ties to even. Values beyond 32 bits saturate;
//  7. a text field takes at most 4,096 characters and an integer field at
//     most 67; the rest of a longer field is left for the next read, which
//     treats it as a field of its own.
// Any byte may occur (NUL, bytes above 127); none of them is special except
// as listed. readLineField instead takes the rest of the line whole (rules
// 1, 5 and 7 hold): commas and quotes are part of it.
#include "platform/field_source.h"
#include "platform/platform.h"

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>

namespace {

using core::FieldSource;

constexpr std::size_t kMaxTextField = 4096;
constexpr std::size_t kMaxIntegerField = 67;
constexpr int kIntMax = std::numeric_limits<int>::max();
constexpr int kIntMin = std::numeric_limits<int>::min();

bool isBlank(int c) { return c == ' ' || c == '\t'; }
bool isDigit(int c) { return c >= '0' && c <= '9'; }
bool isExponentLetter(int c) { return c == 'E' || c == 'e' || c == 'D' || c == 'd'; }

// A line end begins at the next character: LF, or CR directly followed by LF.
// A CR on its own is an ordinary character.
bool lineEndAhead(const FieldSource& source) {
    const int c = source.peek();
    return c == '\n' || (c == '\r' && source.peek(1) == '\n');
}

void skipBlanks(FieldSource& source) {
    while (isBlank(source.peek())) source.next();
}

// Rule 4: what may follow a field.
void takeTerminator(FieldSource& source) {
    skipBlanks(source);
    const int c = source.peek();
    if (c == ',' || c == '\n') {
        source.next();
    } else if (c == '\r' && source.peek(1) == '\n') {
        source.next();
        source.next();
    }
}

// Rules 1 to 5 and 7: the characters of the next field, quotes removed.
std::string takeField(FieldSource& source, std::size_t limit, bool integerField) {
    std::string field;
    skipBlanks(source);
    if (source.peek() == '"') {
        source.next();
        for (;;) {
            const int c = source.peek();
            if (c == FieldSource::kEndOfData) return field;  // no closing quote
            if (c == '"') {
                source.next();
                takeTerminator(source);
                return field;
            }
            if (field.size() == limit) return field;  // the rest is the next field
            field.push_back(static_cast<char>(source.next()));
        }
    }
    for (;;) {
        const int c = source.peek();
        if (c == FieldSource::kEndOfData) return field;
        if (c == ',' || lineEndAhead(source) || (integerField && isBlank(c))) {
            takeTerminator(source);
            return field;
        }
        if (field.size() == limit) return field;  // the rest is the next field
        field.push_back(static_cast<char>(source.next()));
    }
}

int saturate(std::int64_t value) {
    if (value > kIntMax) return kIntMax;
    if (value < kIntMin) return kIntMin;
    return static_cast<int>(value);
}

// Nearest integer, ties to even, saturated to 32 bits; NaN gives 0. Works
// the same whatever rounding mode the host has set.
int roundToInt(double value) {
    if (std::isnan(value)) return 0;
    if (value >= static_cast<double>(kIntMax)) return kIntMax;
    if (value <= static_cast<double>(kIntMin)) return kIntMin;
    double whole = std::floor(value);
    const double fraction = value - whole;  // exact: |value| < 2^31
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
    return saturate(static_cast<std::int64_t>(whole));
}

// The floating-point reading of a field: [sign] digits [. digits]
// [exponent letter [sign] digits], taken as far as it goes; 0 without a
// single mantissa digit.
int parseFloating(const std::string& field) {
    std::size_t i = 0;
    bool negative = false;
    if (i < field.size() && (field[i] == '+' || field[i] == '-')) {
        negative = field[i] == '-';
        ++i;
    }
    std::string text;  // what strtod sees: no sign, exponent letter 'e'
    bool anyDigit = false;
    bool nonZero = false;
    for (; i < field.size() && isDigit(field[i]); ++i) {
        text.push_back(field[i]);
        anyDigit = true;
        nonZero = nonZero || field[i] != '0';
    }
    if (text.empty()) text.push_back('0');  // ".5" is read as "0.5"
    if (i < field.size() && field[i] == '.') {
        text.push_back('.');
        const std::size_t fractionStart = text.size();
        for (++i; i < field.size() && isDigit(field[i]); ++i) {
            text.push_back(field[i]);
            anyDigit = true;
            nonZero = nonZero || field[i] != '0';
        }
        if (text.size() == fractionStart) text.push_back('0');  // "5." as "5.0"
    }
    if (!anyDigit || !nonZero) return 0;
    if (i < field.size() && isExponentLetter(field[i])) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < field.size() && (field[j] == '+' || field[j] == '-')) {
            exponent.push_back(field[j]);
            ++j;
        }
        const std::size_t firstDigit = j;
        for (; j < field.size() && isDigit(field[j]); ++j) exponent.push_back(field[j]);
        if (j > firstDigit) text += exponent;  // a bare letter is no exponent
    }
    // strtod rounds correctly like from_chars, which not every standard
    // library has for floating point; it reads the decimal point of the C
    // library's number locale, so the text is given that one. A result beyond
    // the double range comes back as infinity, below it as zero or a tiny
    // subnormal: both saturate or round to the same integers as before.
    const char* point = std::localeconv()->decimal_point;
    if (point && *point && *point != '.') {
        const std::size_t dot = text.find('.');
        if (dot != std::string::npos) text.replace(dot, 1, point);
    }
    const double value = std::strtod(text.c_str(), nullptr);
    return roundToInt(negative ? -value : value);
}

// Rule 6.
int parseInteger(const std::string& field) {
    for (char c : field) {
        if (c == '.' || isExponentLetter(static_cast<unsigned char>(c))) return parseFloating(field);
    }
    std::size_t i = 0;
    bool negative = false;
    if (i < field.size() && (field[i] == '+' || field[i] == '-')) {
        negative = field[i] == '-';
        ++i;
    }
    // Stops growing just past the 32-bit range, so it never overflows.
    constexpr std::int64_t kBeyond = std::int64_t{kIntMax} + 2;
    std::int64_t value = 0;
    for (; i < field.size() && isDigit(field[i]); ++i) {
        value = value * 10 + (field[i] - '0');
        if (value > kBeyond) value = kBeyond;
    }
    return saturate(negative ? -value : value);
}

}  // namespace

int readIntField() {
    FieldSource* source = core::currentFieldSource();
    if (source == nullptr) return 0;
    int value = 0;
    if (source->takePlainInteger(value)) return value;
    return parseInteger(takeField(*source, kMaxIntegerField, true));
}

std::string readStringField() {
    FieldSource* source = core::currentFieldSource();
    if (source == nullptr) return "";
    return takeField(*source, kMaxTextField, false);
}

std::string readLineField() {
    FieldSource* source = core::currentFieldSource();
    if (source == nullptr) return "";
    std::string line;
    skipBlanks(*source);
    while (!source->atEnd() && !lineEndAhead(*source) && line.size() < kMaxTextField) {
        line.push_back(static_cast<char>(source->next()));
    }
    if (lineEndAhead(*source)) takeTerminator(*source);
    return line;
}
