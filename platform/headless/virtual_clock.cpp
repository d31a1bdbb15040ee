// virtual_clock.cpp — the headless clock, the input script and refresh.
//
// Time only moves when asked: every backend::now() call adds the timer step
// (so busy loops on timerSeconds make progress), sleepFor adds its
// milliseconds and advance its seconds. Scripted events are delivered, in
// time order, when the clock passes their time: inside refresh(), sleepFor
// and advance, which is where a real window's events would be handled.
//
// Writes: headless::state (clock, script, joystick, game pad, focus,
// pointer, presents); the core's key state and buttons through its calls.
#include "platform/backend.h"
#include "platform/headless/headless.h"
#include "platform/headless/headless_state.h"
#include "platform/keyboard_state.h"
#include "platform/pointer_state.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace headless {

State state;

Nanoseconds toNanoseconds(double seconds) {
    constexpr double kLimit = 4e18;                                      // about 127 years
    if (!(seconds > -kLimit)) return static_cast<Nanoseconds>(-kLimit);  // NaN too
    if (seconds * 1e9 > kLimit) return static_cast<Nanoseconds>(kLimit);
    return std::llround(seconds * 1e9);
}

namespace {

// The scripted pointer as a window reports it: where it is, and an event for
// each button that went down or up since.
void deliverMouse(const ScriptEvent& event) {
    state.pointerAvailable = !(event.pointerX == -1 && event.pointerY == -1 && event.buttons == -1);
    state.pointerX = event.pointerX;
    state.pointerY = event.pointerY;
    const int held = std::max(event.buttons, 0);
    for (const int button : {kMouseLeft, kMouseRight, kMouseMiddle}) {
        const bool down = (held & button) != 0;
        if (down != ((core::pointerButtons.held & button) != 0)) core::mouseButtonEvent(button, down);
    }
}

void deliver(const ScriptEvent& event) {
    switch (event.kind) {
        case ScriptEvent::Kind::KeyDown: {
            const bool repeat = event.code >= 1 && event.code < core::kScancodes && core::keyboard.held[event.code];
            core::keyEvent(event.code, true, repeat);
            if (event.label != 0) core::letterEvent(event.label, true);
            break;
        }
        case ScriptEvent::Kind::KeyUp:
            core::keyEvent(event.code, false, false);
            if (event.label != 0) core::letterEvent(event.label, false);
            break;
        case ScriptEvent::Kind::Text:
            for (unsigned char c : event.text) core::typedChar(c);
            break;
        case ScriptEvent::Kind::HostText: core::typedText(event.text); break;
        case ScriptEvent::Kind::Extended: core::extendedKey(static_cast<unsigned char>(event.code)); break;
        case ScriptEvent::Kind::Mouse: deliverMouse(event); break;
        case ScriptEvent::Kind::Joystick: state.joystick = event.joystick; break;
        case ScriptEvent::Kind::DetachJoystick: state.joystick = JoystickState{}; break;
        case ScriptEvent::Kind::GamePad: state.gamePad = event.gamePad; break;
        case ScriptEvent::Kind::Focus:
            state.windowActive = event.code != 0;
            // As in a window: keys released elsewhere send no key-up.
            if (!state.windowActive) core::releaseAllKeys();
            break;
    }
}

void schedule(ScriptEvent event) {
    // After every event of the same time: same-time events keep their order.
    auto at = std::upper_bound(state.script.begin() + static_cast<std::ptrdiff_t>(state.nextEvent), state.script.end(),
                               event.at, [](Nanoseconds t, const ScriptEvent& e) { return t < e.at; });
    state.script.insert(at, std::move(event));
}

}  // namespace

void runClockTo(Nanoseconds until) {
    while (state.nextEvent < state.script.size() && state.script[state.nextEvent].at <= until) {
        // A copy: delivering must not see the entry move if the script grows.
        const ScriptEvent event = state.script[state.nextEvent++];
        state.clock = std::max(state.clock, event.at);
        deliver(event);
    }
    if (state.nextEvent == state.script.size()) {
        state.script.clear();
        state.nextEvent = 0;
    }
    state.clock = std::max(state.clock, until);
    if (state.watcher && !state.watching) {
        state.watching = true;
        try {
            state.watcher();
        } catch (...) {
            state.watching = false;
            throw;
        }
        state.watching = false;
    }
}

double clock() { return static_cast<double>(state.clock) / 1e9; }

void advance(double seconds) { runClockTo(state.clock + std::max<Nanoseconds>(0, toNanoseconds(seconds))); }

void setWatcher(std::function<void()> watcher) { state.watcher = std::move(watcher); }

void setTimerStep(double seconds) { state.timerStep = std::max<Nanoseconds>(0, toNanoseconds(seconds)); }

namespace {

// An event of the given kind at virtual time `at` (seconds).
ScriptEvent eventAt(double at, ScriptEvent::Kind kind) {
    ScriptEvent e;
    e.at = toNanoseconds(at);
    e.kind = kind;
    return e;
}

void scheduleCode(double at, ScriptEvent::Kind kind, int code) {
    ScriptEvent e = eventAt(at, kind);
    e.code = code;
    schedule(std::move(e));
}

// The letter on each set-1 position of a German keyboard, from scancode 16.
constexpr const char kGermanLetters[] = "qwertzuiop\0\0\0\0asdfghjkl\0\0\0\0\0yxcvbnm";

char germanLabel(int scancode) {
    const int index = scancode - 16;
    return index >= 0 && index < static_cast<int>(sizeof kGermanLetters) - 1 ? kGermanLetters[index] : '\0';
}

void scheduleKey(double at, ScriptEvent::Kind kind, int scancode, char label) {
    ScriptEvent e = eventAt(at, kind);
    e.code = scancode;
    e.label = label != 0 ? label : germanLabel(scancode);
    schedule(std::move(e));
}

}  // namespace

void keyDown(int scancode, double at, char label) { scheduleKey(at, ScriptEvent::Kind::KeyDown, scancode, label); }

void keyUp(int scancode, double at, char label) { scheduleKey(at, ScriptEvent::Kind::KeyUp, scancode, label); }

void typeText(const std::string& cp437, double at) {
    ScriptEvent e = eventAt(at, ScriptEvent::Kind::Text);
    e.text = cp437;
    schedule(std::move(e));
}

void typeHostText(const std::string& utf8, double at) {
    ScriptEvent e = eventAt(at, ScriptEvent::Kind::HostText);
    e.text = utf8;
    schedule(std::move(e));
}

void extendedKey(int code, double at) { scheduleCode(at, ScriptEvent::Kind::Extended, code); }

void closeRequest(double at) { extendedKey(kCloseRequestKey, at); }

void mouse(int x, int y, int buttons, double at) { mouseAt(x, y, buttons, at); }

void mouseAt(double x, double y, int buttons, double at) {
    ScriptEvent e = eventAt(at, ScriptEvent::Kind::Mouse);
    e.buttons = buttons;
    e.pointerX = x;
    e.pointerY = y;
    schedule(std::move(e));
}

void joystick(int buttons, double x, double y, double at) {
    ScriptEvent e = eventAt(at, ScriptEvent::Kind::Joystick);
    e.joystick = JoystickState{buttons, x, y};
    schedule(std::move(e));
}

void detachJoystick(double at) { schedule(eventAt(at, ScriptEvent::Kind::DetachJoystick)); }

void gamePad(const GamePadState& pad, double at) {
    ScriptEvent e = eventAt(at, ScriptEvent::Kind::GamePad);
    e.gamePad = pad;
    schedule(std::move(e));
}

void focus(bool active, double at) { scheduleCode(at, ScriptEvent::Kind::Focus, active ? 1 : 0); }

}  // namespace headless

namespace backend {

double now() {
    headless::state.clock += headless::state.timerStep;
    return headless::clock();
}

// Events are delivered, and the page counts as shown when the core's rule
// says so; the clock is read without the timer step, so counting presents
// moves no virtual time.
void refresh() {
    headless::runClockTo(headless::state.clock);
    if (core::presentDue(headless::clock())) ++headless::state.presents;
}

void sleepFor(int ms) {
    headless::runClockTo(headless::state.clock + std::max(0, ms) * headless::Nanoseconds{1000000});
}

void sleepUntil(double seconds) {
    const headless::Nanoseconds target = headless::toNanoseconds(seconds);
    if (target > headless::state.clock) headless::runClockTo(target);
}

}  // namespace backend
