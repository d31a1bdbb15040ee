// Typed file names: one file inside Data and nothing else, for the game's
// saved games and the editor's levels alike.
#include "common/file_names.h"

#include <gtest/gtest.h>

namespace {

TEST(FileNames, ANameNamesOneFileInsideData) {
    EXPECT_EQ(checkFileName(""), NameCheck::Empty);
    for (const char* bad : {"../x", "a/b", "a\\b", ".hidden", "..", "tab\there", "del\x7f", "\x1b"}) {
        EXPECT_EQ(checkFileName(bad), NameCheck::Refused) << bad;
    }
    for (const char* good : {"Spiel1", "Anna Maria", "a.b", "Gr\x81n", "001"}) {
        EXPECT_EQ(checkFileName(good), NameCheck::Valid) << good;
    }
    EXPECT_EQ(typedFileName("001 \t "), "001");
    EXPECT_EQ(typedFileName("  a b"), "  a b") << "only trailing blanks go";
}

}  // namespace
