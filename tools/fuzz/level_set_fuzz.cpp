// level_set_fuzz.cpp — any bytes as a level set file, read by the one set
// reader the game, the editor and the level tool share. A file is either
// refused, with a reason and the set handed in untouched, or read whole:
// then it holds eight places, at most one closing scene and four
// demonstrations on labyrinths 1..8, texts that fit and hold no control
// character, and only ways that walk to their doors; each labyrinth, made
// safe as the game and the editor make it, lies inside the map and the
// tables.
//
// A set is eight level files and more long: each 0xFF byte of the input
// stands for the 34,625 values of an empty labyrinth ("0," each), and each
// 0xFE for all of them but the first two, which the input then spells out
// before it (say "0,29," and 0xFE: the door below the start cell (1, 1)),
// so a few hundred bytes reach every part of the file. Marks after the
// tenth (eight places, a closing scene, one too many) stay bytes: more
// would only slow the search down.
#include "common/level_set.h"
#include "common/wizard_walk.h"
#include "tools/fuzz/fuzz_support.h"
#include "tools/invariants/invariants.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace {

constexpr unsigned char kLevelMark = 0xFF;
constexpr unsigned char kLevelRestMark = 0xFE;
constexpr int kSpelledValues = 2;
constexpr int kMostLevels = 10;

std::string zeros(int count) {
    std::string values;
    for (int k = 0; k < count; ++k) values += "0,";
    return values;
}

std::string withLevels(const std::uint8_t* data, std::size_t size) {
    static const std::string kEmptyLevel = zeros(kLevelFileValues);
    static const std::string kLevelRest = zeros(kLevelFileValues - kSpelledValues);
    std::string file;
    int levels = 0;
    for (std::size_t i = 0; i < size; ++i) {
        const bool expand = levels < kMostLevels && (data[i] == kLevelMark || data[i] == kLevelRestMark);
        levels += expand ? 1 : 0;
        if (expand && data[i] == kLevelMark) {
            file += kEmptyLevel;
        } else if (expand) {
            file += kLevelRest;
        } else {
            file.push_back(static_cast<char>(data[i]));
        }
    }
    return file;
}

bool fits(const std::string& text) {
    if (text.size() > static_cast<std::size_t>(kMaxSetText)) return false;
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::putFile("Data/welt.zset", withLevels(data, size));
    auto set = std::make_unique<LevelSet>(emptyLevelSet("vorher"));
    std::string refusal;
    if (!readLevelSet("Data\\welt.zset", *set, refusal)) {
        fuzz::require(!refusal.empty(), "a file was refused without a reason");
        fuzz::require(*set == emptyLevelSet("vorher"), "a refused file changed the set");
        return 0;
    }
    fuzz::require(set->labyrinths.size() == static_cast<std::size_t>(kLevelCount), "not eight places");
    fuzz::require(set->closingScene.size() <= 1, "more than one closing scene");
    fuzz::require(set->demonstrations.size() <= static_cast<std::size_t>(kMaxSetDemonstrations),
                  "too many demonstrations");
    for (const SetDemonstration& demo : set->demonstrations) {
        fuzz::require(demo.place >= 1 && demo.place <= kLevelCount, "a demonstration on no labyrinth");
    }
    fuzz::require(fits(set->title) && fits(set->author), "a title or author that does not fit");
    for (SetLabyrinth& place : set->labyrinths) {
        fuzz::require(fits(place.name), "a name that does not fit");
        fuzz::require(place.route.size() <= static_cast<std::size_t>(kMaxRouteCommands), "a way too long");
        fuzz::require(place.route.empty() || routeReachesDoor(place.level, place.route),
                      "a way kept that misses its door");
        makeLevelSafe(place.level);
        fuzz::require(invariants::safeLevel(place.level));
    }
    return 0;
}
