// name_entry.cpp — typeLine: one typed line, echoed on the text grid.
//
// The front end reads names itself rather than through the platform's line
// input so that the window's close button ends the program while a name is
// being typed: the loop looks at the close request between keystrokes.
// Keystrokes come from the key buffer; the backends put Backspace there as
// character 8, Enter as 13 and Esc as 27.
//
// Writes: nothing of World (quitGame on a close request).
#include "game/front/front.h"
#include "game/front/typed_name.h"

#include "platform/platform.h"

#include <string>

namespace {

constexpr int kPollMs = 10;  // pause while no key is waiting; keeps events flowing
constexpr char kBackspace = 8;
constexpr char kEnter = 13;
constexpr char kEscape = 27;
constexpr char kExtendedKey = '\xFF';
constexpr unsigned char kFirstPrintable = 0x20;
constexpr char kCaret = '_';

// The echo of the line: at (row, column), with the caret behind it while
// typing, padded with blanks over every cell drawn before, so that deleted
// characters vanish.
struct Echo {
    int row;
    int column;
    std::size_t drawn = 0;  // cells written so far

    void show(const std::string& line, bool caret) {
        std::string shown = line;
        if (caret) shown += kCaret;
        if (shown.size() < drawn) shown.resize(drawn, ' ');
        drawn = shown.size();
        setTextPos(row, column);
        printText(shown, false);
    }
};

}  // namespace

std::string typeLine(int row, int column, const std::string& prompt, int maxLength) {
    setTextPos(row, column);
    printText(prompt, false);
    Echo echo{row, column + static_cast<int>(prompt.size())};
    std::string line;
    echo.show(line, true);
    for (;;) {
        quitOnCloseRequest();
        const std::string key = takeKey();
        if (key.empty()) {
            sleepMs(kPollMs);
            continue;
        }
        if (key[0] == kExtendedKey && key.size() == 2) continue;
        const char c = key[0];
        if (c == kEnter) break;
        if (c == kBackspace) {
            if (!line.empty()) line.pop_back();
        } else if (c == kEscape) {
            line.clear();
        } else if (static_cast<unsigned char>(c) >= kFirstPrintable &&
                   line.size() < static_cast<std::size_t>(maxLength)) {
            line += c;
        }
        echo.show(line, true);
    }
    echo.show(line, false);
    setTextPos(row + 1, 1);
    return line;
}
