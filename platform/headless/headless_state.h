// headless_state.h — the state of the headless backend (internal to
// platform/headless/).
#pragma once

#include "platform/headless/headless.h"
#include "platform/platform.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace headless {

// The virtual clock counts whole nanoseconds, so that sums of sleeps land
// exactly on scripted times (ten 50 ms slices are exactly 0.5 s).
using Nanoseconds = std::int64_t;
constexpr Nanoseconds kDefaultTimerStep = 10000;  // 1e-5 s per clock read

// Seconds to nanoseconds, rounded, and kept far from overflow.
Nanoseconds toNanoseconds(double seconds);

// One scripted input event.
struct ScriptEvent {
    enum class Kind { KeyDown, KeyUp, Text, HostText, Extended, Mouse, Joystick, DetachJoystick, GamePad, Focus };
    Nanoseconds at = 0;  // virtual time
    Kind kind = Kind::KeyDown;
    int code = 0;            // scancode or extended key code
    char label = 0;          // KeyDown, KeyUp: the key's letter a..z in the layout, or 0
    std::string text;        // characters for Kind::Text (code page 437) and Kind::HostText (UTF-8)
    int buttons = -1;        // for Kind::Mouse: the buttons held; -1 with the position -1, -1: unavailable
    double pointerX = -1.0;  // for Kind::Mouse: the position in picture pixels
    double pointerY = -1.0;
    JoystickState joystick;  // for Kind::Joystick
    GamePadState gamePad;    // for Kind::GamePad
};

struct State {
    Nanoseconds clock = 0;                      // virtual time
    Nanoseconds timerStep = kDefaultTimerStep;  // added by every backend::now()
    std::vector<ScriptEvent> script;            // ordered by time, then by insertion
    std::size_t nextEvent = 0;                  // first undelivered entry of script
    JoystickState joystick;                     // defaults: no joystick
    GamePadState gamePad;                       // defaults: no game pad
    bool windowActive = true;                   // the window has the focus
    bool pointerAvailable = false;              // the pointer is over the picture (a scripted mouse position)
    double pointerX = 0.0;                      // where, in picture pixels
    double pointerY = 0.0;
    MouseState setMouseCall;  // last setMouse, the pixel aimed at; -1 before any
    bool setMouseVisible = true;
    bool fullScreen = false;
    long long presents = 0;                 // how often the core's present rule said to show the page
    std::vector<std::string> sounds;        // paths given to playSound, in order
    std::vector<std::string> soundsLoaded;  // paths whose file was read as a playable WAV, in order
    std::vector<std::string> programsRun;   // runProgram calls: the name and the arguments, blank-separated
    ProgramRunner programRunner;            // setProgramRunner; empty: runProgram returns 0
    std::string windowTitle;                // as last given to nameWindow; "" before
    bool windowIconSet = false;             // nameWindow was given an icon last time
    Image windowIcon;                       // a copy of that icon
    std::function<void()> watcher;          // setWatcher; called after events are delivered
    bool watching = false;                  // the watcher is running (no nested calls)
    bool keepTexts = false;                 // keepPrintedTexts: every printText and picture is kept
    std::vector<PrintedText> texts;         // the texts printed while kept, in order
    std::vector<PictureDrawn> pictures;     // the pictures drawn while kept, in order
};

// Defined in virtual_clock.cpp.
extern State state;

// Delivers every scripted event due at or before `until`, in order, moving
// the clock to each event's time, then sets the clock to `until` (if later).
void runClockTo(Nanoseconds until);

}  // namespace headless
