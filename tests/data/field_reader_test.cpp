// Field reader: the reading rules on data files and typed lines, the limits
// of a field, floating-point fields, saturation, and damaged content.
#include "platform/field_source.h"
#include "platform/platform.h"
#include "tests/support/scratch_dir.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <string>

namespace {

class FieldReader : public ::testing::Test {
protected:
    ScratchDir dir;

    void TearDown() override {
        closeFile(1);
        closeFile(2);
    }
    // Opens bytes as Data\in.dat on file 1 and makes it the field source.
    void source(const std::string& bytes) {
        dir.writeFile("Data/in.dat", bytes);
        openFile("Data\\in.dat", FileMode::Input, 1);
        beginFieldRead(1);
    }
    static int intOf(const std::string& bytes) {
        setLineFieldSource(bytes);
        return readIntField();
    }
};

TEST_F(FieldReader, ReadsTheWrittenRecordsWithEitherLineEnd) {
    for (const std::string eol : {"\r\n", "\n"}) {
        source("1,0,1" + eol + "\"Talvin\",10000" + eol);
        EXPECT_EQ(readIntField(), 1);
        EXPECT_EQ(readIntField(), 0);
        EXPECT_EQ(readIntField(), 1);
        EXPECT_EQ(readStringField(), "Talvin");
        EXPECT_EQ(readIntField(), 10000);
        EXPECT_EQ(readIntField(), 0) << "past the end";
        EXPECT_EQ(readStringField(), "");
    }
}

TEST_F(FieldReader, TypedLineGivesTextUpToTheFirstComma) {
    setLineFieldSource("Anna, Bert");
    EXPECT_EQ(readStringField(), "Anna");
    EXPECT_EQ(readStringField(), "Bert");
    EXPECT_EQ(readStringField(), "");
    setLineFieldSource("  Anna");
    EXPECT_EQ(readStringField(), "Anna");
    setLineFieldSource("");
    EXPECT_EQ(readStringField(), "");
    EXPECT_EQ(readIntField(), 0);
}

// A title typed with commas and quotes is read whole, line by line.
TEST_F(FieldReader, ALineFieldIsTheRestOfItsLineWhole) {
    setLineFieldSource("  H\x84nsel, Gretel und \"die Hexe\" ,,");
    EXPECT_EQ(readLineField(), "H\x84nsel, Gretel und \"die Hexe\" ,,");
    EXPECT_EQ(readLineField(), "") << "past the end";
    source("\"Titel\",\"a,b\"\r\n 7,8\n\r\nlast\rline");
    EXPECT_EQ(readStringField(), "Titel");
    EXPECT_EQ(readLineField(), "\"a,b\"") << "the rest of the line, its line end taken";
    EXPECT_EQ(readLineField(), "7,8");
    EXPECT_EQ(readLineField(), "") << "an empty line";
    EXPECT_EQ(readLineField(), "last\rline") << "a lone CR is an ordinary character";
    setLineFieldSource(std::string(5000, 'x'));
    EXPECT_EQ(readLineField(), std::string(4096, 'x'));
    EXPECT_EQ(readLineField(), std::string(904, 'x')) << "the rest of a longer line comes next";
}

TEST_F(FieldReader, FieldBoundaries) {
    // Quotes keep commas and line ends; blanks inside a text field stay, an
    // integer field ends at a blank; a lone CR is an ordinary character.
    source("\"a,b\r\nc\",3\r\n \tAnna Lena ,12 34,\t5\r\n\"ab\"cd,7\n8\rX,9\r");
    EXPECT_EQ(readStringField(), "a,b\r\nc");
    EXPECT_EQ(readIntField(), 3);
    EXPECT_EQ(readStringField(), "Anna Lena ");
    EXPECT_EQ(readIntField(), 12);
    EXPECT_EQ(readIntField(), 34);
    EXPECT_EQ(readIntField(), 5);
    EXPECT_EQ(readStringField(), "ab");
    EXPECT_EQ(readStringField(), "cd") << "what follows a closing quote is the next field";
    EXPECT_EQ(readIntField(), 7);
    EXPECT_EQ(readStringField(), "8\rX");
    EXPECT_EQ(readIntField(), 9);
    EXPECT_EQ(readIntField(), 0);
}

TEST_F(FieldReader, EmptyFieldsAndOneTerminatorPerField) {
    source(",,\r\n\r\n5,\"\",6");
    EXPECT_EQ(readIntField(), 0);
    EXPECT_EQ(readIntField(), 0);
    EXPECT_EQ(readIntField(), 0);      // the first line end ends the empty third field
    EXPECT_EQ(readStringField(), "");  // the second line end is an empty line
    EXPECT_EQ(readIntField(), 5);
    EXPECT_EQ(readStringField(), "");
    EXPECT_EQ(readIntField(), 6);
}

TEST_F(FieldReader, IntegerFieldLongerThan67CharactersIsSplit) {
    const std::string field67 = std::string(66, '0') + "7";
    source(field67 + "8," + field67 + ",9\r\n");
    EXPECT_EQ(readIntField(), 7);
    EXPECT_EQ(readIntField(), 8) << "the 68th character starts the next field";
    EXPECT_EQ(readIntField(), 7);
    EXPECT_EQ(readIntField(), 9) << "a field of exactly 67 still takes its comma";
}

TEST_F(FieldReader, TextFieldLongerThan4096CharactersIsSplit) {
    const std::string a(4096, 'a');
    source(a + "bcd,x\r\n" + a + "\r\ny\r\n\"" + a + "q\"");
    EXPECT_EQ(readStringField(), a);
    EXPECT_EQ(readStringField(), "bcd");
    EXPECT_EQ(readStringField(), "x");
    EXPECT_EQ(readStringField(), a);
    EXPECT_EQ(readStringField(), "y") << "a field of exactly 4,096 still takes its line end";
    EXPECT_EQ(readStringField(), a);
    EXPECT_EQ(readStringField(), "q\"");
}

TEST_F(FieldReader, DecimalsAndExponentsRoundToNearestEven) {
    // "4e": a letter without exponent digits.
    const struct {
        const char* text;
        int value;
    } kCases[] = {
        {"2.5", 2},    {"3.5", 4},    {"-2.5", -2},  {"-3.5", -4},  {"0.5", 0},    {"1.5", 2},
        {"2.4999", 2}, {"2.5001", 3}, {"1e3", 1000}, {"1E3", 1000}, {"1d3", 1000}, {"1D+2", 100},
        {"25e-1", 2},  {"1.5e1", 15}, {".5", 0},     {".6", 1},     {"-.6", -1},   {"+7.0", 7},
        {"5.", 5},     {"4e", 4},     {"3.7xyz", 4}, {".", 0},      {"e5", 0},     {"12de", 12},
    };
    for (const auto& c : kCases) EXPECT_EQ(intOf(c.text), c.value) << c.text;
}

TEST_F(FieldReader, IntegerParseStopsAtFirstNonDigit) {
    EXPECT_EQ(intOf("12abc"), 12);
    EXPECT_EQ(intOf("abc"), 0);
    EXPECT_EQ(intOf("-17"), -17);
    EXPECT_EQ(intOf("+17"), 17);
    EXPECT_EQ(intOf("-"), 0);
    EXPECT_EQ(intOf("--3"), 0);
    EXPECT_EQ(intOf("\"42\""), 42);
}

TEST_F(FieldReader, ValuesBeyond32BitsSaturate) {
    EXPECT_EQ(intOf("2147483647"), INT_MAX);
    EXPECT_EQ(intOf("-2147483648"), INT_MIN);
    EXPECT_EQ(intOf("2147483648"), INT_MAX);
    EXPECT_EQ(intOf("-2147483649"), INT_MIN);
    EXPECT_EQ(intOf(std::string(67, '9')), INT_MAX);
    EXPECT_EQ(intOf("-" + std::string(66, '9')), INT_MIN);
    EXPECT_EQ(intOf("2147483646.5"), 2147483646);
    EXPECT_EQ(intOf("2147483647.4"), INT_MAX);
    EXPECT_EQ(intOf("3000000000.0"), INT_MAX);
    EXPECT_EQ(intOf("-3e9"), INT_MIN);
    EXPECT_EQ(intOf("1e999999999999"), INT_MAX);
    EXPECT_EQ(intOf("-1e400"), INT_MIN);
    EXPECT_EQ(intOf("1e-400"), 0);
    EXPECT_EQ(intOf("0e999999"), 0);
    EXPECT_EQ(intOf("9" + std::string(60, '9') + ".5e300"), INT_MAX);
}

TEST_F(FieldReader, MissingFileAndNoSourceReadAsEmpty) {
    openFile("Data\\missing.dat", FileMode::Input, 1);
    beginFieldRead(1);
    EXPECT_EQ(readIntField(), 0);
    EXPECT_EQ(readStringField(), "");
    closeFile(1);
    for (int n : {0, -1, 7, 256, INT_MAX}) {
        beginFieldRead(n);
        EXPECT_EQ(readIntField(), 0) << n;
        EXPECT_EQ(readStringField(), "") << n;
    }
    source("");
    EXPECT_EQ(readIntField(), 0);
    EXPECT_EQ(readStringField(), "");
}

TEST_F(FieldReader, ClosingTheCurrentFileLeavesNoSource) {
    source("1,2,3");
    EXPECT_EQ(readIntField(), 1);
    closeFile(1);
    EXPECT_EQ(readIntField(), 0);
    dir.writeFile("Data/other.dat", "9,8");
    openFile("Data\\other.dat", FileMode::Input, 1);
    EXPECT_EQ(readIntField(), 0) << "a reopened file is not a source until beginFieldRead";
    beginFieldRead(1);
    EXPECT_EQ(readIntField(), 9);
}

TEST_F(FieldReader, EachFileKeepsItsPositionAcrossSourceSwitches) {
    dir.writeFile("Data/a.dat", "1,2,3");
    dir.writeFile("Data/b.dat", "7,8,9");
    openFile("Data\\a.dat", FileMode::Input, 1);
    openFile("Data\\b.dat", FileMode::Input, 2);
    beginFieldRead(1);
    EXPECT_EQ(readIntField(), 1);
    beginFieldRead(2);
    EXPECT_EQ(readIntField(), 7);
    setLineFieldSource("55");
    EXPECT_EQ(readIntField(), 55);
    beginFieldRead(1);
    beginFieldRead(1);
    EXPECT_EQ(readIntField(), 2);
    beginFieldRead(2);
    EXPECT_EQ(readIntField(), 8);
}

TEST_F(FieldReader, BinaryBytesAreOrdinaryCharacters) {
    source(std::string("\0\xFF\x81 x,\0"
                       "5,\xFF",
                       10));
    EXPECT_EQ(readStringField(), std::string("\0\xFF\x81 x", 5));
    EXPECT_EQ(readIntField(), 0);  // NUL is no digit: the field is "\0" "5"
    EXPECT_EQ(readStringField(), "\xFF");
    EXPECT_EQ(readStringField(), "");
}

TEST_F(FieldReader, GarbageIsReadToItsEndWithoutHarm) {
    std::mt19937 random(12345);
    for (int round = 0; round < 20; ++round) {
        std::string bytes(20000, '\0');
        for (char& c : bytes) c = static_cast<char>(random());
        // Make the structural characters frequent.
        for (int i = 0; i < 2000; ++i) bytes[random() % bytes.size()] = ",\"\r\n \t.e-"[random() % 9];
        source(bytes);
        // Every read takes at least one character, so the data runs out
        // within as many reads as it has bytes.
        for (std::size_t reads = 0; reads <= bytes.size() && !core::currentFieldSource()->atEnd(); ++reads) {
            if (round % 2 == 0)
                (void)readIntField();
            else
                (void)readStringField();
        }
        EXPECT_TRUE(core::currentFieldSource()->atEnd()) << "round " << round;
        EXPECT_EQ(readIntField(), 0);
    }
}

TEST_F(FieldReader, OneEnormousLine) {
    std::string line(5'000'000, 'a');
    line += ",42";
    source(line);
    int texts = 0;
    std::size_t taken = 0;
    for (;;) {
        const std::string field = readStringField();
        if (field == "42" || field.empty()) {
            EXPECT_EQ(field, "42");
            break;
        }
        ASSERT_LE(field.size(), 4096u);
        taken += field.size();
        ++texts;
    }
    EXPECT_EQ(taken, 5'000'000u);
    EXPECT_EQ(texts, (5'000'000 + 4095) / 4096);

    source(std::string(67 * 40'000, '7'));
    int ints = 0;
    while (!core::currentFieldSource()->atEnd() && ints <= 40'000) {
        ASSERT_EQ(readIntField(), INT_MAX);
        ++ints;
    }
    EXPECT_EQ(ints, 40'000);
}

}  // namespace
