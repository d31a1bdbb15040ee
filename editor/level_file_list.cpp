// level_file_list.cpp — the labyrinths in Data that the load dialog (F2)
// shows above its prompt, so nobody has to remember a file name.
//
// Newest first, as many as fit in a few rows; a file the game ships, as it
// was shipped, carries a star (one the player changed is the player's own).
// Typing works as before: the list only shows names. A name is stored in
// UTF-8 on disk and shown in code page 437, as it is typed; a character the
// code page lacks (a name from elsewhere), or a byte that is not UTF-8, shows
// as a small square, the usual mark of a character that cannot be drawn, so
// the rest of the name stays readable.
//
// Writes: nothing of the record.
#include "editor/commands.h"
#include "editor/drawing.h"

#include "common/demo_file.h"
#include "common/language.h"
#include "common/level_list.h"
#include "platform/platform.h"

#include <algorithm>

namespace {

constexpr std::size_t kMaxListRows = 4;
constexpr char kUnshowable = '\xFE';  // the small square of code page 437
constexpr const char* kHeader = trMark("Labyrinthe in Data, neueste zuerst (* mitgeliefert):");

// The other files in Data that end in ".dat": the settings and the title's
// demonstrations, which the editor cannot load as labyrinths.
bool isLevelFile(const std::string& name) {
    if (name == kProbeLevelName || name == kSettingsName) return false;
    for (int n = 1; n <= kRecordings; ++n) {
        if (levelFilePath(name) == recordingPath(n)) return false;
    }
    return true;
}

}  // namespace

std::vector<std::string> levelFileListLines() {
    std::vector<DataFileEntry> files = listDataFiles(".dat");
    std::erase_if(files, [](const DataFileEntry& file) { return !isLevelFile(file.name); });
    if (files.empty()) return {};
    std::stable_sort(files.begin(), files.end(), [](const DataFileEntry& a, const DataFileEntry& b) {
        return a.modified != b.modified ? a.modified > b.modified : a.name < b.name;
    });
    std::vector<std::string> names;
    for (const DataFileEntry& file : files) {
        std::string shown;
        textFromHost(file.name, shown, kUnshowable);
        names.push_back(shown + (file.shipped ? "*" : ""));
    }
    return nameListLines(tr(kHeader), names);
}

std::vector<std::string> nameListLines(const std::string& header, const std::vector<std::string>& names) {
    if (names.empty()) return {};
    std::vector<std::string> lines = {header};
    std::string line;
    for (const std::string& item : names) {
        if (!line.empty() && line.size() + 2 + item.size() > static_cast<std::size_t>(kTextColumns) - 1) {
            if (lines.size() == kMaxListRows) break;
            lines.push_back(line);
            line.clear();
        }
        if (!line.empty()) line += "  ";
        line += item;
    }
    if (!line.empty() && lines.size() <= kMaxListRows) lines.push_back(line);
    return lines;
}
