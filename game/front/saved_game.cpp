// saved_game.cpp — writing and reading a saved game, and the save and load
// dialogs of the in-game menu.
//
// The file is written field by field in one fixed order, walked by the same
// function for writing and reading, never by dumping memory.
//
// Writes (loadGame): World::map, playerX/Y, viewX/Y, pigs, flameGhosts,
// cleaners, eyes and their counts, heldItem, energy, level, score; what
// chooseLevelSet writes (a game of another set).
#include "game/front/saved_game.h"

#include "common/file_names.h"
#include "common/language.h"
#include "common/level_file.h"
#include "common/level_list.h"
#include "common/level_set.h"
#include "common/tile_codes.h"
#include "game/front/front.h"
#include "game/front/level_sets.h"
#include "game/world/game_constants.h"
#include "game/world/world.h"
#include "platform/platform.h"

#include <algorithm>
#include <iterator>
#include <memory>
#include <utility>

namespace {

constexpr int kFile = 1;

// Where the dialogs ask and show their messages.
constexpr int kDialogRow = 37;
constexpr int kDialogColumn = 38;
constexpr const char* kNamePrompt = trMark("Spielstand Name ");
constexpr int kMessagePauseMs = 2000;
constexpr const char* kSaveFailed = trMark("Speichern fehlgeschlagen");
constexpr const char* kNotFound = trMark("Spielstand nicht gefunden");

struct SavedGame {
    LevelData labyrinth;  // the level part, as a level file holds it
    int score = 0;
    int heldItem = 0;
    int energy = 0;
    int level = 0;
    std::string setName;  // the set played, "" for the shipped labyrinths
};

// The last line of the file, in order.
constexpr int SavedGame::*kLastLine[] = {&SavedGame::score, &SavedGame::heldItem, &SavedGame::energy, &SavedGame::level};
constexpr int kLastLineValues = static_cast<int>(std::size(kLastLine));

// The game fields of a damaged file brought into the ranges play uses. An
// energy below 0 is a dead wizard, as 0 is; taken as it stands, a value near
// the lowest integer would overflow at the first cost.
void makeGameFieldsSafe(SavedGame& game) {
    if (!isItemCode(game.heldItem)) game.heldItem = 0;
    game.energy = std::clamp(game.energy, 0, kFullEnergy);
    if (game.level < 1 || game.level > kLevelCount) game.level = 1;
}

// A message where the dialog was, covering the rest of its row, for about
// two seconds (a key press ends the pause early).
void showDialogMessage(const std::string& text) {
    std::string line = text;
    line.resize(static_cast<std::size_t>(kTextColumns - kDialogColumn + 1), ' ');
    setTextPos(kDialogRow, kDialogColumn);
    printText(line, false);
    sleepMs(kMessagePauseMs);
}

// The name dialog of both: the first field of the typed line. A name that
// is refused shows "Ungültiger Name" and comes back empty, as does an empty
// one: nothing is to be done. The close button ends the program here too.
std::string askGameName() {
    flushKeys();
    setTextPos(kDialogRow, kDialogColumn);
    inputLine(tr(kNamePrompt), true, true);
    quitOnCloseRequest();
    const std::string name = typedFileName(readStringField());
    if (checkFileName(name) == NameCheck::Refused) {
        showDialogMessage(tr(kInvalidNameText));
        return "";
    }
    return name;
}

}  // namespace

std::string savedGamePath(const std::string& name) { return dataFilePath(name, ".sav"); }

bool saveGame(const std::string& path) {
    const auto game = std::make_unique<SavedGame>();
    takeLevelFromWorld(game->labyrinth);
    game->score = world.score;
    game->heldItem = world.heldItem;
    game->energy = world.energy;
    game->level = world.level;

    openFile(path, FileMode::Output, kFile);
    // Unlike the level file, the saved game puts every level value on a line
    // of its own.
    forEachLevelValue(std::as_const(game->labyrinth), [](int value, bool) { writeIntField(kFile, value, true); });
    for (int k = 0; k < kLastLineValues; ++k) writeIntField(kFile, (*game).*kLastLine[k], k == kLastLineValues - 1);
    // A game of a set of the player's names the set on one more line; a
    // game of the shipped labyrinths ends where saved games always ended.
    if (!world.setName.empty()) writeStringField(kFile, world.setName, true);
    return closeFile(kFile);
}

bool loadGame(const std::string& path, std::string* refusal) {
    const auto game = std::make_unique<SavedGame>();
    openFile(path, FileMode::Input, kFile);
    forEachLevelValue(game->labyrinth, [](int& value, bool) {
        beginFieldRead(kFile);
        value = readIntField();
    });
    beginFieldRead(kFile);
    for (int SavedGame::*field : kLastLine) (*game).*field = readIntField();
    // Missing in a game of the shipped labyrinths, and in every file saved
    // before there were sets: the empty text.
    beginFieldRead(kFile);
    game->setName = typedFileName(readStringField());
    if (!closeFile(kFile)) return false;  // nothing could be opened

    // The game goes on in its own set, whose door leads to its next labyrinth.
    std::string why;
    if (!chooseLevelSet(game->setName, why)) {
        if (refusal) {
            const bool there = checkFileName(game->setName) == NameCheck::Valid &&
                               (openFile(levelSetPath(game->setName), FileMode::Input, kFile), closeFile(kFile));
            const std::string name = game->setName.substr(0, kMaxSetText);
            *refusal = there ? trFormat("Sammlung besch\x84"
                                        "digt: {0}",
                                        {name})
                             : trFormat("Sammlung fehlt: {0}", {name});
        }
        return false;
    }

    makeLevelSafe(game->labyrinth);
    makeGameFieldsSafe(*game);
    putLevelIntoWorld(game->labyrinth);
    world.heldItem = game->heldItem;
    world.energy = game->energy;
    world.level = game->level;
    world.score = 0;  // the stored score is not carried on
    return true;
}

void saveGameDialog() {
    const std::string name = askGameName();
    if (name.empty()) return;
    if (!saveGame(savedGamePath(name))) showDialogMessage(tr(kSaveFailed));
    flushKeys();
}

bool loadGameDialog() {
    const std::string name = askGameName();
    if (name.empty()) return false;
    std::string refusal;
    const bool loaded = loadGame(savedGamePath(name), &refusal);
    if (!loaded) showDialogMessage(refusal.empty() ? tr(kNotFound) : refusal);
    flushKeys();
    return loaded;
}
