// devices.cpp — the headless window (its name and focus too), joystick, game
// pad, mouse, sound and program end, and the texts printed.
//
// Nothing is shown or heard: the calls are recorded for the tests to inspect.
// What the core decides runs as on every backend: it reads the sounds' files
// and hands them over (the bytes are counted as loaded, not played), and it
// says when a page would be shown (counted in refresh, virtual_clock.cpp).
//
// Writes: headless::state (window, pointer, sounds, programs run, texts).
#include "platform/backend.h"
#include "platform/field_source.h"
#include "platform/headless/headless.h"
#include "platform/headless/headless_state.h"
#include "platform/host_hooks.h"
#include "platform/keyboard_state.h"
#include "platform/pointer_state.h"
#include "platform/random_state.h"
#include "platform/refresh.h"
#include "platform/screen_state.h"
#include "platform/sound_state.h"

#include <cmath>

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

PointerPosition pointer() {
    const headless::State& s = headless::state;
    return {s.pointerAvailable, s.pointerX, s.pointerY};
}

// Like a real pointer warp: an available mouse moves to (x, y), so a program
// that recentres the pointer sees no movement afterwards.
void setMouse(double x, double y, bool visible) {
    headless::State& s = headless::state;
    s.setMouseCall = MouseState{static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y)), -1, -1};
    s.setMouseVisible = visible;
    if (s.pointerAvailable) {
        s.pointerX = x;
        s.pointerY = y;
    }
}

bool playSound(const std::string& name, const std::string* wav) {
    headless::State& s = headless::state;
    s.sounds.push_back(name);
    if (!wav || wav->empty()) return false;
    s.soundsLoaded.push_back(name);
    return true;
}

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

namespace {

void keepText(int row, int column, const std::string& text) {
    headless::State& s = headless::state;
    if (!s.keepTexts) return;
    s.texts.push_back({core::workPageIndex(), row, column, core::screen.text.cellHeight, text});
}

void keepPicture(int page, int x1, int y1, int x2, int y2) {
    headless::State& s = headless::state;
    if (s.keepTexts) s.pictures.push_back({page, x1, y1, x2, y2, s.texts.size()});
}

// The core hands every printed text and drawn picture to the backend from
// the start.
const bool kTextsHooked = (core::textPrinted = keepText, core::pictureDrawn = keepPicture, true);

}  // namespace

namespace headless {

void reset() {
    state = State{};
    core::closeScreen();
    core::resetKeyboard();
    core::resetPointer();
    core::keptSounds.clear();
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
std::vector<std::string> soundsLoaded() { return state.soundsLoaded; }
void clearSounds() { state.sounds.clear(); }
std::vector<std::string> programsRun() { return state.programsRun; }
void setProgramRunner(ProgramRunner runner) { state.programRunner = std::move(runner); }

MouseState lastSetMouse(bool* visible) {
    if (visible) *visible = state.setMouseVisible;
    return state.setMouseCall;
}

long long refreshCount() { return core::pacing.refreshes; }
long long presentCount() { return state.presents; }

void keepPrintedTexts(bool keep) { state.keepTexts = keep && kTextsHooked; }
const std::vector<PrintedText>& printedTexts() { return state.texts; }
const std::vector<PictureDrawn>& picturesDrawn() { return state.pictures; }
void clearPrintedTexts() {
    state.texts.clear();
    state.pictures.clear();
}

}  // namespace headless
