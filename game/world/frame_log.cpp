// frame_log.cpp — the diagnostic frame log, switched on by the game's
// command-line option --frame-log.
//
// With the log on, the game writes to standard output one line when the
// title's first picture has been drawn and one line per frame step:
//
//     shown <seconds>
//     frame <n> <seconds>
//
// <seconds> is timerSeconds() (from the program's start): for a frame step
// the clock reading that ends its movement phase, the time the frame loop
// paces by. Each line is flushed at once, so that a reader sees it when it
// happens. bench/xvfb_bench.sh reads the log for the start-up time and the
// frame pacing. Off, the log costs one test per frame step and never reads
// the clock, so play is exactly the same with or without it.
//
// Writes: nothing of the World record.
#include "game/world/frame_log.h"

#include "platform/platform.h"

#include <cstdio>

namespace {
bool logOn = false;
bool firstPictureLogged = false;
long long framesLogged = 0;
}  // namespace

void setFrameLog(bool on) {
    logOn = on;
    firstPictureLogged = false;
    framesLogged = 0;
}

void logFirstPicture() {
    if (!logOn || firstPictureLogged) return;
    firstPictureLogged = true;
    std::printf("shown %.6f\n", timerSeconds());
    std::fflush(stdout);
}

void logFrameStep(double seconds) {
    if (!logOn) return;
    std::printf("frame %lld %.6f\n", ++framesLogged, seconds);
    std::fflush(stdout);
}
