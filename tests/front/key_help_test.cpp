// The key help panel (F1) holds every line of the game's command table: a
// new key or a longer text that would run over the masonry or under the
// closing line fails here.
#include "game/world/command_table.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string_view>

namespace {

// The panel's black area holds text columns 21..80; keys print from column
// 22, texts from 42; the lines go two rows apart from row 22, the title's
// heading two further rows down, and the closing line is on row 54.
constexpr int kKeyWidth = 42 - 22 - 1;  // a blank before the text
constexpr int kTextWidth = 80 - 42 + 1;
constexpr int kLinesBeforeClosing = (54 - 22) / 2 - 1;  // the heading's extra gap is one line

TEST(KeyHelp, EveryLineOfTheCommandTableFitsThePanel) {
    int lines = 1;  // the title screen's heading
    for (const GameKey& key : gameKeys()) {
        if (!key.label) continue;
        SCOPED_TRACE(key.label);
        EXPECT_LE(static_cast<int>(std::strlen(key.label)), kKeyWidth);
        std::string_view help = key.help;
        for (;;) {
            const std::size_t end = help.find('\n');
            EXPECT_LE(static_cast<int>(help.substr(0, end).size()), kTextWidth);
            ++lines;
            if (end == std::string_view::npos) break;
            help.remove_prefix(end + 1);
        }
    }
    EXPECT_LE(lines, kLinesBeforeClosing);
}

}  // namespace
