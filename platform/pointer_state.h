// pointer_state.h — the mouse buttons and wheel as the core keeps them
// (internal to platform/). The backends report the buttons' and the wheel's
// events (core::mouseButtonEvent, core::mouseWheelEvent in backend.h);
// readMouse (pointer_devices.cpp) reads this record.
#pragma once

namespace core {

struct PointerButtons {
    int held = 0;     // buttons down now, kMouseLeft | kMouseRight | kMouseMiddle
    int clicked = 0;  // buttons that went down since the last readMouse: a click read once however short
    int spent = 0;    // buttons held through spendHeldKeys: read as up until their button-up event
    int wheel = 0;    // sum of the wheel's notches, away from the user positive
};

// Defined in pointer_devices.cpp.
extern PointerButtons pointerButtons;

// No button held, latched or spent; the wheel at 0.
void resetPointer();

}  // namespace core
