// Tests of inputLine: the typed line, its editing keys, its echo on the text
// grid, and the field reads that take the line as their source.
#include "tests/platform/headless_screen.h"

#include <string>

namespace {

using InputLine = HeadlessScreen;

const std::string kLeft = std::string("\xFF") + static_cast<char>(75);
const std::string kRight = std::string("\xFF") + static_cast<char>(77);
const std::string kHome = std::string("\xFF") + static_cast<char>(71);
const std::string kEnd = std::string("\xFF") + static_cast<char>(79);
const std::string kDelete = std::string("\xFF") + static_cast<char>(83);

// Scripts the keystrokes at time `at`: single characters are typed, two-byte
// "\xFF" + code strings are extended keys.
void typeKeys(const std::vector<std::string>& keys, double at) {
    for (const std::string& key : keys) {
        if (key.size() == 2 && key[0] == '\xFF')
            headless::extendedKey(static_cast<unsigned char>(key[1]), at);
        else
            headless::typeText(key, at);
    }
}

// Types a long text ten characters at a time, 20 ms apart, so that the key
// buffer (15 keystrokes) never overflows while inputLine takes them.
void typeSlowly(const std::string& text, double start) {
    for (std::size_t i = 0; i < text.size(); i += 10) headless::typeText(text.substr(i, 10), start + 0.002 * i);
}

TEST_F(InputLine, TheTypedLineWithBackspaceFeedsTheFieldReader) {
    headless::typeText("Annx\x08", 0.1);
    headless::typeText("a, Bert\r", 0.2);
    setTextPos(5, 1);
    inputLine("Datei Name", true, true);
    EXPECT_EQ(readStringField(), "Anna");
    EXPECT_EQ(readStringField(), "Bert");
    EXPECT_EQ(readStringField(), "");
    EXPECT_GE(headless::clock(), 0.2);
}

TEST_F(InputLine, ResetForgetsTheTypedLine) {
    headless::typeText("Anna\r", 0.0);
    inputLine("", false, false);
    headless::reset();
    EXPECT_EQ(readStringField(), "");
}

TEST_F(InputLine, LeadingBlanksAndEmptyLinesReadAsExpected) {
    headless::typeText("  Anna\r", 0.0);
    inputLine("Deinen Namen Bitte ?", false, true);
    EXPECT_EQ(readStringField(), "Anna");
    headless::typeText("\r", 0.1);
    inputLine("", false, false);
    EXPECT_EQ(readStringField(), "");
    headless::typeText("-42\r", 0.2);
    inputLine("", false, false);
    EXPECT_EQ(readIntField(), -42);
}

TEST_F(InputLine, CursorKeysDeleteAndEscapeEditTheLine) {
    typeKeys({"a", "c", kLeft, "b", kEnd, "d", kHome, kDelete, kRight, kRight, kRight, "e", "\r"}, 0.0);
    inputLine("", false, false);
    EXPECT_EQ(readStringField(), "bcde");
    typeKeys({"w", "r", "o", "n", "g", "\x1B", "r", "i", "g", "h", "t", "\x08"}, 0.1);
    typeKeys({kLeft, kLeft, "\x08", kHome, kLeft, "\x08", "X", "\r"}, 0.2);
    inputLine("", false, false);
    EXPECT_EQ(readStringField(), "Xrgh");
}

TEST_F(InputLine, OtherExtendedKeysAndControlCharactersAreIgnored) {
    headless::typeText("a\x01\tb", 0.0);
    headless::extendedKey(59, 0.0);
    headless::typeText("\r", 0.0);
    inputLine("", false, false);
    EXPECT_EQ(readStringField(), "ab");
}

TEST_F(InputLine, TheCloseRequestEndsTheLineAsTypedAndStaysPending) {
    headless::typeText("Max", 0.0);
    headless::closeRequest(0.5);
    headless::typeText("\r", 5.0);
    inputLine("", false, false);
    EXPECT_LT(headless::clock(), 1.0) << "no waiting for Enter";
    EXPECT_EQ(readStringField(), "Max");
    EXPECT_TRUE(takeCloseRequest());
}

TEST_F(InputLine, TheEchoShowsPromptQuestionMarkAndLineThenTheCursorMovesOn) {
    headless::typeText("Max\r", 0.0);
    setTextPos(5, 1);
    inputLine("Spielstand Name ", true, false);
    // Without newlineAfter the cursor stands behind the line.
    printText("!", false);
    setTextPos(7, 1);
    printText("Spielstand Name ? Max!", false);
    EXPECT_TRUE(sameBlock(0, 0, 32, 0, 48, 8 * 22, 8));

    // With newlineAfter it stands at column 1 of the next row.
    headless::typeText("Max\r", 0.1);
    setTextPos(20, 1);
    inputLine("Name", true, true);
    printText("X", false);
    setTextPos(22, 1);
    printText("X", false);
    EXPECT_TRUE(sameBlock(0, 0, 160, 0, 168, 8, 8));
}

TEST_F(InputLine, LongLinesAreBoundedAndStayOnTheirRowOfTheGrid) {
    fillPage(0, 0x00000022u);
    setTextPos(75, 90);
    typeSlowly(std::string(5000, 'x') + "\r", 0.0);
    inputLine("Name", true, true);
    // Row 75 is y 592..599; nothing above it changed.
    EXPECT_EQ(changedOutside(0, 0, 592, 799, 599, 0x00000022u), 0);
    EXPECT_EQ(readStringField(), std::string(4096, 'x'));
}

TEST_F(InputLine, AShorterLineBlanksWhatTheLongerOneHadDrawn) {
    fillPage(0, 0x00000022u);
    setTextPos(3, 1);
    headless::typeText("abcdef", 0.0);
    headless::typeText("\x08\x08\x08\x08\r", 0.1);
    inputLine("", false, false);
    setTextPos(5, 1);
    printText("ab    ", false);
    EXPECT_TRUE(sameBlock(0, 0, 16, 0, 32, 8 * 6, 8));
    // Beyond the widest echo (the line plus the caret cell) nothing changed.
    EXPECT_EQ(headless::pixel(0, 8 * 7, 16), 0x00000022u);
}

}  // namespace
