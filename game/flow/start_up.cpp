// start_up.cpp — what the game does once per run before the first game.
//
// Writes: what readSettings writes (switches, best players); fullScreen and
// fullScreenStored when the command line chooses the screen; recordName;
// what chooseLevelSet writes (a set from the command line).
#include "game/flow/flow.h"

#include "common/level_set_import.h"
#include "game/front/front.h"
#include "game/front/level_sets.h"
#include "game/world/game_constants.h"
#include "game/world/game_screen.h"
#include "game/world/sprite_catalogue.h"
#include "game/world/world.h"
#include "platform/platform.h"

namespace {
constexpr const char* kWindowTitle = "Zauberlabyrinth";
constexpr const char* kProgramName = "zauberlabyrinth";

// --window or --fullscreen: this run opens its screen so, while the settings
// file keeps its own value unless the player switches in the menu.
void chooseScreenForThisRun(int fullScreen) {
    if (fullScreen != 0 && fullScreen != 1) return;
    world.fullScreenStored = world.fullScreen;
    world.fullScreen = fullScreen;
}
}  // namespace

CommandLineResult takeSetFile(RunOptions& options) {
    CommandLineResult result;
    if (options.setFile.empty()) return result;
    std::string refusal;
    if (importLevelSet(options.setFile, options.setName, refusal) == SetImport::Refused) {
        result = CommandLineResult{
            false, 1, "", std::string(kProgramName) + ": " + options.setFile + ": " + textForTerminal(refusal) + "\n"};
    }
    return result;
}

void startUp(const RunOptions& options) {
    setFrameLog(options.frameLog);
    readSettings();
    // Where the host may end the game without a close request (a browser
    // page closed), the settings are stored as the menu's quit would.
    whenHostMayEnd(storeChangedSettings);
    // A set the browser page is handed (dropped on it or picked) comes into
    // Data as one from the command line does; the list (F2) shows it.
    whenHostHandsFile(takeHandedLevelSet);
    // The set was read when it was brought in; should it be gone since, the
    // shipped labyrinths are played.
    std::string refusal;
    if (!options.setName.empty()) chooseLevelSet(options.setName, refusal);
    chooseScreenForThisRun(options.fullScreen);
    world.recordName = options.recordName;
    // The window opens with its name; the wizard becomes its icon once the
    // images are loaded.
    nameWindow(kWindowTitle, nullptr);
    openGameScreen();
    setMouse(kPointerCentreX, kPointerCentreY, false);
    loadAllImages();
    nameWindow(kWindowTitle, image(Img::Zaub1));
}
