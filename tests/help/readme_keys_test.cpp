// The README's key tables are written by hand; every key of the two
// command tables must stand in them, under the key's English name.
#include "editor/command_table.h"
#include "game/world/command_table.h"
#include "platform/scancodes.h"
#include "tests/support/read_whole_file.h"

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The English names the README gives the keys, by set-1 scancode; letters
// are named by their German label, the US one in brackets where it differs.
const std::map<int, std::string> kKeyNames = {
    {scancode::Up, "arrow keys"},    {scancode::Down, "arrow keys"}, {scancode::Left, "arrow keys"},
    {scancode::Right, "arrow keys"}, {scancode::Space, "Space"},     {scancode::Enter, "Enter"},
    {scancode::Esc, "Esc"},          {scancode::Tab, "Tab"},         {scancode::Z, "Z [Y]"},
    {scancode::Y, "Y [Z]"},
};
// The rows that name no key, by their German label.
const std::map<std::string, std::vector<std::string>> kDeviceNames = {
    {"Maus", {"mouse pushed away from the centre"}}, {"Joystick, Gamepad", {"joystick", "game pad"}},
    {"linke Maustaste", {"left mouse button"}},      {"Maus links", {"left mouse button"}},
    {"Maus rechts", {"right mouse button"}},         {"Umschalt+Klick", {"Shift + left click"}},
};

// The name of a set-1 key: the list above, F1..F10, digits and letters.
std::string keyName(int scancode) {
    if (const auto named = kKeyNames.find(scancode); named != kKeyNames.end()) return named->second;
    if (scancode >= scancode::F1 && scancode < scancode::F1 + 10)
        return "F" + std::to_string(scancode - scancode::F1 + 1);
    if (scancode >= scancode::Digit1 && scancode <= scancode::Digit0) return std::to_string((scancode - 1) % 10);
    // The letter rows of the keyboard, German labels.
    static const std::string kRows = "QWERTZUIOP    ASDFGHJKL     YXCVBNM";
    const int at = scancode - scancode::Q;
    return at >= 0 && at < static_cast<int>(kRows.size()) && kRows[at] != ' ' ? std::string(1, kRows[at]) : "?";
}

// The first cells of the README's tables between the headings `from` and
// the next heading of that level, each cut into its keys at ", " and " / ".
std::vector<std::string> keyCells(const std::string& readme, const std::string& from) {
    std::vector<std::string> keys;
    std::istringstream lines(readme.substr(readme.find(from) + from.size()));
    for (std::string line; std::getline(lines, line) && line.rfind("## ", 0) != 0;) {
        if (line.rfind("| ", 0) != 0) continue;
        std::string cell = line.substr(2, line.find(" |", 1) - 2);
        for (std::size_t cut; (cut = std::min(cell.find(", "), cell.find(" / "))) != std::string::npos;) {
            keys.push_back(cell.substr(0, cut));
            cell.erase(0, cut + (cell.compare(cut, 2, ", ") == 0 ? 2 : 3));
        }
        keys.push_back(cell);
    }
    return keys;
}

// True when one of the cells is the name, or starts with it and a blank
// ("joystick (when ...)").
bool listed(const std::vector<std::string>& cells, const std::string& name) {
    for (const std::string& cell : cells) {
        if (cell == name || cell.rfind(name + " ", 0) == 0) return true;
    }
    return false;
}

void expectListed(const std::vector<std::string>& cells, const std::vector<std::string>& names, const char* row) {
    ASSERT_FALSE(names.empty()) << "no English name known for \"" << row << "\": add it to this test";
    for (const std::string& name : names) EXPECT_TRUE(listed(cells, name)) << name << " (" << row << ")";
}

const std::string kReadme = readWholeFile(std::string(ZL_SOURCE_DIR) + "/README.md");

TEST(Readme, ListsEveryKeyOfTheGamesCommandTable) {
    const std::vector<std::string> cells = keyCells(kReadme, "\n## Playing\n");
    for (const GameKey& key : gameKeys()) {
        const char* row = key.label ? key.label : "(with the row above)";
        if (key.scancode != 0) {
            expectListed(cells, {keyName(key.scancode)}, row);
        } else {
            const auto device = kDeviceNames.find(key.label);
            expectListed(cells, device == kDeviceNames.end() ? std::vector<std::string>{} : device->second, row);
        }
    }
}

TEST(Readme, ListsEveryKeyOfTheEditorsCommandTable) {
    const std::vector<std::string> cells = keyCells(kReadme, "\n## The editor\n");
    for (const EditorCommand& command : editorCommands()) {
        const char* row = command.label ? command.label : "(with the row above)";
        const std::string letter(1, static_cast<char>(std::toupper(command.key)));
        switch (command.trigger) {
            case KeyTrigger::Repeat:
            case KeyTrigger::Once:
            case KeyTrigger::OnceAndSpend: expectListed(cells, {keyName(command.key)}, row); break;
            case KeyTrigger::Control: expectListed(cells, {"Ctrl+" + letter}, row); break;
            case KeyTrigger::ControlShift: expectListed(cells, {"Ctrl+Shift+" + letter}, row); break;
            case KeyTrigger::Pointer: {
                const auto device = kDeviceNames.find(command.label);
                expectListed(cells, device == kDeviceNames.end() ? std::vector<std::string>{} : device->second, row);
                break;
            }
        }
    }
}

}  // namespace
