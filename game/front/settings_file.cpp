// settings_file.cpp — the settings file "Data\Einstellung.dat": the three
// switches on its first line, then one line per best player (name, score).
//
// Every setting is listed once, in file order; reading and writing walk the
// same lists, so the two cannot drift apart.
//
// The table is that of the shipped labyrinths; a level set of the player's
// keeps its own (level_sets.cpp), which writeSettings stores as well while
// that set is played.
//
// Writes: World::soundOn, joystickOn, fullScreen, bestNames[1..10],
// bestScores[1..10] (readSettings); World::settingsOnFile (both).
#include "game/front/best_players.h"
#include "game/front/front.h"
#include "game/front/level_sets.h"

#include "common/level_list.h"
#include "game/world/world.h"
#include "platform/platform.h"

#include <iterator>
#include <string>

namespace {

constexpr int kFile = 1;
const std::string kSettingsPath = levelFilePath(kSettingsName);

// The switches of the first line, in file order. Each is 0 (off, window) or
// 1 (on, full screen).
constexpr int RunState::*kSwitches[] = {
    &RunState::soundOn,     // sounds play
    &RunState::joystickOn,  // joystick 0 is read
    &RunState::fullScreen,  // the screen fills the display
};
constexpr int kSwitchCount = static_cast<int>(std::size(kSwitches));

// A damaged file may hold anything; a switch is on only when it reads 1.
// (A full-screen value of 2 would otherwise open no screen at all.)
int asSwitch(int value) { return value == 1 ? 1 : 0; }

// What the file gets for a switch: the full-screen choice of the command
// line holds for one run only, so the stored value goes back.
int storedValue(int RunState::*setting) {
    if (setting == &RunState::fullScreen && world.fullScreenStored >= 0) return world.fullScreenStored;
    return world.*setting;
}

// The values the file gets, in file order, as one text: what the file
// would hold, to tell whether writing it would change anything. A name
// cannot hold a double quote (the writer turns it into an apostrophe), so
// quoting keeps the names apart.
std::string settingsInFileOrder() {
    std::string text;
    for (int RunState::*setting : kSwitches) text += std::to_string(storedValue(setting)) + ",";
    for (int i = 1; i <= kBestPlayers; ++i) {
        text += "\"" + world.bestNames[i] + "\"," + std::to_string(world.bestScores[i]) + ",";
    }
    return text;
}

}  // namespace

void readSettings() {
    // A missing file opens nothing: every read gives 0 or the empty text,
    // which is the first start's sound off, joystick off, window, empty table.
    openFile(kSettingsPath, FileMode::Input, kFile);
    beginFieldRead(kFile);
    for (int RunState::*setting : kSwitches) world.*setting = asSwitch(readIntField());
    readBestPlayerLines();
    closeFile(kFile);
    world.settingsOnFile = settingsInFileOrder();
}

bool writeSettings() {
    // While a set of the player's is played, the table shown is that set's:
    // it goes to its own file, and the settings keep the shipped table.
    const bool shipped = world.setName.empty();
    const bool setTableWritten = shipped || writeBestPlayers();
    openFile(kSettingsPath, FileMode::Output, kFile);
    for (int k = 0; k < kSwitchCount; ++k) writeIntField(kFile, storedValue(kSwitches[k]), k == kSwitchCount - 1);
    writeBestPlayerLines(shipped ? world.bestNames : world.shippedBestNames,
                         shipped ? world.bestScores : world.shippedBestScores);
    if (!closeFile(kFile)) return false;
    world.settingsOnFile = settingsInFileOrder();
    return setTableWritten;
}

void storeChangedSettings() {
    if (settingsInFileOrder() != world.settingsOnFile) writeSettings();
}
