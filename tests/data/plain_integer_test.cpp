// The field reader's short way for data files: a plain integer field taken
// in one step must read exactly as the general rules read it.
#include "platform/field_source.h"
#include "platform/platform.h"
#include "tests/support/scratch_dir.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

class PlainIntegers : public ::testing::Test {
protected:
    ScratchDir dir;

    void TearDown() override { closeFile(1); }
    // Opens bytes as Data\in.dat on file 1 and makes it the field source.
    void source(const std::string& bytes) {
        dir.writeFile("Data/in.dat", bytes);
        openFile("Data\\in.dat", FileMode::Input, 1);
        beginFieldRead(1);
    }
};

// Data files take the common integer field in one step; typed lines always
// go through the general rules. Both must read any bytes alike, also where
// the short way gives up half-way (a tenth digit, a blank, a lone CR).
TEST_F(PlainIntegers, DataFilesReadIntegersAsTypedLinesDo) {
    std::mt19937 random(2024);
    const std::string alphabet = "0123456789999+-,,,\r\n\n \t.e\"x";
    for (int round = 0; round < 300; ++round) {
        std::string bytes(1 + random() % 60, ' ');
        for (char& c : bytes) c = alphabet[random() % alphabet.size()];
        std::vector<bool> asText(30);
        for (std::size_t i = 0; i < asText.size(); ++i) asText[i] = random() % 4 == 0;

        std::vector<std::string> fromLine;
        setLineFieldSource(bytes);
        for (bool text : asText) fromLine.push_back(text ? readStringField() : std::to_string(readIntField()));
        source(bytes);
        for (std::size_t i = 0; i < asText.size(); ++i) {
            const std::string read = asText[i] ? readStringField() : std::to_string(readIntField());
            ASSERT_EQ(read, fromLine[i]) << "read " << i << " of \"" << bytes << "\"";
        }
    }
}

}  // namespace
