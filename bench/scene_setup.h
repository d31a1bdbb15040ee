// scene_setup.h — the crowded screen the frame-step benchmarks measure, for
// the desktop benchmarks (scene_bench.cpp) and the browser's (platform/web/bench).
#pragma once

// Opens the screen and fills it: tiles everywhere, every image made, and
// `perKind` creatures of each of the four kinds spread over the current
// screen (at most 100).
void setUpScene(int perKind);

// One frame step with every creature gliding on both axes (the cleaning men
// on theirs), the wizard at rest among them; `last` as frameStep takes it.
bool glidingFrameStep(int perKind, double& last);
