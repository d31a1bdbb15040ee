// input_line.cpp — inputLine: one typed line, echoed on the text grid, that
// becomes the source of the next field reads.
//
// Keystrokes come from the key buffer (takeKey). The backends put Backspace
// there as character 8, Enter as 13 and Esc as 27; Home, cursor left, cursor
// right, End and Delete as the extended keys 71, 75, 77, 79 and 83. Enter
// ends the line, Esc clears it, the others edit at the caret, which shows as
// a cell in swapped colours. Other extended keys and other control characters
// are ignored. The window's close request ends the input at once with the
// line typed so far and stays pending, so that the program, asking
// takeCloseRequest(), can keep what was typed or drop it, and end instead of
// waiting for Enter.
//
// The line holds at most kMaxLineLength characters. It is echoed from the
// cursor to the right edge of the grid; a longer line scrolls sideways so the
// caret stays in view, and nothing is drawn outside the grid. While no key is
// waiting the loop sleeps 10 ms at a time, which keeps the window's events
// flowing. The text-entry hook (host_hooks.h) hears when the line starts and
// ends, so that a backend can offer a device's own keyboard meanwhile.
#include "platform/field_source.h"
#include "platform/host_hooks.h"
#include "platform/keyboard_state.h"
#include "platform/platform.h"
#include "platform/screen_state.h"
#include "platform/text_grid.h"

#include <algorithm>
#include <string>

namespace {

constexpr std::size_t kMaxLineLength = 4096;
constexpr int kPollMs = 10;

constexpr char kBackspace = 8;
constexpr char kEnter = 13;
constexpr char kEscape = 27;
constexpr unsigned char kHome = 71;
constexpr unsigned char kLeft = 75;
constexpr unsigned char kRight = 77;
constexpr unsigned char kEnd = 79;
constexpr unsigned char kDelete = 83;

struct LineEditor {
    std::string text;
    std::size_t caret = 0;  // insertion point, 0..text.size()
    std::size_t view = 0;   // index of the first character shown
    int row = 1;            // where the echo starts
    int column = 1;
    int width = 0;       // cells from `column` to the right edge of the grid
    int drawnCells = 0;  // cells written so far, blanked again when the line shrinks

    void draw(bool showCaret) {
        if (width <= 0) return;
        const std::size_t cells = static_cast<std::size_t>(width);
        if (caret < view) view = caret;
        if (caret >= view + cells) view = caret - cells + 1;
        const std::size_t shown = std::min(cells, text.size() - std::min(view, text.size()) + 1);
        const int count = std::max(drawnCells, static_cast<int>(shown));
        const core::TextGrid& grid = core::screen.text;
        for (int i = 0; i < count; ++i) {
            const std::size_t index = view + static_cast<std::size_t>(i);
            const unsigned char c = index < text.size() ? static_cast<unsigned char>(text[index]) : ' ';
            const bool atCaret = showCaret && index == caret;
            core::drawCell(row, column + i, c, atCaret ? grid.background : grid.foreground,
                           atCaret ? grid.foreground : grid.background);
        }
        drawnCells = count;
    }

    // Applies one keystroke; true when it was Enter.
    bool apply(const std::string& key) {
        if (key.size() == 2 && key[0] == '\xFF') {
            switch (static_cast<unsigned char>(key[1])) {
                case kHome: caret = 0; break;
                case kEnd: caret = text.size(); break;
                case kLeft: caret -= caret > 0 ? 1 : 0; break;
                case kRight: caret += caret < text.size() ? 1 : 0; break;
                case kDelete:
                    if (caret < text.size()) text.erase(caret, 1);
                    break;
                default: break;
            }
            return false;
        }
        const char c = key[0];
        if (c == kEnter) return true;
        if (c == kEscape) {
            text.clear();
            caret = 0;
        } else if (c == kBackspace) {
            if (caret > 0) text.erase(--caret, 1);
        } else if (static_cast<unsigned char>(c) >= 0x20 && text.size() < kMaxLineLength) {
            text.insert(caret++, 1, c);
        }
        return false;
    }
};

}  // namespace

void inputLine(const std::string& prompt, bool question, bool newlineAfter) {
    printText(prompt, false);
    if (question) printText("? ", false);

    core::TextGrid& grid = core::screen.text;
    LineEditor editor;
    editor.row = grid.row;
    editor.column = grid.column;
    editor.width = grid.row <= grid.rows ? kTextColumns + 1 - grid.column : 0;
    editor.draw(true);
    if (core::textEntry) core::textEntry(true);
    for (;;) {
        const std::string key = takeKey();
        if (core::keyboard.closeRequested) break;
        if (key.empty()) {
            sleepMs(kPollMs);
            continue;
        }
        if (editor.apply(key)) break;
        editor.draw(true);
    }
    if (core::textEntry) core::textEntry(false);
    editor.caret = 0;
    editor.view = 0;
    editor.draw(false);

    grid.row = editor.row;
    grid.column = static_cast<int>(
        std::min<std::size_t>(static_cast<std::size_t>(editor.column) + editor.text.size(), kTextColumns + 1));
    if (newlineAfter) printText("", true);
    setLineFieldSource(editor.text);
    // Enter, or a command key held while typing, must not act again.
    spendHeldKeys();
}
