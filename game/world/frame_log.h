// frame_log.h — the diagnostic frame log, switched on by the game's
// command-line option --frame-log (bench/xvfb_bench.sh reads it for the
// start-up time and the frame pacing).
#pragma once

// Switches the log on or off: on, a line "shown <seconds>" on standard
// output once the first picture of the title is drawn, then
// "frame <n> <seconds>" for every frame step, counted from 1.
void setFrameLog(bool on);
// The first picture of the run is drawn (the title over labyrinth 1); only
// the first call of a run writes.
void logFirstPicture();
// A frame step ended its movement phase at `seconds` (timerSeconds).
void logFrameStep(double seconds);
