// virtual_time.h — how long something takes on the headless backend's
// virtual clock, for tests of the pauses the rules and the scene make.
#pragma once

#include "platform/headless/headless.h"

// The virtual seconds that action() took.
template <typename Action>
double secondsTaken(Action&& action) {
    const double before = headless::clock();
    action();
    return headless::clock() - before;
}
