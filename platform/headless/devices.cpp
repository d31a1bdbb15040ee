// devices.cpp — the headless window (its name and focus too), joystick, game
// pad, mouse, sound
// and program end.
//
// Nothing is shown or heard: the calls are recorded for the tests to inspect.
#include "platform/backend.h"
#include "platform/field_source.h"
#include "platform/headless/headless.h"
#include "platform/headless/headless_state.h"
#include "platform/keyboard_state.h"
#include "platform/random_state.h"
#include "platform/refresh.h"
#include "platform/screen_state.h"

#include <utility>

namespace backend {

void screenOpened(int fullScreen) { headless::state.fullScreen = fullScreen != 0; }

void nameWindow(const std::string& title, const Image* icon) {
    headless::State& s = headless::state;
    s.windowTitle = title;
    s.windowIconSet = icon != nullptr;
    s.windowIcon = icon ? *icon : Image{};
}

JoystickState joystick(int id) { return id == 0 ? headless::state.joystick : JoystickState{}; }

GamePadState gamePad() { return headless::state.gamePad; }

bool windowActive() { return headless::state.windowActive; }

MouseState mouse() { return headless::state.mouse; }

// Like a real pointer warp: an available mouse moves to (x, y), so a program
// that recentres the pointer sees no movement afterwards.
void setMouse(int x, int y, bool visible) {
    headless::State& s = headless::state;
    s.setMouseCall = MouseState{x, y, -1, -1};
    s.setMouseVisible = visible;
    if (s.mouse.x != -1 || s.mouse.y != -1) {
        s.mouse.x = x;
        s.mouse.y = y;
    }
}

void playSound(const std::string& path) { headless::state.sounds.push_back(path); }

// The call is recorded; the test's runner, if it set one, says what the
// program did, otherwise it reads as a clean end.
int runProgram(const std::string& name, const std::vector<std::string>& arguments) {
    std::string call = name;
    for (const std::string& argument : arguments) call += " " + argument;
    headless::state.programsRun.push_back(call);
    // A copy: the runner may set another one while it runs.
    const headless::ProgramRunner runner = headless::state.programRunner;
    return runner ? runner(name, arguments) : 0;
}

void endProgram(int exitCode) { throw headless::ProgramEnded{exitCode}; }

}  // namespace backend

namespace headless {

void reset() {
    state = State{};
    core::closeScreen();
    core::resetKeyboard();
    core::resetRandom();
    core::resetRefresh();
    core::selectFieldSource(nullptr);  // a typed line of an earlier test is not read again
}

int workPage() { return core::workPageIndex(); }
int visiblePage() { return core::pageSelection.visiblePage; }
int pageCount() { return core::pageCount(); }
const Colour* pagePixels(int page) { return core::pagePixels(page); }

Colour pixel(int page, int x, int y) {
    const Colour* pixels = core::pagePixels(page);
    if (!pixels || x < 0 || x >= kScreenWidth || y < 0 || y >= kScreenHeight) return kBlack;
    return pixels[y * kScreenWidth + x];
}

int textCellHeight() { return core::screen.opened ? core::screen.text.cellHeight : 0; }
bool fullScreen() { return state.fullScreen; }
std::string windowTitle() { return state.windowTitle; }
const Image* windowIcon() { return state.windowIconSet ? &state.windowIcon : nullptr; }
std::vector<std::string> soundsPlayed() { return state.sounds; }
void clearSounds() { state.sounds.clear(); }
std::vector<std::string> programsRun() { return state.programsRun; }
void setProgramRunner(ProgramRunner runner) { state.programRunner = std::move(runner); }

MouseState lastSetMouse(bool* visible) {
    if (visible) *visible = state.setMouseVisible;
    return state.setMouseCall;
}

long long refreshCount() { return core::pacing.refreshes; }

}  // namespace headless
