// level_sets.cpp — which level sets there are, the change from one to
// another, and each set's own table of best players.
//
// The shipped labyrinths stay what they always were, the files 001..008 with
// the table of the settings file. A set of the player's is read whole when
// it is chosen and played from memory, so nothing of it is ever written to
// 001..008; its table lives in a file of its own beside it.
//
// Writes: World::setName, set, demoCycle, bestNames, bestScores,
// shippedBestNames, shippedBestScores (chooseLevelSet).
#include "game/front/level_sets.h"

#include "common/file_names.h"
#include "common/language.h"
#include "common/level_list.h"
#include "common/level_set.h"
#include "common/level_set_import.h"
#include "game/front/best_players.h"
#include "game/front/front.h"
#include "game/world/world.h"
#include "platform/platform.h"

#include <algorithm>
#include <memory>

namespace {

constexpr int kFile = 1;
constexpr const char* kLevelExtension = ".dat";
// The note of the shipped labyrinths when the player changed some: the
// numbers of those, "1, 3".
const char* const kChangedShipped = trMark("Von dir ge\x84ndert, daher ohne \xFB: Labyrinth {0}");

void readSetBestPlayers(const std::string& name) {
    // A set played for the first time has no file: every line reads empty.
    openFile(setBestPlayersPath(name), FileMode::Input, kFile);
    readBestPlayerLines();
    closeFile(kFile);
}

// The shipped labyrinths' line. The build proved them; the game plays
// them from Data\001..008.dat, which the player may have changed in the
// editor since, so the proof holds only for those still as shipped
// (DataFileEntry::shipped).
SetListEntry shippedLabyrinths() {
    SetListEntry entry{"", tr(kShippedSetTitle), tr(kShippedSetAuthor), true, "", ""};
    const std::vector<DataFileEntry> files = listDataFiles(kLevelExtension);
    std::string changed;
    for (int n = 1; n <= kLevelCount; ++n) {
        const auto file = std::find_if(files.begin(), files.end(),
                                       [n](const DataFileEntry& f) { return f.name == kLevelNames[n - 1]; });
        if (file != files.end() && file->shipped) continue;
        changed += (changed.empty() ? "" : ", ") + std::to_string(n);
    }
    if (!changed.empty()) {
        entry.proven = false;
        entry.note = trFormat(kChangedShipped, {changed});
    }
    return entry;
}

}  // namespace

std::vector<SetListEntry> listLevelSets() {
    std::vector<SetListEntry> sets;
    for (const DataFileEntry& file : listDataFiles(kLevelSetExtension)) {
        if (file.name == kShippedSetName || checkFileName(file.name) != NameCheck::Valid) continue;
        SetListEntry entry;
        entry.name = file.name;
        auto set = std::make_unique<LevelSet>();
        if (readLevelSet(levelSetPath(file.name), *set, entry.refusal)) {
            entry.title = set->title;
            entry.author = set->author;
            entry.proven = isProven(*set);
        }
        if (entry.title.empty()) entry.title = file.name;
        sets.push_back(std::move(entry));
    }
    std::sort(sets.begin(), sets.end(), [](const SetListEntry& a, const SetListEntry& b) {
        return a.title != b.title ? a.title < b.title : a.name < b.name;
    });
    sets.insert(sets.begin(), shippedLabyrinths());
    return sets;
}

bool chooseLevelSet(const std::string& name, std::string& refusal) {
    if (name == world.setName) return true;
    LevelSet set;
    if (!name.empty()) {
        if (checkFileName(name) != NameCheck::Valid) {
            refusal = trFormat("Die Sammlung \"{0}\" fehlt.", {name.substr(0, kMaxSetText)});
            return false;
        }
        if (!readLevelSet(levelSetPath(name), set, refusal)) return false;
    }
    if (world.setName.empty()) {
        world.shippedBestNames = world.bestNames;
        world.shippedBestScores = world.bestScores;
    } else {
        writeBestPlayers();
    }
    world.setName = name;
    world.set = std::move(set);
    world.demoCycle = 0;
    if (name.empty()) {
        world.bestNames = world.shippedBestNames;
        world.bestScores = world.shippedBestScores;
    } else {
        readSetBestPlayers(name);
    }
    return true;
}

bool writeBestPlayers() {
    if (world.setName.empty()) return writeSettings();
    openFile(setBestPlayersPath(world.setName), FileMode::Output, kFile);
    writeBestPlayerLines(world.bestNames, world.bestScores);
    return closeFile(kFile);
}
