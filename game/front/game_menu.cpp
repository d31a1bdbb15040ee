// game_menu.cpp — the in-game menu: its lines, the frame moved by the
// cursor keys, the mouse or the game pad, and what each line does.
//
// The menu is modal: it runs its own loop, about one pass every 3 ms, while
// the game stands still. The mouse pointer is kept at the screen's centre; a
// push above or below the band y 289..320 moves the frame one line.
//
// Writes: World::menuCursor, soundOn, joystickOn, fullScreen,
// fullScreenStored, sceneShown;
// what the saved-game dialogs write.
#include "game/front/menu.h"

#include "game/front/front.h"
#include "game/front/saved_game.h"

#include "common/language.h"
#include "game/world/game_screen.h"
#include "game/world/paced_dissolve.h"
#include "game/world/scene.h"
#include "game/world/sound_catalogue.h"
#include "game/world/world.h"
#include "platform/platform.h"

namespace {

constexpr int kPassPauseMs = 3;
constexpr int kMovePauseMs = 50;  // after a move of the frame or a switch
constexpr int kBandTop = 289;     // the neutral band of the pointer: above
constexpr int kBandBottom = 320;  // it the frame goes up, below it down

void recentrePointer() { setMouse(kPointerCentreX, kPointerCentreY, false); }

// Back to play (or the title): the scene returns with its dissolve.
void redrawScene() {
    world.sceneShown = 0;
    renderScene();
    showHeldItem();
}

MenuExit chooseSave(const MenuLine&) {
    saveGameDialog();
    redrawScene();
    return MenuExit::Leave;
}

MenuExit chooseLoad(const MenuLine&) {
    const bool loaded = loadGameDialog();
    redrawScene();
    return loaded ? MenuExit::Loaded : MenuExit::Leave;
}

MenuExit chooseBack(const MenuLine&) {
    redrawScene();
    return MenuExit::Leave;
}

// The screen goes black in a random scatter of points, paced over about a
// second (paced_dissolve.h), then the program ends. Points fall on x 1..800
// and y 1..600: column 0 and row 0 stay, the last ones fall off the page.
[[noreturn]] MenuExit chooseQuit(const MenuLine&) {
    pacedDissolve(kDissolvePixels, [] {
        const int x = static_cast<int>(random01() * kScreenWidth) + 1;
        const int y = static_cast<int>(random01() * kScreenHeight) + 1;
        setPixel(x, y, kBlack);
    });
    quitGame();
}

void flip(const MenuLine& line) {
    int& setting = world.*line.setting;
    setting = setting == 1 ? 0 : 1;
}

// Sound and joystick act from their next use.
MenuExit switchSetting(const MenuLine& line) {
    flip(line);
    drawMenu();
    sleepMs(kMovePauseMs);
    return MenuExit::Stay;
}

// The screen is opened again in the other mode (all pages black), so the
// scene and the menu are drawn anew. The player's choice is stored, whatever
// the command line chose for this run.
MenuExit switchFullScreen(const MenuLine& line) {
    flip(line);
    world.fullScreenStored = -1;
    drawMenu();
    openGameScreen();
    renderScene();
    drawMenu();
    recentrePointer();
    sleepMs(kMovePauseMs);
    return MenuExit::Stay;
}

// Up on line 1 gives line 7, down on line 7 line 1.
void moveFrame(int by) {
    world.menuCursor += by;
    if (world.menuCursor > kMenuLines) world.menuCursor = 1;
    if (world.menuCursor < 1) world.menuCursor = kMenuLines;
    drawMenu();
    playCue(Snd::tok);
    recentrePointer();
    sleepMs(kMovePauseMs);
}

}  // namespace

// clang-format off
const MenuLine kMenu[kMenuLines + 1] = {
    {},
    {trMark("Spielstand abspeichern"), nullptr, nullptr, nullptr, {290, 164, 480, 178}, chooseSave},
    {trMark("Spielstand laden"), nullptr, nullptr, nullptr, {290, 180, 430, 194}, chooseLoad},
    {trMark("Zur\x81" "ck zum Spiel"), nullptr, nullptr, nullptr, {290, 196, 440, 210}, chooseBack},
    {trMark("Spiel beenden"), nullptr, nullptr, nullptr, {290, 212, 410, 226}, chooseQuit},
    {nullptr, &RunState::soundOn, trMark("Ton AN "), trMark("Ton AUS"), {290, 228, 360, 242}, switchSetting},
    {nullptr, &RunState::joystickOn, trMark("Joystick EIN"), trMark("Joystick AUS"), {290, 244, 400, 258}, switchSetting},
    {nullptr, &RunState::fullScreen, trMark("Vollbild EIN"), trMark("Vollbild AUS"), {290, 260, 400, 274}, switchFullScreen},
};
// clang-format on

bool gameMenu() {
    setTextColour(kWhite);
    drawMenu();
    world.menuCursor = 1;
    flushKeys();
    // Esc, and whatever else play held, acts in the menu only once pressed anew.
    spendHeldKeys();
    drawMenu();
    for (;;) {
        quitOnCloseRequest();
        sleepMs(kPassPauseMs);
        const MouseState mouse = readMouse();
        // A failed read (all -1: window inactive, pointer outside) is no push.
        const bool pointer = mouse.x >= 0 && mouse.y >= 0;
        // The keys act once per tap and repeat when held (keyPressed). The
        // game pad, while the joystick is on: up and down move, A chooses.
        const GamePadState pad = world.joystickOn == 1 ? readGamePad() : GamePadState{};
        if (keyPressed(scancode::Down) || pad.down || (pointer && mouse.y > kBandBottom)) moveFrame(1);
        if (keyPressed(scancode::Up) || pad.up || (pointer && mouse.y < kBandTop)) moveFrame(-1);
        const bool space = keyPressed(scancode::Space);
        const bool enter = keyPressed(scancode::Enter);
        if (space || enter || pad.south || mouse.buttons == kMouseLeft) {
            recentrePointer();
            const MenuLine& line = kMenu[world.menuCursor];
            const MenuExit exit = line.choose(line);
            if (exit != MenuExit::Stay) {
                // The key or button that chose does not also act where the
                // menu returns to (the title would start a game).
                spendHeldKeys();
                return exit == MenuExit::Loaded;
            }
        }
        flushKeys();
    }
}
