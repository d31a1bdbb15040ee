// level_sets.cpp — which level sets there are, the change from one to
// another, each set's own table of best players, and a set from outside
// brought into Data.
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
#include "common/level_set.h"
#include "game/front/best_players.h"
#include "game/front/front.h"
#include "game/world/world.h"
#include "platform/platform.h"

#include <algorithm>
#include <memory>

namespace {

constexpr int kFile = 1;
constexpr const char* kTableExtension = ".bestenliste";
// Names tried for a set brought in: "<name>", then "<name>-2" up to this.
constexpr int kMostCopies = 99;
constexpr const char* kDefaultName = "Sammlung";
const char* const kNotStored = trMark("Die Sammlung kann nicht im Ordner Data gespeichert werden.");
const char* const kUnreadable = trMark("Die Datei fehlt oder kann nicht gelesen werden.");

void readSetBestPlayers(const std::string& name) {
    // A set played for the first time has no file: every line reads empty.
    openFile(setBestPlayersPath(name), FileMode::Input, kFile);
    readBestPlayerLines();
    closeFile(kFile);
}

// A file of that name can be opened in Data.
bool dataFileExists(const std::string& path) {
    openFile(path, FileMode::Input, kFile);
    return closeFile(kFile);
}

// The base name of a host path without its folders and ".zset", made a name
// that may stand in Data: printable ASCII only (the file manager's name may
// be in any encoding), no leading dot, no separators.
std::string nameOfHostFile(const std::string& hostPath) {
    std::string base = hostPath.substr(hostPath.find_last_of('/') + 1);
    const std::string extension = kLevelSetExtension;
    if (base.size() > extension.size() && base.compare(base.size() - extension.size(), extension.size(), extension) == 0)
        base.resize(base.size() - extension.size());
    std::string name;
    for (const char c : base) {
        const auto u = static_cast<unsigned char>(c);
        const bool plain = u > 0x20 && u < 0x7F && c != '\\' && c != '/';
        const char kept = plain ? c : '_';
        if (kept == '_' && !name.empty() && name.back() == '_') continue;
        name.push_back(kept);
    }
    while (!name.empty() && (name.front() == '.' || name.front() == '_')) name.erase(name.begin());
    name = name.substr(0, static_cast<std::size_t>(kMaxSetText));
    return checkFileName(name) == NameCheck::Valid ? name : kDefaultName;
}

}  // namespace

std::string setBestPlayersPath(const std::string& name) { return "Data\\" + name + kTableExtension; }

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
    // The shipped labyrinths are proven when the build makes them.
    sets.insert(sets.begin(), SetListEntry{"", tr(kShippedSetTitle), tr(kShippedSetAuthor), true, ""});
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

bool importLevelSet(const std::string& hostPath, std::string& name, std::string& refusal) {
    auto set = std::make_unique<LevelSet>();
    const bool opened = readFieldsFromOutside(hostPath);
    const bool read = opened && readLevelSetFields(*set, refusal);
    readFieldsFromOutside("");  // the file's bytes are let go
    if (!opened) refusal = tr(kUnreadable);
    if (!read) return false;

    auto there = std::make_unique<LevelSet>();
    std::string ignored;
    if (readLevelSet(levelSetPath(kShippedSetName), *there, ignored) && *there == *set) {
        name = "";
        return true;
    }
    const std::string base = nameOfHostFile(hostPath);
    for (int copy = 1; copy <= kMostCopies; ++copy) {
        const std::string candidate = copy == 1 ? base : base + "-" + std::to_string(copy);
        if (candidate == kShippedSetName) continue;
        const std::string path = levelSetPath(candidate);
        if (dataFileExists(path)) {
            // The same set brought in before is played as it is, with its table.
            if (readLevelSet(path, *there, ignored) && *there == *set) {
                name = candidate;
                return true;
            }
            continue;
        }
        // A table left by a set of that name, since deleted, is not inherited.
        if (dataFileExists(setBestPlayersPath(candidate))) continue;
        if (!writeLevelSet(path, *set)) break;
        name = candidate;
        return true;
    }
    refusal = tr(kNotStored);
    return false;
}
