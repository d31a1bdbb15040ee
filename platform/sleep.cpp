// sleep.cpp — sleepMs, the wait that a key press may cut short.
//
// Below 100 ms the wait is one uninterrupted piece: the programs' short
// pauses (animation steps, sound gaps) must keep their length. From 100 ms
// on, the wait runs in slices of 50 ms while more than 50 ms remain; before
// each slice the key-pressed mark is read and cleared, and a set mark ends
// the wait at once. The rest (50 ms or less) is waited in one piece. So a
// key ends a long pause at most 50 ms after it was pressed, and a wait of
// exactly 100 ms checks only once, at its start. The key itself stays in the
// key state and the key buffer.
#include "platform/backend.h"
#include "platform/keyboard_state.h"
#include "platform/platform.h"

namespace {
constexpr int kInterruptibleFrom = 100;  // ms
constexpr int kSlice = 50;               // ms
constexpr double kLongestUntil = 0.1;    // s: sleepUntil never waits longer
}  // namespace

void sleepMs(int ms) {
    if (ms <= 0) return;
    if (ms < kInterruptibleFrom) {
        backend::sleepFor(ms);
        return;
    }
    int remaining = ms;
    while (remaining > kSlice) {
        if (core::takePressedMark()) return;
        backend::sleepFor(kSlice);
        remaining -= kSlice;
    }
    backend::sleepFor(remaining);
}

void sleepUntil(double seconds) {
    const double now = backend::now();
    if (!(seconds > now)) return;  // NaN too
    backend::sleepUntil(seconds - now > kLongestUntil ? now + kLongestUntil : seconds);
}
