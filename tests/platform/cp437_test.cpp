// Code page 437 and Unicode: typed text arrives from every host in UTF-8 and
// reaches the key buffer in code page 437, the character set of every text
// of the programs.
#include "platform/cp437_unicode.h"
#include "tests/platform/headless_screen.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Cp437, ConvertsTypedText) {
    EXPECT_EQ(core::utf8ToCp437("\xC3\xBC"), "\x81");  // u umlaut
    EXPECT_EQ(core::utf8ToCp437("\xC3\x9C"), "\x9A");  // U umlaut
    EXPECT_EQ(core::utf8ToCp437("\xC3\x9F"), "\xE1");  // sharp s
    EXPECT_EQ(core::utf8ToCp437("\xE2\x82\xAC"), "");  // euro sign: none in the code page
    EXPECT_EQ(core::utf8ToCp437("Anna \xE2\x82\xAC"
                                "5"),
              "Anna 5");
    EXPECT_EQ(core::utf8ToCp437("M\xC3\xBCller"), "M\x81ller");
    // Broken UTF-8 is dropped without taking the next character along.
    EXPECT_EQ(core::utf8ToCp437("a\xC3"
                                "b"),
              "ab");
    EXPECT_EQ(core::utf8ToCp437("a\x80\xBF"
                                "b"),
              "ab");
    EXPECT_EQ(core::utf8ToCp437("\xC0\xA1"), "");  // overlong '!'
    EXPECT_EQ(core::utf8ToCp437("\xE2\x82"), "");  // cut short at the end
}

TEST(Cp437, TheWholeCodePageGoesToUtf8AndBack) {
    for (int byte = 0x20; byte <= 0xFF; ++byte) {
        if (byte == 0x7F) continue;
        const std::string one(1, static_cast<char>(byte));
        EXPECT_EQ(core::utf8ToCp437(core::cp437ToUtf8(one)), one) << std::hex << byte;
    }
}

using TypedText = HeadlessScreen;

// What a player types on any host reaches the key buffer the same way.
TEST_F(TypedText, ReachesTheKeyBufferInCodePage437WithoutControlCharacters) {
    headless::typeHostText("M\xC3\xBCller \xE2\x82\xAC\t\x7F"
                           "!",
                           0.0);
    headless::advance(0);
    std::string taken;
    for (std::string key = takeKey(); !key.empty(); key = takeKey()) taken += key;
    EXPECT_EQ(taken, "M\x81ller !");
}

}  // namespace
