// level_set_import.cpp — a set from outside Data brought in under a name of
// its own (common/level_set_import.h).
//
// The set is read whole first, so a file that is no playable set writes
// nothing; then the names "<name>", "<name>-2", ... are tried in turn. A
// name is free when neither a set nor a table of best players stands under
// it; a set under it that equals the one brought in is that set again.
//
// Writes: Data\<name>.zset (through the level set writer); no record, only
// its own count of the sets handed in (levelSetsHanded).
#include "common/level_set_import.h"

#include "common/file_names.h"
#include "common/language.h"
#include "common/level_set.h"
#include "platform/platform.h"

#include <algorithm>
#include <cctype>
#include <memory>

namespace {

constexpr int kFile = 1;
constexpr const char* kTableExtension = ".bestenliste";
// Names tried for a set brought in: "<name>", then "<name>-2" up to this.
constexpr int kMostCopies = 99;
constexpr const char* kDefaultName = "Sammlung";
const char* const kNotStored = trMark("Die Sammlung kann nicht im Ordner Data gespeichert werden.");
const char* const kUnreadable = trMark("Die Datei fehlt oder kann nicht gelesen werden.");
// Sets added by takeHandedLevelSet in this run (levelSetsHanded).
int handedSets = 0;

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
    // ".zset" in any case: a file copied from a system that shouts is "WELT.ZSET".
    const auto sameLetter = [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; };
    if (base.size() > extension.size() &&
        std::equal(base.end() - static_cast<std::ptrdiff_t>(extension.size()), base.end(), extension.begin(), sameLetter))
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

SetImport importLevelSet(const std::string& hostPath, std::string& name, std::string& refusal) {
    auto set = std::make_unique<LevelSet>();
    const bool opened = readFieldsFromOutside(hostPath);
    const bool read = opened && readLevelSetFields(*set, refusal);
    readFieldsFromOutside("");  // the file's bytes are let go
    if (!opened) refusal = tr(kUnreadable);
    if (!read) return SetImport::Refused;

    auto there = std::make_unique<LevelSet>();
    std::string ignored;
    if (readLevelSet(levelSetPath(kShippedSetName), *there, ignored) && *there == *set) {
        name = "";
        return SetImport::Shipped;
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
                return SetImport::Present;
            }
            continue;
        }
        // A table left by a set of that name, since deleted, is not inherited.
        if (dataFileExists(setBestPlayersPath(candidate))) continue;
        if (!writeLevelSet(path, *set)) break;
        name = candidate;
        return SetImport::Added;
    }
    refusal = tr(kNotStored);
    return SetImport::Refused;
}

bool takeHandedLevelSet(const std::string& hostPath, std::string& answer) {
    std::string name;
    std::string refusal;
    const SetImport how = importLevelSet(hostPath, name, refusal);
    if (how == SetImport::Refused) {
        answer = refusal;
        return false;
    }
    if (how == SetImport::Added) ++handedSets;
    answer = name;
    return true;
}

int levelSetsHanded() { return handedSets; }
