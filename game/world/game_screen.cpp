// game_screen.cpp — opening the game's screen by the full-screen switch.
#include "game/world/game_screen.h"

#include "game/world/scene.h"
#include "game/world/world.h"
#include "platform/platform.h"

void openGameScreen() {
    if (world.fullScreen == 0 || world.fullScreen == 1) {
        openScreen(kScreenWidth, kScreenHeight, 32, kGamePages, world.fullScreen);
    }
}
