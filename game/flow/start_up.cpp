// start_up.cpp — what the game does once per run before the first game.
//
// Writes: what readSettings writes (switches, best players); fullScreen and
// fullScreenStored when the command line chooses the screen; recordName.
#include "game/flow/flow.h"

#include "game/front/front.h"
#include "game/world/game_constants.h"
#include "game/world/game_screen.h"
#include "game/world/sprite_catalogue.h"
#include "game/world/world.h"
#include "platform/platform.h"

namespace {
constexpr const char* kWindowTitle = "Zauberlabyrinth";

// --window or --fullscreen: this run opens its screen so, while the settings
// file keeps its own value unless the player switches in the menu.
void chooseScreenForThisRun(int fullScreen) {
    if (fullScreen != 0 && fullScreen != 1) return;
    world.fullScreenStored = world.fullScreen;
    world.fullScreen = fullScreen;
}
}  // namespace

void startUp(const RunOptions& options) {
    setFrameLog(options.frameLog);
    readSettings();
    // Where the host may end the game without a close request (a browser
    // page closed), the settings are stored as the menu's quit would.
    whenHostMayEnd(storeChangedSettings);
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
