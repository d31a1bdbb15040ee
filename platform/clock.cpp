// clock.cpp — timerSeconds and endProgram.
//
// The game's frame loop calls timerSeconds on every pass of a busy loop, so
// it is one clock read, plus a refresh when one is due (the frame loop may
// call nothing else for a while).
#include "platform/backend.h"
#include "platform/platform.h"
#include "platform/refresh.h"

double timerSeconds() {
    const double now = backend::now();
    core::refreshIfDue(now);
    return now;
}

void endProgram(int exitCode) { backend::endProgram(exitCode); }
